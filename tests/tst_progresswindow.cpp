// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window on a class folder: opened from the menus, the class at a glance and one
// learner's scores in a period, saved as CSV and PDF, kept up to date by saves, and never a byte of
// a score file changed; a teacher's four questions answered against the folder's own truth.
#include "classfolder.h"
#include "controls.h"
#include "drillrows.h"
#include "filecheck.h"
#include "heard.h"

#include "progress/chartpaint.h"
#include "progress/progresswindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/speech/readaloud.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDateEdit>
#include <QDeadlineTimer>
#include <QDirIterator>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

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

int columnNamed(const QTableView *table, const QString &heading)
{
    for (int c = 0; c < table->model()->columnCount(); ++c) {
        if (table->model()->headerData(c, Qt::Horizontal).toString() == heading)
            return c;
    }
    return -1;
}

// Chooses an entry of a list box by keys, as a teacher would: the box takes the keyboard, Home,
// then Down until the entry shows.
void choose(QComboBox *box, const QString &entry)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < box->count() && box->currentText() != entry; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentText(), entry);
}

QString percent(double value)
{
    return QString::number(value, 'f', 1) + u'%';
}

// The Progress window, once it has read the folder.
ProgressWindow *readProgress()
{
    auto *window = static_cast<ProgressWindow *>(frmProgress().form());
    if (!window || !QTest::qWaitFor([window] { return !window->reading(); }))
        qFatal("The Progress window has not read its folder");
    return window;
}

