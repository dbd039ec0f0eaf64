// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files read back: every record Save Score writes comes back as it was saved, whatever
// the name holds, and lines that are not records are counted, never taken for scores.
#include "drillrows.h"
#include "filecheck.h"

#include "progress/scorehistory.h"
#include "scriptedboxes.h"

#include <QTest>

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
        QTest::newRow("Addition") << &Addition << "Dav" << scored << "80/10 50/4";
        QTest::newRow("Subtraction") << &Subtraction << "Dav" << scored << "80/10 50/4";
        QTest::newRow("Multiplication") << &Multiplication << "Dav" << scored << "80/10 50/4";
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

    void countsTheLinesThatAreNotScores_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("notScores");

        QTest::newRow("empty") << QByteArray() << 0 << 0;
        QTest::newRow("a line typed in the viewer") << Scored + "Dav was here\r\n" << 1 << 1;
        QTest::newRow("empty lines between records") << Scored + "\r\n\r\n" + Scored << 2 << 0;
        QTest::newRow("no closing quote") << Scored.chopped(3) + Scored << 2 << 0;
        QTest::newRow("a closing quote alone") << QByteArray("\"\r\n") + Scored << 1 << 1;
        QTest::newRow("line feeds alone") << QByteArray(Scored).replace("\r", "") << 1 << 0;
        QTest::newRow("no line end at the end") << Scored.chopped(2) << 1 << 0;
        QTest::newRow("cut short") << Scored.first(60) << 0 << 1;
        QTest::newRow("no opening quote") << Scored.sliced(1) << 0 << 2;
        QTest::newRow("another drill's record")
            << QByteArray(Scored).replace("ADD", "SUBTRACT") << 0 << 2;
        QTest::newRow("no such date") << QByteArray(Scored).replace("12/06", "13/06") << 0 << 2;
        QTest::newRow("a date without its year")
            << QByteArray(Scored).replace("12/06/26", "12/06") << 0 << 2;
        QTest::newRow("a percentage that is no number")
            << QByteArray(Scored).replace("80.00%", "80.0.0%") << 0 << 2;
        QTest::newRow("a percentage without its sign")
            << QByteArray(Scored).replace("80.00%", "80.00") << 0 << 2;
        for (const char *odd : {"inf%", "nan%", "150%", "100.01%", "1e308%", "-1%"})
            QTest::addRow("a percentage no Score press gives: %s", odd)
                << QByteArray(Scored).replace("80.00%", odd) << 0 << 2;
        QTest::newRow("a total that is no number")
            << QByteArray(Scored).replace("Out of 10", "Out of ten") << 0 << 2;
        QTest::newRow("written back whole by the viewer: the first name takes its quote")
            << "\"" + Scored + "\"\r\n"
            << 1 << 1;
    }
    void countsTheLinesThatAreNotScores()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(int, notScores);
        History history;
        history.read(Addition, bytes);
        QCOMPARE(int(history.records().size()), records);
        QCOMPARE(history.notScores(), notScores);
        if (records > 0)
            QCOMPARE(described(history.records()[0]), "80/10 50/4");
    }

    // Control characters another program wrote into a name are neither shown nor said: the name
    // is the learner's whose name it is without them.
    void namesLeaveOutControlCharacters()
    {
        History history;
        history.read(Addition, Scored + QByteArray(Scored).replace("Dav", "D\aa\x1b[31mv\x7f") +
                                   QByteArray(Scored).replace("Dav", "Mi\x01"
                                                                     "a"));
        QCOMPARE(history.learners(), QStringList({"Dav", "Da[31mv", "Mia"}));
    }

    // Each learner's latest is the last scored save, the best the highest, over all their saves.
    void summarizesEachLearner()
    {
        History history;
        history.read(Division,
                     "\"Bob On the Day of 03/01/26 Got A 40.00% Out of 5 Questions on Divide 2 "
                     "decimal places and \r\n\"\r\n"
                     "\"Ann On the Day of 03/02/26 Got A 90.00% Out of 5 Questions on Divide 2 "
                     "decimal places and \r\n\"\r\n"
                     "\"Bob On the Day of 03/04/26 Got A 85.00% Out of 5 Questions on Divide 2 "
                     "decimal places and \r\n\"\r\n"
                     "\"Bob On the Day of 03/03/26 Got A 60.00% Out of 5 Questions on Divide 2 "
                     "decimal places and \r\n\"\r\n"
                     "\"Bob On the Day of 03/05/26 Got A  Out of 5 Questions on Divide 2 "
                     "decimal places and \r\n\"\r\n");
        const auto learners = summarize(history);
        QCOMPARE(learners.size(), 2u);
        QCOMPARE(learners[0].name, "Ann");
        const LearnerSummary &bob = learners[1];
        QCOMPARE(bob.saves, 4);
        QCOMPARE(bob.last, QDate(2026, 3, 5));
        const ExerciseSummary &division = bob.exercises[exerciseIndex(Division, 0)];
        QCOMPARE(division.scored, 3);
        QCOMPARE(division.first, 40);
        QCOMPARE(division.latest, 60);
        QCOMPARE(division.best, 85);
        QCOMPARE(bob.exercises[exerciseIndex(Addition, 0)].scored, 0);
    }

private:
    ScratchFolder m_folder;
};

QTEST_MAIN(TestScoreHistory)
#include "tst_scorehistory.moc"
