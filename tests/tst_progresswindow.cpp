// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window on a class folder: opened from the menus, one learner's scores as table and
// chart, saved as CSV and PDF, kept up to date by saves, and never a byte of a score file changed.
#include "controls.h"
#include "drillrows.h"
#include "filecheck.h"

#include "division/divisionwindow.h"
#include "progress/progresswindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/speech/readaloud.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace progress;

namespace {

QByteArray divisionRecord(const char *name, const char *date, const char *percent)
{
    return QByteArray("\"") + name + " On the Day of " + date + " Got A " + percent +
           " Out of 10 Questions on Divide 2 decimal places and \r\n\"\r\n";
}

// Every file of the folder with its bytes and its time of change.
QStringList everything(const QString &folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden); it.hasNext();) {
        const QString path = it.next();
        files << path + u' ' + QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch()) +
                     u' ' + QString::fromLatin1(bytesOf(path).toHex());
    }
    return files;
}

QStringList column(const QTableView *table, int column)
{
    QStringList cells;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        cells << table->model()->index(row, column).data().toString();
    return cells;
}

// What the dynamic loader did while the program started (or, for the tests' own run, until it
// ended), as LD_DEBUG tells it: every file it tried and every library it loaded.
QString loaderLog(const QString &program, const QStringList &arguments, const QString &folder,
                  bool untilStarted)
{
    QProcess run;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_DEBUG", "libs");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("SUMBROOK_PLANTED", folder);
    run.setProcessEnvironment(environment);
    run.setWorkingDirectory(folder);
    run.start(program, arguments);
    QString log;
    const QDeadlineTimer deadline(60000);
    while (run.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        run.waitForReadyRead(100);
        log += QString::fromLocal8Bit(run.readAllStandardError());
        if (untilStarted && log.contains("transferring control"))
            break;
    }
    log += QString::fromLocal8Bit(run.readAllStandardError());
    // The program shows its main window and waits; it has started once control reached it.
    if (untilStarted) {
        QTest::qWait(500);
        log += QString::fromLocal8Bit(run.readAllStandardError());
        run.kill();
    }
    run.waitForFinished();
    if (!untilStarted && (run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0))
        log += "\nexit " + QString::number(run.exitCode()) + u'\n' + run.readAllStandardOutput();
    return log;
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        m_folder.enter();
        writeFile("Divide.txt", divisionRecord("Bob", "03/01/26", "40.00%") +
                                    divisionRecord("Ann", "03/02/26", "90.00%") + "edited\r\n" +
                                    divisionRecord("Bob", "03/04/26", "85.00%") +
                                    divisionRecord("Bob", "03/05/26", ""));
        writeFile("Add.txt", "\"Bob On the Day of 03/03/26 Got A 50.00% Out of 4 Questions on "
                             "ADD 2 and  out of  Questions on ADD 3\r\n\"\r\n");
    }
    void cleanup()
    {
        toolkit::dialogs::clearAnswers();
        m_main.reset();
        m_folder.leave();
    }

    // Opened from the main menu on every drill, then from each drill's Score menu on that drill:
    // one window. Down chooses Bob; his records are the chart's table, its trend in words.
    void showsEachLearnersProgress()
    {
        const QStringList before = everything(QDir::currentPath());
        m_main = std::make_unique<shell::mdiSumbrook>();
        m_main->show();
        m_main->findChild<QAction *>("mnuItemProgress")->trigger();
        auto *window = static_cast<ProgressWindow *>(frmProgress().form());
        QVERIFY(window);
        QCOMPARE(window->lblNotScores->text(), "1 line is not a score.");
        QCOMPARE(column(window->lstLearners, 0), QStringList({"Ann", "Bob"}));
        QCOMPARE(column(window->lstLearners, 1), QStringList({"1", "4"}));
        const int divisionColumn = 3 + exerciseIndex(Division, 0);
        QCOMPARE(window->lstLearners->model()->headerData(divisionColumn, Qt::Horizontal),
                 "Division");
        QCOMPARE(column(window->lstLearners, divisionColumn),
                 QStringList({"90 %, best 90 %", "85 %, best 85 %"}));

        window->lstLearners->setFocus();
        QTest::keyClick(window->lstLearners, Qt::Key_Down);
        QCOMPARE(column(window->grdRecords, 2),
                 QStringList({"40 %", "50 %", "not scored", "85 %", "not scored"}));
        QCOMPARE(window->trend(), "Addition, 2 numbers: 50 % in 1 save; Division: "
                                  "from 40 % to 85 % in 2 saves.");
        QCOMPARE(window->picChart->accessibleDescription(), window->trend());
        QVERIFY2(window->picChart->inherits("QChartView"), "the chart's module was not loaded");

        // Each drill's own Score menu opens it on that drill.
        for (const Drill &drill : drilltable::Drills) {
            menuItem(*instanceOf(drill).show(), "mnuItemProgress")->trigger();
            QCOMPARE(frmProgress().form(), window);
            QCOMPARE(window->cboDrill->currentText(), drill.progressName);
        }
        menuItem(*instanceOf(Division).show(), "mnuItemProgress")->trigger();
        QCOMPARE(frmProgress().form(), window);
        QCOMPARE(window->cboDrill->currentText(), "Division");
        QCOMPARE(column(window->grdRecords, 0), QStringList({"3/1/26", "3/4/26", "3/5/26"}));

        // Saved by the teacher, elsewhere: the window's own folder stays untouched.
        QTemporaryDir out;
        QVERIFY(window->saveTable(out.filePath("bob.csv")));
        QCOMPARE(bytesOf(out.filePath("bob.csv")),
                 "\xef\xbb\xbfLearner,Date,Exercise,Percentage,Questions\r\n"
                 "Bob,2026-03-01,Division,40,10\r\nBob,2026-03-04,Division,85,10\r\n"
                 "Bob,2026-03-05,Division,,10\r\n");
        QVERIFY(window->savePdf(out.filePath("bob.pdf")));
        QVERIFY(bytesOf(out.filePath("bob.pdf")).startsWith("%PDF"));

        QCOMPARE(everything(QDir::currentPath()), before);

        // A save while it is open shows; Bob stays chosen.
        toolkit::dialogs::answerNextInput("Bob");
        QVERIFY(scores::saveScore(nullptr, Division.scores, {"100.00%", "5"}, QDate(2026, 3, 6)));
        QTRY_COMPARE(column(window->grdRecords, 2).last(), "100 %");
        QCOMPARE(window->trend(), "Division: from 40 % to 100 % in 3 saves.");
    }

    // A learner's name is the pupil's to choose: in the table no cell of it makes a spreadsheet
    // run anything, and the proposed file name, in the teacher's documents, holds no character
    // a shell or the file box reads. A file that cannot be written is said so.
    void exportsTakeNoOrdersFromAName_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("a command") << QByteArray("=cmd|' /C calc'!A0")
                                   << QByteArray("'=cmd|' /C calc'!A0") << "cmd__ _C calc__A0";
        QTest::newRow("a sum") << QByteArray("+1+1") << QByteArray("'+1+1") << "1_1";
        QTest::newRow("a function") << QByteArray("@SUM(1)") << QByteArray("'@SUM(1)") << "SUM_1_";
        QTest::newRow("a link, quoted for its comma")
            << QByteArray("=HYPERLINK(\"http://x\",\"y\")")
            << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"")
            << "HYPERLINK__http___x___y__";
        QTest::newRow("a minus") << QByteArray("-2+3") << QByteArray("'-2+3") << "2_3";
        QTest::newRow("a tab, a blank once read")
            << QByteArray("\tMia") << QByteArray(" Mia") << "Mia";
        QTest::newRow("a shell command")
            << QByteArray("Mia;id>~/pwned-by-csv;#") << QByteArray("Mia;id>~/pwned-by-csv;#")
            << "Mia_id___pwned-by-csv__";
        QTest::newRow("a folder above")
            << QByteArray("../../.bashrc") << QByteArray("../../.bashrc") << "bashrc";
    }
    void exportsTakeNoOrdersFromAName()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, cell);
        QFETCH(QString, proposed);
        writeFile("Divide.txt", divisionRecord(name.constData(), "03/01/26", "40.00%"));
        QFile::remove("Add.txt");
        m_main = std::make_unique<shell::mdiSumbrook>();
        m_main->findChild<QAction *>("mnuItemProgress")->trigger();
        auto *window = static_cast<ProgressWindow *>(frmProgress().form());
        window->lstLearners->setCurrentIndex(window->lstLearners->model()->index(0, 0));

        QTemporaryDir out;
        QVERIFY(window->saveTable(out.filePath("table.csv")));
        QCOMPARE(bytesOf(out.filePath("table.csv")).split('\n').value(1),
                 cell + ",2026-03-01,Division,40,10\r");

        // The teacher's documents, in a home of the test's own.
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        QVERIFY(QDir(home.path()).mkdir("Documents"));
        QString shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                shown = box->selectedFiles().value(0);
                box->reject();
            }
        });
        answer.start(10);
        window->cmdSaveTable->click();
        qputenv("HOME", realHome);
        QCOMPARE(shown, home.filePath("Documents/" + proposed + ".csv"));

        toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
        QVERIFY(!window->savePdf(out.filePath("no such folder/table.pdf")));
        QCOMPARE(toolkit::dialogs::takeAnsweredBoxes().value(0).text,
                 "\"" + out.filePath("no such folder/table.pdf") +
                     "\" could not be saved. Its folder \"" + out.filePath("no such folder") +
                     "\" is no longer there.");
    }

    // A pupil copies libraries named as the program's into the class folder, and the teacher
    // starts Sumbrook there, opens Progress and turns reading aloud on: not one of them is even
    // tried, let alone loaded. The modules are loaded in this test's own run, started there.
    void plantedLibrariesAreNeverLoaded()
    {
        if (const QString planted = qEnvironmentVariable("SUMBROOK_PLANTED"); !planted.isEmpty()) {
            QVERIFY(QDir::setCurrent(planted));
            m_main = std::make_unique<shell::mdiSumbrook>();
            m_main->findChild<QAction *>("mnuItemProgress")->trigger();
            QVERIFY(frmProgress().form()->findChild<QWidget *>("picChart")->inherits("QChartView"));
            toolkit::dialogs::answerNextMessage(QMessageBox::Ok); // where there is no voice
            toolkit::speech::setOn(true);
            toolkit::speech::say("1");
            QTRY_VERIFY(bytesOf("/proc/self/maps").contains("libsumbrook_speech.so"));
            toolkit::speech::setOn(false);
            return;
        }
        const QString libraries = QLibraryInfo::path(QLibraryInfo::LibrariesPath);
        for (const char *name :
             {"libacl.so.1", "libQt6Core.so.6", "libQt6Gui.so.6", "libQt6Widgets.so.6",
              "libQt6Svg.so.6", "libQt6Charts.so.6", "libQt6TextToSpeech.so.6", "libc.so.6"}) {
            QFile real(QDir(libraries).filePath(name));
            if (!real.exists())
                real.setFileName(QDir("/lib/x86_64-linux-gnu").filePath(name));
            QVERIFY2(real.copy(name), name);
        }
        const QString planted = QDir::currentPath();
        for (const QString &log : {loaderLog(SUMBROOK, {}, planted, true),
                                   loaderLog(QCoreApplication::applicationFilePath(),
                                             {"plantedLibrariesAreNeverLoaded"}, planted, false)}) {
            QVERIFY2(log.contains("libacl.so.1"), qPrintable(log.right(2000)));
            QVERIFY2(!log.contains("\nexit "), qPrintable(log.right(2000)));
            // The loader names a file found through an empty entry by its name alone.
            static const QRegularExpression tried(QStringLiteral("trying file=(?!/)"));
            qsizetype at = log.indexOf(tried);
            if (at < 0)
                at = log.indexOf(planted + u'/');
            QVERIFY2(at < 0, qPrintable(log.mid(std::max<qsizetype>(0, at - 300), 600)));
        }
    }

private:
    ScratchFolder m_folder;
    std::unique_ptr<shell::mdiSumbrook> m_main;
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