// The period since the date, chosen as a teacher does, and read.
void showSince(ProgressWindow *window, QDate date)
{
    choose(window->cboPeriod, "Since…");
    window->datSince->setFocus();
    window->datSince->setDate(date);
    QTRY_VERIFY(!window->reading());
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
    // one window. The class table first; Down chooses Bob, whose records are the chart's table,
    // his periods compared in words.
    void showsEachLearnersProgress()
    {
        const QStringList before = everything(QDir::currentPath());
        ProgressWindow *window = openProgress();
        QCOMPARE(window->lblNotScores->text(), "Divide.txt: 1 line is not a score.");
        {
            // A choice made by the arrow keys is said; the table tabbed onto says its row.
            Heard heard;
            showSince(window, QDate(2026, 3, 1));
            QVERIFY(heard.announced.contains("Since…"));
            window->lstLearners->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(heard.focusNames.contains("Ann"));
        }
        QCOMPARE(column(window->lstLearners, 0), QStringList({"Ann", "Bob", "Class average"}));
        const int division = columnNamed(window->lstLearners, "Division");
        QVERIFY(division > 0);
        QCOMPARE(column(window->lstLearners, division),
                 QStringList({"90.0% (9 of 10)", "65.0% (13 of 20)", "73.3% (22 of 30)"}));
        QCOMPARE(column(window->lstLearners, columnNamed(window->lstLearners, "Days practised")),
                 QStringList({"1", "4", "2.5"}));

        window->lstLearners->setFocus();
        QTest::keyClick(window->lstLearners, Qt::Key_Down);
        QCOMPARE(column(window->grdRecords, 2),
                 QStringList({"40%", "50%", "no percentage", "85%", "no percentage"}));
        QCOMPARE(column(window->grdRecords, 3),
                 QStringList({"4 of 10", "2 of 4", "", "9 of 10", "10"}));
        QCOMPARE(window->trend(), "Addition: 50.0% (2 of 4) in 1 save, none the period before; "
                                  "Division: 65.0% (13 of 20) in 3 saves, none the period before.");
        QCOMPARE(window->picChart->accessibleDescription(), window->trend());

        // Each drill's own Score menu opens it on that drill.
        for (const Drill &drill : drilltable::Drills) {
            menuItem(*instanceOf(drill).show(), "mnuItemProgress")->trigger();
            QCOMPARE(frmProgress().form(), window);
            QCOMPARE(window->cboDrill->currentText(), drill.progressName);
        }
        menuItem(*instanceOf(Division).show(), "mnuItemProgress")->trigger();
        QTRY_VERIFY(!window->reading());
        QCOMPARE(column(window->grdRecords, 0), QStringList({"3/1/26", "3/4/26", "3/5/26"}));

        // Saved by the teacher, elsewhere: the window's own folder stays untouched.
        QTemporaryDir out;
        window->tabViews->setCurrentIndex(1);
        {
            Heard heard;
            QVERIFY(window->saveTable(out.filePath("bob.csv")));
            QCOMPARE(heard.announced,
                     QStringList{"Saved bob.csv in " + QDir::toNativeSeparators(out.path())});
        }
        QCOMPARE(bytesOf(out.filePath("bob.csv")),
                 "\xef\xbb\xbfLearner,Date,Exercise,Percentage,Right answers,Questions,Level\r\n"
                 "Bob,2026-03-01,Division,40.00,4,10,\r\nBob,2026-03-04,Division,85.00,9,10,\r\n"
                 "Bob,2026-03-05,Division,,,10,\r\n");
        // In German: cells apart by ";", the decimal comma, a name with a comma unquoted.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(window->tableBytes().contains("\r\nBob;2026-03-01;Division;40,00;4;10;\r\n"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(window->savePdf(out.filePath("bob.pdf")));
        QVERIFY(bytesOf(out.filePath("bob.pdf")).startsWith("%PDF"));

        QCOMPARE(everything(QDir::currentPath()), before);

        // A week without scores: an empty chart on this week's days, not on 1970's.
        choose(window->cboPeriod, "This week");
        QTRY_VERIFY(!window->reading());
        QCOMPARE(window->trend(), "No scores in this period.");
        QVERIFY(window->picChart->picture().exercises.empty());
        QCOMPARE(window->picChart->picture().period.to, QDate::currentDate());
        showSince(window, QDate(2026, 3, 1));

        // A save while it is open shows; Bob stays chosen.
        toolkit::dialogs::answerNextInput("Bob");
        QVERIFY(scores::saveScore(nullptr, Division.scores, {"100.00%", "5"}, QDate(2026, 3, 6)));
        QTRY_COMPARE(column(window->grdRecords, 2).last(), "100%");
        QCOMPARE(window->trend(), "Division: 72.0% (18 of 25) in 4 saves, none the period before.");
    }

    // A file beyond the read limit (lowered here, so that 1.5 MB is beyond it) is read up to it:
    // every record before the limit is kept, and the sizes are said in MB.
    void readsATooLargeFileUpToItsLimit()
    {
        const QByteArray record = "\"Cy On the Day of 03/02/26 Got A 50.00% Out of 4 Questions on "
                                  "ADD 2 and  out of  Questions on ADD 3\r\n\"\r\n";
        constexpr qint64 Limit = 1'000'000;
        QByteArray bytes;
        int kept = 0;
        while (bytes.size() < 1'500'000) {
            bytes += record;
            kept += bytes.size() <= Limit;
        }
        writeFile("Add.txt", bytes);
        showProgress();
        ProgressWindow *window = readProgress();
        window->readLimit = Limit;
        window->showFolder(QDir::currentPath());
        showSince(window, QDate(2026, 3, 1));
        QCOMPARE(window->lblNotScores->text(),
                 "Add.txt: it holds 1.5 MB; the first 1.0 MB were read. "
                 "Divide.txt: 1 line is not a score.");
        const int addition = columnNamed(window->lstLearners, "Addition");
        QCOMPARE(column(window->lstLearners, 0).indexOf("Cy"), 2);
        QCOMPARE(column(window->lstLearners, addition).at(2),
                 QStringLiteral("50.0% (%1 of %2)")
                     .arg(QLocale().toString(2 * kept), QLocale().toString(4 * kept)));
        frmProgress().unload();
    }

    // A teacher's four questions about a class of 24 over three months, each in a few steps,
    // against what the folder's maker worked out.
    void answersTheTeachersFourQuestions()
    {
        const classfolder::Truth truth =
            classfolder::write(QDir::currentPath(), QDate::currentDate());
        QVERIFY(truth.records > 1400 && truth.records < 1700);
        ProgressWindow *window = openProgress();
        QTableView *table = window->lstLearners;
        const int learners = int(truth.pupils.size());
        // Every pupil a row, Noah who never saved too; the guest apart, the average between.
        QCOMPARE(column(table, 0).mid(0, learners), truth.pupils);
        QCOMPARE(column(table, 0).mid(learners),
                 QStringList({"Class average", "Gast (not in the class)"}));

        // "Who has not practised this week?": this week, sorted by the days practised.
        choose(window->cboPeriod, "This week");
        QTRY_VERIFY(!window->reading());
        const int days = columnNamed(table, "Days practised");
        QStringList idle;
        for (int row = 0; row < learners; ++row) {
            if (table->model()->index(row, days).data().toString() == u"0")
                idle << table->model()->index(row, 0).data().toString();
        }
        QCOMPARE(idle, truth.notThisWeek);

        // "Did the class improve in Division this month?": the class average row.
        choose(window->cboDrill, "Division");
        choose(window->cboPeriod, "This month");
        QTRY_VERIFY(!window->reading());
        const QStringList average = {table->model()->index(learners, 1).data().toString(),
                                     table->model()->index(learners, 2).data().toString()};
        QVERIFY2(average[0].startsWith(percent(truth.divisionNow)), qPrintable(average[0]));
        QVERIFY2(average[1].contains(truth.divisionNow > truth.divisionBefore ? "up" : "down"),
                 qPrintable(average[1]));

        // "Which three children need help with Multiplication?": the school year, lowest first.
        choose(window->cboDrill, "Multiplication");
        choose(window->cboPeriod, "The school year");
        QTRY_VERIFY(!window->reading());
        const int multiplication = columnNamed(table, "Multiplication");
        QHeaderView *header = table->horizontalHeader();
        for (int click = 0; click < 3 && (header->sortIndicatorSection() != multiplication ||
                                          header->sortIndicatorOrder() != Qt::AscendingOrder);
             ++click)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(multiplication) + 5, 5));
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        // Noah, who never saved, stands first with nothing; the three after him.
        QCOMPARE(column(table, 0).mid(1, 3), truth.needHelp);

        // "How is Mia doing in Subtraction since October?": her row, her period in words.
        choose(window->cboDrill, "Subtraction");
        showSince(window, truth.since);
        table->setFocus();
        table->setCurrentIndex(table->model()->index(column(table, 0).indexOf(truth.mia), 0));
        QVERIFY(window->trend().startsWith(
            "Subtraction: " + percent(100.0 * truth.miaRight / truth.miaQuestions) + " (" +
            QString::number(truth.miaRight) + " of " + QString::number(truth.miaQuestions) + ")"));
        window->tabViews->setCurrentIndex(1);
        QVERIFY(!window->picChart->picture().exercises.empty());
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
        QTest::newRow("a tab, a blank once read, then trimmed")
            << QByteArray("\tMia") << QByteArray("Mia") << "Mia";
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
        ProgressWindow *window = openProgress();
        showSince(window, QDate(2026, 3, 1));
        window->lstLearners->setCurrentIndex(window->lstLearners->model()->index(0, 0));

        // The class table and the learner's records alike.
        QTemporaryDir out;
        QVERIFY(window->saveTable(out.filePath("class.csv")));
        QVERIFY2(bytesOf(out.filePath("class.csv")).split('\n').value(1).startsWith(cell + ",yes,"),
                 bytesOf(out.filePath("class.csv")).constData());
        window->tabViews->setCurrentIndex(1);
        QVERIFY(window->saveTable(out.filePath("table.csv")));
        QCOMPARE(bytesOf(out.filePath("table.csv")).split('\n').value(1),
                 cell + ",2026-03-01,Division,40.00,4,10,\r");

        // The teacher's documents, in a home of the test's own.
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        QVERIFY(QDir(home.path()).mkdir("Documents"));
        QString shown;
        whenModal([&](QWidget *box) {
            shown = qobject_cast<QFileDialog *>(box)->selectedFiles().value(0);
            qobject_cast<QFileDialog *>(box)->reject();
        });
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

    // In German the cells are apart by ";": a fall in points, "-50,0", stays a number, while a
    // name that begins like a formula is still neutralised, and quoted where it holds a ";".
    void aFallStaysANumberWhereCellsAreApartBySemicolons()
    {
        writeFile("Divide.txt", divisionRecord("-1;2", "02/10/26", "90.00%") +
                                    divisionRecord("-1;2", "03/02/26", "40.00%"));
        QFile::remove("Add.txt");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto english = qScopeGuard(
            [] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); });
        showProgress();
        ProgressWindow *window = readProgress();
        showSince(window, QDate(2026, 3, 1));
        const QList<QByteArray> lines = window->tableBytes().split('\n');
        QVERIFY2(lines.value(1).startsWith("\"'-1;2\";yes;;;;;;;;;;;;;40,0;4;10;-50,0;"),
                 lines.value(1).constData());
        frmProgress().unload();
    }

    // A pupil copies libraries named as the program's into the class folder, and the teacher
    // starts Sumbrook there, opens Progress and turns reading aloud on: not one of them is even
    // tried, let alone loaded. The speech module is loaded in this test's own run, started there.
    void plantedLibrariesAreNeverLoaded()
    {
        if (const QString planted = qEnvironmentVariable("SUMBROOK_PLANTED"); !planted.isEmpty()) {
            QVERIFY(QDir::setCurrent(planted));
            QVERIFY(openProgress()->findChild<QWidget *>("picChart"));
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
              "libQt6Svg.so.6", "libQt6TextToSpeech.so.6", "libc.so.6"}) {
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
    // Progress opened from the main window's menu, once it has read the folder.
    ProgressWindow *openProgress()
    {
        m_main = std::make_unique<shell::mdiSumbrook>();
        m_main->show();
        menuItem(*m_main, "mnuItemProgress")->trigger();
        return readProgress();
    }

    ScratchFolder m_folder;
    std::unique_ptr<shell::mdiSumbrook> m_main;
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
