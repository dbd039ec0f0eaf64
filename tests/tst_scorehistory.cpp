// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files read back: every record Save Score writes comes back as it was saved, whatever
// the name holds; lines that are not records, and dates that cannot be taken, are counted by
// reason, never taken for scores; names leave out control characters; the class and a learner
// are worked out over a period.
#include "drillrows.h"
#include "filecheck.h"

#include "progress/classview.h"
#include "progress/scorehistory.h"
#include "scriptedboxes.h"

#include <QStringDecoder>
#include <QTest>

#include <numeric>

using namespace progress;
using scores::Captions;

Q_DECLARE_METATYPE(Captions)

namespace {

const QDate SixthOfDecember(2026, 12, 6);

// "80/10 50/4": each exercise's percentage and questions, "-" where the caption was empty.
QString described(const Record &record)
{
    QStringList parts;
    for (int i = 0; i < record.drill->exercises(); ++i) {
        const Result &r = record.results[i];
        parts << (r.scored ? QString::number(r.percent) : QStringLiteral("-")) + u'/' +
                     (r.answered < 0 ? QStringLiteral("-") : QString::number(r.answered));
    }
    return parts.join(u' ');
}

const QByteArray Scored = "\"Dav On the Day of 12/06/26 Got A 80.00% Out of 10 Questions on ADD "
                          "2 and 50.00% out of 4 Questions on ADD 3\r\n\"\r\n";

} // namespace

