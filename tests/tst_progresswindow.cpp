// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window on a class folder: opened from the menus, one learner's scores as table and
// chart, saved as CSV and PDF, kept up to date by saves, and never a byte of a score file changed.
#include "controls.h"
#include "drillrows.h"
#include "filecheck.h"

#include "division/divisionwindow.h"
#include "progress/progresswindow.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/dialogs.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
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

private:
    ScratchFolder m_folder;
    std::unique_ptr<shell::mdiSumbrook> m_main;
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
