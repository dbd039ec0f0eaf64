// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud through a real speech-dispatcher whose one output writes each utterance to a
// file: a drill driven by keys says its problems, a wrong answer with the correct one, the praise
// and the score, in English and in German, and nothing at all while reading aloud is off.
#include "filecheck.h"
#include "rightanswer.h"

#include "drills/exercise.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/speech/readaloud.h"
#include "toolkit/text/translations.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = focused() ? focused() : QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

} // namespace

class TestReadAloud : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("speech-dispatcher").isEmpty())
            QSKIP("speech-dispatcher is not installed");
        QVERIFY(m_home.isValid());
        const QString config = m_home.filePath("config"), run = m_home.filePath("run");
        QVERIFY(QDir().mkpath(config + "/speech-dispatcher/modules") && QDir().mkpath(run));
        QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", run.toLocal8Bit());
        m_spoken = m_home.filePath("spoken.txt");
        // The service ends by itself a few seconds after the tests stop talking to it.
        writeFile(config + "/speech-dispatcher/speechd.conf",
                  "AudioOutputMethod \"libao\"\nAddModule \"file\" \"sd_generic\" \"file.conf\"\n"
                  "DefaultModule file\n"
                  "DefaultLanguage \"en\"\nTimeout 5\n");
        writeFile(config + "/speech-dispatcher/modules/file.conf",
                  "GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> " + m_spoken.toUtf8() +
                      "\"\nGenericCmdDependency \"printf\"\nGenericStripPunctChars \"\"\n"
                      "GenericLanguage \"en\" \"en\" \"utf-8\"\n"
                      "GenericLanguage \"de\" \"de\" \"utf-8\"\n"
                      "AddVoice \"en\" \"MALE1\" \"en\"\nAddVoice \"de\" \"MALE1\" \"de\"\n"
                      "DefaultVoice \"en\"\n");
    }
    void init() { m_folder.enter(); }
    void cleanup() { m_folder.leave(); }

    // The sentences a pre-reader leans on: a drill opening says its problem once, F5 after a
    // wrong two-number answer says that verdict (its box is hidden, the three-number box shows),
    // a service that ended is started again for the next sentence, and turning off is said.
    void aPreReaderIsNeverLeftInSilence()
    {
        toolkit::installTranslations(QLocale("en"));
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        toolkit::speech::setOn(false);
        toolkit::speech::setOn(true);
        QTRY_VERIFY_WITH_TIMEOUT(heard().contains("Reading aloud is on."), 10000);
        press(Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QTRY_COMPARE(focused()->objectName(), "txtAnswer");
        const QString problem = focused()->accessibleName();
        QTRY_VERIFY2_WITH_TIMEOUT(heard().contains("The keyboard is on the first"),
                                  qPrintable(heard()), 10000);
        QTest::qWait(500);
        QCOMPARE(heard().count(problem + "."), 1);

        QTest::keyClicks(focused(), "x");
        press(Qt::Key_Return);
        const QString verdict = focused()->accessibleName();
        QVERIFY(verdict.startsWith("Not quite. " + problem));
        QTRY_VERIFY_WITH_TIMEOUT(heard().contains(verdict), 10000);
        writeFile(m_spoken, {});
        press(Qt::Key_F5);
        QTRY_VERIFY_WITH_TIMEOUT(heard() == verdict, 10000);

        const QString pidFile = qEnvironmentVariable("XDG_RUNTIME_DIR") +
                                "/speech-dispatcher/pid/speech-dispatcher.pid";
        const qint64 pid = bytesOf(pidFile).trimmed().toLongLong();
        QVERIFY(pid > 0);
        QCOMPARE(QProcess::execute("kill", {QString::number(pid)}), 0);
        QTRY_VERIFY(QProcess::execute("kill", {"-0", QString::number(pid)}) != 0);
        writeFile(m_spoken, {});
        press(Qt::Key_F5);
        QTRY_VERIFY_WITH_TIMEOUT(heard() == verdict, 10000);
        const auto *status = main.findChild<QStatusBar *>("statusBar");
        QVERIFY(!status || status->currentMessage().isEmpty());

        writeFile(m_spoken, {});
        press(Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(heard() == "Reading aloud is off.", 10000);
    }

    // German comes after English: a catalogue once installed stays.
    void aDrillIsReadAloud_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("on");
        QTest::newRow("English, off") << "en" << false;
        QTest::newRow("English") << "en" << true;
        QTest::newRow("German") << "de" << true;
    }
    void aDrillIsReadAloud()
    {
        QFETCH(QString, language);
        QFETCH(bool, on);
        toolkit::installTranslations(QLocale(language));
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        // Its key turns it on or off wherever the keyboard is. A box saying it cannot read aloud
        // would fail the test.
        toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
        toolkit::speech::setOn(false);
        if (on)
            press(Qt::Key_R, Qt::ControlModifier);
        const auto said = toolkit::dialogs::takeAnsweredBoxes();
        QVERIFY2(said.isEmpty(), qPrintable(said.value(0).text));
        toolkit::dialogs::clearAnswers();
        QCOMPARE(toolkit::speech::isOn(), on);
        QTRY_VERIFY_WITH_TIMEOUT(!on || heard().contains(QCoreApplication::translate(
                                            "toolkit::speech", "Reading aloud is on.")),
                                 10000);
        writeFile(m_spoken, {});

        press(Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QTRY_COMPARE(focused()->objectName(), "txtAnswer");
        auto *box = static_cast<QLineEdit *>(focused());
        const auto expectHeard = [&](const QString &text) {
            QTRY_VERIFY2_WITH_TIMEOUT(!on || heard().contains(text),
                                      qPrintable(heard() + " lacks " + text), 10000);
        };
        for (int round = 0; round < 6; ++round) {
            expectHeard(box->accessibleName()); // the problem, as it was dealt
            const QStringList operands{
                box->parentWidget()->findChild<QLabel *>("lblNumber(0)")->text(),
                box->parentWidget()->findChild<QLabel *>("lblNumber(1)")->text()};
            const QString answer = rightAnswer(drills::Operation::Add, operands);
            QTest::keyClicks(focused(), round == 0 ? "0" : answer);
            press(Qt::Key_Return);
            // The verdict with the correct answer, and at the fifth right answer the praise.
            const QString verdict = focused()->accessibleName();
            QVERIFY(verdict.contains(answer));
            if (round == 5)
                QVERIFY(
                    verdict.contains(box->parentWidget()->findChild<QLabel *>("lblGood")->text()));
            expectHeard(verdict);
            press(Qt::Key_Return);
        }
        auto *score = box->parentWidget()->findChild<QPushButton *>("cmdScore1");
        score->setFocus();
        press(Qt::Key_Space);
        expectHeard(QLocale().toString(5) + " ");

        if (!on) {
            QTest::qWait(1500); // time enough for anything said to arrive
            QCOMPARE(heard(), QString());
        }
    }

private:
    // What was said, each utterance's lines joined: a sentence may arrive in two pieces.
    QString heard() const
    {
        return QString::fromUtf8(bytesOf(m_spoken)).replace(u'\n', u' ').simplified();
    }

    QTemporaryDir m_home;
    QString m_spoken;
    ScratchFolder m_folder;
};

QTEST_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