class TestScoreHistory : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder.enter(); }
    void cleanup()
    {
        toolkit::dialogs::clearAnswers();
        m_folder.leave();
    }

    void readsBackWhatSaveScoreWrote_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Captions>("captions");
        QTest::addColumn<QString>("results");

        const Captions scored{"80.00%", "10", "50.00%", "4"};
        for (const Drill *drill : integerDrills())
            QTest::newRow(drill->key) << drill << "Dav" << scored << "80/10 50/4";
        QTest::newRow("Division, one exercise ending in and")
            << &Division << "Dav" << scored << "80/10";
        QTest::newRow("never scored: every caption empty")
            << &Addition << "Dav" << Captions{} << "-/- -/-";
        QTest::newRow("saved again without a Score press")
            << &Multiplication << "Dav" << Captions{"", "10", "", "4"} << "-/10 -/4";
        QTest::newRow("quotes in the name") << &Division << "\"Dav\" \"" << scored << "80/10";
        QTest::newRow("the sentence's own words in the name")
            << &Addition
            << "A On the Day of 01/02/03 Got A 10.00% Out of 3 Questions on ADD 2 and 1.00% out "
               "of 1 Questions on ADD 3\"\r\n\""
            << scored << "80/10 50/4";
        QTest::newRow("Division's words in the name")
            << &Division << " Out of  Questions on Divide 2 decimal places and "
            << Captions{"", "7"} << "-/7";
        QTest::newRow("a name of blanks") << &Subtraction << "  " << scored << "80/10 50/4";
        QTest::newRow("a regional comma")
            << &Addition << "Zoë" << Captions{"66,67%", "3", "100,00%", "32767"}
            << "66.67/3 100/32767";
        QTest::newRow("a separator the code page lacks, digits of another script")
            << &Subtraction << "Dav"
            << Captions{QStringLiteral("50\u066B00%"), "2",
                        QStringLiteral("\u0663\u0663\u066B\u0663\u0663%"), "3"}
            << "50/2 33.33/3";
    }
    void readsBackWhatSaveScoreWrote()
    {
        QFETCH(const Drill *, drill);
        QFETCH(QString, name);
        QFETCH(Captions, captions);
        QFETCH(QString, results);

        const scores::ScoreFile &file = drill->scores;
        // A record before and after: each is read on its own lines.
        for (const QString &saved : {QStringLiteral("Ann"), name, QStringLiteral("Bob")}) {
            toolkit::dialogs::answerNextInput(saved);
            QVERIFY(scores::saveScore(nullptr, file, captions, SixthOfDecember));
        }

        History history;
        history.read(*drill, bytesOf(file.fileName));
        QCOMPARE(history.notScores(), 0);
        QCOMPARE(history.records().size(), 3u);
        const Record &record = history.records()[1];
        // Line breaks pasted into a name are saved as blanks.
        QCOMPARE(history.learners()[record.learner],
                 QString(name).replace("\r\n", " ").replace('\r', ' ').replace('\n', ' '));
        QCOMPARE(record.date, SixthOfDecember);
        QCOMPARE(record.drill, drill);
        QCOMPARE(described(record), results);
        QCOMPARE(history.learners()[history.records()[2].learner], "Bob");
    }

    // Lines that are not records are counted by reason, never taken for scores: a date typed by
    // hand is taken only where it can mean one day, and never after today.
    void countsTheLinesThatAreNotScores_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("skipped"); // not a record, unreadable, ambiguous, future

        const auto with = [](const char *from, const char *to) {
            return QByteArray(Scored).replace(from, to);
        };
        QTest::newRow("empty") << QByteArray() << 0 << "0 0 0 0";
        QTest::newRow("a line typed in the viewer") << Scored + "Dav was here\r\n"
                                                    << 1 << "1 0 0 0";
        QTest::newRow("empty lines between records")
            << Scored + "\r\n\r\n" + Scored << 2 << "0 0 0 0";
        QTest::newRow("no closing quote") << Scored.chopped(3) + Scored << 2 << "0 0 0 0";
        QTest::newRow("a closing quote alone") << "\"\r\n" + Scored << 1 << "1 0 0 0";
        QTest::newRow("line feeds alone") << with("\r", "") << 1 << "0 0 0 0";
        QTest::newRow("no line end at the end") << Scored.chopped(2) << 1 << "0 0 0 0";
        QTest::newRow("cut short") << Scored.first(60) << 0 << "1 0 0 0";
        QTest::newRow("no opening quote") << Scored.sliced(1) << 0 << "2 0 0 0";
        QTest::newRow("another drill's record") << with("ADD", "SUBTRACT") << 0 << "2 0 0 0";
        QTest::newRow("no such date: the record and its quote")
            << with("12/06", "13/06") << 0 << "0 1 0 0";
        QTest::newRow("no such day") << with("12/06/26", "02/30/26") << 0 << "0 1 0 0";
        QTest::newRow("a date without its year") << with("12/06/26", "12/06") << 0 << "2 0 0 0";
        QTest::newRow("day first, one reading") << with("12/06/26", "31.12.25") << 1 << "0 0 0 0";
        QTest::newRow("either reading") << with("12/06/26", "08.12.26") << 0 << "0 0 1 0";
        QTest::newRow("the same either way") << with("12/06/26", "05.05.26") << 1 << "0 0 0 0";
        QTest::newRow("a year typed wrong") << with("12/06/26", "12/06/62") << 0 << "0 0 0 1";
        QTest::newRow("a percentage that is no number")
            << with("80.00%", "80.0.0%") << 0 << "2 0 0 0";
        QTest::newRow("a percentage without its sign") << with("80.00%", "80.00") << 0 << "2 0 0 0";
        for (const char *odd : {"inf%", "nan%", "150%", "100.01%", "1e308%", "-1%"})
            QTest::addRow("a percentage no Score press gives: %s", odd)
                << with("80.00%", odd) << 0 << "2 0 0 0";
        QTest::newRow("a total that is no number")
            << with("Out of 10", "Out of ten") << 0 << "2 0 0 0";
        QTest::newRow("written back whole by the viewer: the first name takes its quote")
            << "\"" + Scored + "\"\r\n"
            << 1 << "1 0 0 0";
    }
    void countsTheLinesThatAreNotScores()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        History history;
        const FileReport report = history.read(Addition, bytes, QDate(2026, 12, 9));
        QCOMPARE(int(history.records().size()), records);
        QStringList counts;
        for (const qsizetype n : report.skipped)
            counts << QString::number(n);
        QTEST(counts.join(u' '), "skipped");
        QCOMPARE(history.notScores(),
                 std::accumulate(report.skipped.begin(), report.skipped.end(), qsizetype(0)));
        for (const Record &record : history.records())
            QCOMPARE(described(record), "80/10 50/4");
    }

    // A file in another encoding is read in it and said to be; control characters another
    // program wrote into a name are neither shown nor said.
    void readsNamesAsTheyWereWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QStringList>("learners");

        QTest::newRow("control characters in names")
            << Scored + QByteArray(Scored).replace("Dav", "D\aa\x1b[31mv\x7f") +
                   QByteArray(Scored).replace("Dav", "Mi\x01"
                                                     "a")
            << "" << QStringList{"Dav", "Da[31mv", "Mia"};
        QStringDecoder cp("windows-1252");
        const QString text = cp(QByteArray(Scored).replace("Dav", "L\xe9"
                                                                  "a"));
        QByteArray utf16;
        for (const QChar c : text)
            utf16 += char(c.unicode() & 0xff), utf16 += char(c.unicode() >> 8);
        QTest::newRow("UTF-16 without a mark") << utf16 << "UTF-16" << QStringList{"Léa"};
        QTest::newRow("UTF-8 with a mark")
            << "\xef\xbb\xbf" + text.toUtf8() << "UTF-8" << QStringList{"Léa"};
    }
    void readsNamesAsTheyWereWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, learners);
        History history;
        const FileReport report = history.read(Addition, bytes);
        QCOMPARE(history.records().size(), std::size_t(learners.size()));
        QCOMPARE(report.skippedLines(), 0);
        QTEST(report.encoding, "encoding");
        QCOMPARE(report.fileName, "Add.txt");
        QCOMPARE(history.learners(), learners);
    }

    // The periods a teacher picks, and what each is compared with.
    void periods_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("before");
        const QDate wednesday(2026, 12, 9), january(2027, 1, 15);
        QTest::newRow("this week")
            << int(PeriodKind::ThisWeek) << wednesday << "2026-12-07 2026-12-09"
            << "2026-11-30 2026-12-06";
        QTest::newRow("this month")
            << int(PeriodKind::ThisMonth) << wednesday << "2026-12-01 2026-12-09"
            << "2026-11-01 2026-11-30";
        QTest::newRow("since") << int(PeriodKind::Since) << wednesday << "2026-10-01 2026-12-09"
                               << "2026-07-23 2026-09-30";
        QTest::newRow("school year, after new year")
            << int(PeriodKind::SchoolYear) << january << "2026-09-01 2027-01-15"
            << "2025-09-01 2026-08-31";
    }
    void periods()
    {
        QFETCH(int, kind);
        QFETCH(QDate, today);
        const Period period = periodOf(PeriodKind(kind), today, QDate(2026, 10, 1));
        const auto text = [](const Period &p) {
            return p.from.toString(Qt::ISODate) + u' ' + p.to.toString(Qt::ISODate);
        };
        QTEST(text(period), "period");
        QTEST(text(periodBefore(PeriodKind(kind), period)), "before");
    }

    // The class list decides the rows: renamed and differently typed names join their learner,
    // a learner who never saved has a row, a name not in it stands apart; a learner's weeks leave
    // the gap of a week without scores.
    void worksOutTheClass()
    {
        History division;
        const auto record = [](const char *name, const char *date, const char *percent,
                               const char *total) {
            return QByteArray("\"") + name + " On the Day of " + date + " Got A " + percent +
                   " Out of " + total + " Questions on Divide 2 decimal places and \r\n\"\r\n";
        };
        division.read(Division,
                      record("Mia", "11/02/26", "50.00%", "10") +
                          record("Mia K.", "12/01/26", "80.00%", "10") +
                          record(" mia k. ", "12/02/26", "100.00%", "5") +
                          record("Guest", "12/03/26", "40.00%", "5") +
                          record("Mia K.", "12/16/26", "70.00%", "10"),
                      QDate(2026, 12, 31));
        const Roster roster{
            {"Mia K.", "Noah"}, {{"Mia", "Mia K."}}, {{"", "division", {}, "whole"}}, "3b"};
        const History *files[] = {&division};
        const ClassView view = classView(files, roster, PeriodKind::ThisMonth, QDate(2026, 12, 31));
        const std::size_t d = drilltable::indexOf(Division);
        QCOMPARE(view.learners.size(), 3u);
        const ClassRow &mia = view.learners[0];
        QCOMPARE(mia.name, "Mia K.");
        QCOMPARE(mia.drills[d].now.right, 20);
        QCOMPARE(mia.drills[d].now.questions, 25);
        QCOMPARE(*mia.drills[d].now.average(), 80.0);
        QCOMPARE(*mia.drills[d].before.average(), 50.0);
        QCOMPARE(mia.days, 3.0);
        QCOMPARE(mia.last, QDate(2026, 12, 16));
        QCOMPARE(view.learners[1].name, "Noah");
        QCOMPARE(view.learners[1].drills[d].now.average(), std::nullopt);
        QCOMPARE(view.learners[2].name, "Guest");
        QVERIFY(!view.learners[2].inClass);
        QCOMPARE(view.average.drills[d].now.right, 20); // the guest not in it
        QCOMPARE(view.average.days, 1.5);
        QCOMPARE(roster.levelAt("Mia K.", Division, QDate(2026, 12, 1)), "whole");

        const auto weeks = learnerWeeks(files, roster, "Mia K.", view.period, nullptr);
        QCOMPARE(weeks.size(), 1u);
        QCOMPARE(weeks[0].saves.size(), 3u);
        QCOMPARE(weeks[0].runs.size(), 2u);                     // the week of 7 December had none
        QCOMPARE(weeks[0].runs[0][0].percent, 100.0 * 13 / 15); // 8 of 10 and 5 of 5
    }

private:
    ScratchFolder m_folder;
};

QTEST_MAIN(TestScoreHistory)
#include "tst_scorehistory.moc"
