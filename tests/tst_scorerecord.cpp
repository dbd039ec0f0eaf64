// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a score: the record bytes each drill appends, what an empty name leaves alone, and the
// save that fails without harming the records already in the file.
#include "controls.h"
#include "drillrows.h"
#include "filecheck.h"

#include "scores/scorerecord.h"
#include "scores/scoretext.h"
#include "scriptedboxes.h"
#include "toolkit/files/lockedfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

using namespace scores;
namespace dialogs = toolkit::dialogs;

namespace {

const QDate SixthOfDecember(2026, 12, 6);

const Captions Scored{"80.00%", "10", "50.00%", "4"};

} // namespace

Q_DECLARE_METATYPE(const ScoreFile *)
Q_DECLARE_METATYPE(Captions)

class TestScoreRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::ignoreFileSizeSignal(); }
    void init() { m_folder.enter(); }
    void cleanup()
    {
        dialogs::clearAnswers();
        m_folder.leave();
    }

    void appendsTheRecordOfEachDrill_data()
    {
        QTest::addColumn<const ScoreFile *>("drill");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Captions>("captions");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");

        const auto divided = [](const char *name, const char *score) {
            return "\"" + QByteArray(name) + " On the Day of 12/06/26 Got A " + score +
                   " Questions on Divide 2 decimal places and \r\n\"\r\n";
        };
        for (const auto &[drill, fileName, word] : {std::tuple{&Addition, "Add.txt", "ADD"},
                                                    {&Subtraction, "Sub.txt", "SUBTRACT"},
                                                    {&Multiplication, "Multiply.txt", "MULTIPLY"}})
            QTest::newRow(drill->key)
                << &drill->scores << "Dav" << Scored << fileName
                << "\"Dav On the Day of 12/06/26 Got A 80.00% Out of 10 Questions on " +
                       QByteArray(word) + " 2 and 50.00% out of 4 Questions on " + word +
                       " 3\r\n\"\r\n";
        QTest::newRow("Division reads one exercise")
            << &Division.scores << "Dav" << Scored << "Divide.txt"
            << divided("Dav", "80.00% Out of 10");
        QTest::newRow("never scored: blanks meet")
            << &Addition.scores << "Dav" << Captions{} << "Add.txt"
            << QByteArray("\"Dav On the Day of 12/06/26 Got A  Out of  Questions on ADD 2 and  "
                          "out of  Questions on ADD 3\r\n\"\r\n");
        const Captions none{"0.00%", "1"};
        QTest::newRow("a name of blanks")
            << &Division.scores << "  " << none << "Divide.txt" << divided("  ", "0.00% Out of 1");
        QTest::newRow("a quote in the name stays")
            << &Division.scores << "Dav \"D\"" << none << "Divide.txt"
            << divided("Dav \"D\"", "0.00% Out of 1");
        QTest::newRow("a regional separator the file lacks")
            << &Division.scores << "Dav" << Captions{QStringLiteral("50\u066B00%"), "2"}
            << "Divide.txt" << divided("Dav", "50.00% Out of 2");
        // The name box holds one line: pasted line breaks are blanks, the record keeps two lines.
        QTest::newRow("line breaks pasted into the name")
            << &Division.scores << "A\r\nB\nC\rD\u2029E" << none << "Divide.txt"
            << divided("A B C D E", "0.00% Out of 1");
        QTest::newRow("control characters pasted into the name are left out")
            << &Division.scores << "M\aia\x1b[31m\x7f\u0085" << none << "Divide.txt"
            << divided("Mia[31m", "0.00% Out of 1");
    }
    void appendsTheRecordOfEachDrill()
    {
        QFETCH(const ScoreFile *, drill);
        QFETCH(QString, name);
        QFETCH(Captions, captions);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);

        dialogs::answerNextInput(name);
        QVERIFY(saveScore(nullptr, *drill, captions, SixthOfDecember));
        QCOMPARE(bytesOf(fileName), bytes);
        QCOMPARE(QDir().entryList(QDir::Files), QStringList{fileName});
    }

    // A record starts a line of its own after a file that ends without one; each part of its
    // date has two digits.
    void appendingKeepsTheEarlierRecordsByteForByte()
    {
        const QByteArray earlier = "\"edited by hand\xe9\r\n\"\r\nno line end";
        writeFile("Add.txt", earlier);
        dialogs::answerNextInput("Ann");
        dialogs::answerNextInput("Bob");
        QVERIFY(saveScore(nullptr, Addition.scores, Scored, SixthOfDecember));
        QVERIFY(saveScore(nullptr, Addition.scores, Captions{}, QDate(2009, 3, 7)));
        const QByteArray bytes = bytesOf("Add.txt");
        QVERIFY(bytes.startsWith(earlier + "\r\n\"Ann On the Day of 12/06/26 Got A 80.00%"));
        QVERIFY(bytes.contains(" 3\r\n\"\r\n\"Bob On the Day of 03/07/09 Got A  Out of"));
    }

    void aNameOutsideTheCodePageAsksFirst_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("Yes saves it with '?'") << QMessageBox::Yes << QByteArray("?ucja \xe9");
        QTest::newRow("No goes back to the name") << QMessageBox::No << QByteArray("Lucja");
        QTest::newRow("Esc goes back too") << QMessageBox::Cancel << QByteArray("Lucja");
    }
    void aNameOutsideTheCodePageAsksFirst()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QByteArray, saved);
        dialogs::answerNextInput(QString::fromUtf8("Łucja é"));
        dialogs::answerNextMessage(answer);
        if (answer != QMessageBox::Yes)
            dialogs::answerNextInput("Lucja");
        QVERIFY(saveScore(nullptr, Division.scores, Scored, SixthOfDecember));
        QVERIFY(bytesOf("Divide.txt").startsWith("\"" + saved + " On the Day"));

        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), answer == QMessageBox::Yes ? 2 : 3);
        QCOMPARE(boxes[1].text, QString::fromUtf8("The name holds characters that a score file "
                                                  "cannot store: Ł. Each would be saved "
                                                  "as \"?\".\n\nSave all the same? No goes back "
                                                  "to the name."));
        QCOMPARE(boxes[1].defaultButton, QMessageBox::No);
        if (boxes.size() == 3) // the name as it was typed, to be changed
            QCOMPARE(boxes[2].field, QString::fromUtf8("Łucja é"));
    }

    // A name is never cut: one longer than a score holds is sent back whole, with a word, and the
    // longest it holds is saved whole in a line the viewer shows, whatever the captions.
    void aNameTooLongIsSentBackWhole()
    {
        const QString pasted(100000, u'x');
        // Counted in characters: each of these takes two UTF-16 units.
        const QString longest = QStringLiteral("\U0001F600").repeated(LongestName);
        dialogs::answerNextInput(pasted);
        dialogs::answerNextMessage(QMessageBox::Ok);
        dialogs::answerNextInput(longest);
        dialogs::answerNextMessage(QMessageBox::Yes); // saved as "?" all the same
        QVERIFY(saveScore(nullptr, Multiplication.scores,
                          {"100.00%", "-32768", "100.00%", "-32768"}, SixthOfDecember));
        const QByteArray bytes = bytesOf("Multiply.txt");
        QVERIFY(bytes.startsWith("\"" + QByteArray(LongestName, '?') + " On the Day"));
        QCOMPARE(beyondLimits(false, linesOf(bytes)), QString());

        const auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 4);
        QCOMPARE(boxes[1].text, QString("The name is longer than the %1 characters a score can "
                                        "hold. Please make it shorter.")
                                    .arg(QLocale().toString(1000)));
        QCOMPARE(boxes[2].field, pasted);
    }

    void anEmptyNameSavesNothing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("Cancel") << QString();
        QTest::newRow("OK with an empty field") << QString("");
    }
    void anEmptyNameSavesNothing()
    {
        QFETCH(QString, answer);
        dialogs::answerNextInput(answer);
        QVERIFY(!saveScore(nullptr, Addition.scores, Scored, SixthOfDecember));
        QCOMPARE(dialogs::takeAnsweredBoxes().size(), 1); // the name box only, no message
        QVERIFY(!QFileInfo::exists("Add.txt"));
    }

    void asksForTheNameInTheRealBox()
    {
        QString prompt, title, field;
        whenModal([&](QWidget *modal) {
            auto *box = qobject_cast<QInputDialog *>(modal);
            prompt = box->labelText();
            title = box->windowTitle();
            auto *edit = box->findChild<QLineEdit *>();
            field = edit->text();
            QTest::keyClicks(edit, "Dav");
            QTest::keyClick(edit, Qt::Key_Enter);
        });

        QVERIFY(saveScore(nullptr, Division.scores, Scored, SixthOfDecember));
        QCOMPARE(prompt, "Please Enter Your Name");
        QCOMPARE(title, "Math Score");
        QCOMPARE(field, "");
        QVERIFY(bytesOf("Divide.txt").startsWith("\"Dav On the Day of 12/06/26"));
    }

    void aFailedSaveSaysWhyAndLosesNothing()
    {
        // The name is taken by a folder.
        QDir().mkdir("Add.txt");
        dialogs::answerNextInput("Dav");
        dialogs::answerNextMessage(QMessageBox::Ok);
        QVERIFY(!saveScore(nullptr, Addition.scores, Scored, SixthOfDecember));
        auto boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].title, "Sumbrook");
        QVERIFY2(boxes[1].text.contains("\"Add.txt\"") && boxes[1].text.contains("folder"),
                 qPrintable(boxes[1].text));
        QVERIFY(QFileInfo("Add.txt").isDir());
        QVERIFY(QDir("Add.txt").isEmpty());

        // The disk fills part-way through the record.
        const QByteArray earlier = "\"Ann On the Day of 12/05/26\r\n\"\r\n";
        writeFile("Sub.txt", earlier);
        dialogs::answerNextInput("Dav");
        dialogs::answerNextMessage(QMessageBox::Ok);
        {
            const FileSizeLimit limit(earlier.size() + 20);
            QVERIFY(!saveScore(nullptr, Subtraction.scores, Scored, SixthOfDecember));
        }
        boxes = dialogs::takeAnsweredBoxes();
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[1].text, "The score could not be saved in \"Sub.txt\": File too large");
        QCOMPARE(bytesOf("Sub.txt"), earlier);
    }

private:
    ScratchFolder m_folder;
};

QTEST_MAIN(TestScoreRecord)
#include "tst_scorerecord.moc"
