// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The drill windows' score menus on the real windows: Save Score appends the record built from the
// summary labels and starts a new count only once it is written; Display opens the drill's file.
#include "answering.h"
#include "controls.h"
#include "filecheck.h"

#include "division/divisionwindow.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "scores/scorewindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/look/appearance.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using drills::Drill;
using drills::DrillWindow;
namespace dialogs = toolkit::dialogs;

namespace {

QByteArray today()
{
    return QDate::currentDate().toString(u"MM/dd/yy").toLatin1();
}

void choose(toolkit::Form *window, const char *item)
{
    menuItem(*window, QString::fromLatin1(item))->trigger();
}

DrillWindow *openScored(const Drill &drill)
{
    auto *window = static_cast<DrillWindow *>(instanceOf(drill).show());
    answerProblems(*window, window->two, 2, false);
    answerProblems(*window, window->two, 8); // the fifth started the animation: three since
    answerProblems(*window, window->three, 2, false);
    answerProblems(*window, window->three, 2);
    QTest::mouseClick(window->findChild<QPushButton *>("cmdScore1"), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton *>("cmdScore"), Qt::LeftButton);
    return window;
}

} // namespace

class TestScoreMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void init()
    {
        m_folder.enter();
        m_window = new shell::mdiSumbrook;
        m_window->showMaximized();
    }

    void cleanup()
    {
        dialogs::clearAnswers();
        scores::frmScore().unload();
        for (const Drill &drill : drilltable::Drills)
            instanceOf(drill).unload();
        delete m_window;
        m_folder.leave();
    }

    // The record is built from the panels as the last Score press left them; the counts then
    // start afresh, the run of right answers towards the animation does not.
    void savingAppendsTheShownScoresAndStartsAfresh_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QByteArray>("operation");
        QTest::newRow("Addition") << &Addition << QByteArray("ADD");
        QTest::newRow("Subtraction") << &Subtraction << QByteArray("SUBTRACT");
        QTest::newRow("Multiplication") << &Multiplication << QByteArray("MULTIPLY");
    }
    void savingAppendsTheShownScoresAndStartsAfresh()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(QByteArray, operation);
        DrillWindow *window = openScored(drill);
        answerProblems(*window, window->two, 1); // after the Score press: not in the record

        dialogs::answerNextInput("Dav");
        saveScoreItem(*window)->trigger();
        QCOMPARE(bytesOf(drill.scores.fileName),
                 "\"Dav On the Day of " + today() + " Got A 80.00% Out of 10 Questions on " +
                     operation + " 2 and 50.00% out of 4 Questions on " + operation +
                     " 3\r\n\"\r\n");
        QCOMPARE(window->two.percent->text(), "");
        QCOMPARE(window->three.percent->text(), "");
        QCOMPARE(window->two.total->text(), "10");
        QCOMPARE(window->three.total->text(), "4");
        QCOMPARE(scoreShown(window->two, control<QPushButton>(*window, "cmdScore1")),
                 QStringList({"0", "1"}));
        QCOMPARE(scoreShown(window->three, control<QPushButton>(*window, "cmdScore")),
                 QStringList({"0", "1"}));
        answerProblem(*window, window->two);
        QVERIFY(window->two.firstTimer->isActive()); // the fifth right one since the last
        QCOMPARE(scoreShown(window->two, control<QPushButton>(*window, "cmdScore1")),
                 QStringList({"1", "1"}));
    }

    void anUnsavedScoreKeepsTheCount_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("name left empty") << true;
        QTest::newRow("file name taken by a folder") << false;
    }
    void anUnsavedScoreKeepsTheCount()
    {
        QFETCH(bool, cancelled);
        DrillWindow *window = openScored(Addition);
        if (cancelled) {
            dialogs::answerNextInput(QString());
        } else {
            QVERIFY(QDir().mkdir("Add.txt"));
            dialogs::answerNextInput("Dav");
            dialogs::answerNextMessage(QMessageBox::Ok);
        }
        choose(window, "mnuitemSaveScore");
        QCOMPARE(dialogs::pendingAnswers(), 0);
        QCOMPARE(window->two.percent->text(), "80.00%");
        QCOMPARE(window->three.percent->text(), "50.00%");
        QCOMPARE(scoreShown(window->two, control<QPushButton>(*window, "cmdScore1")),
                 QStringList({"8", "10"}));
        QCOMPARE(scoreShown(window->three, control<QPushButton>(*window, "cmdScore")),
                 QStringList({"2", "4"}));
    }

    void divisionSavesItsOneExercise()
    {
        auto *window = static_cast<division::DivisionWindow *>(instanceOf(Division).show());
        answerProblems(*window, window->two, 1);
        answerProblems(*window, window->two, 3, false);
        QTest::mouseClick(window->findChild<QPushButton *>("cmdScore1"), Qt::LeftButton);
        dialogs::answerNextInput("Dav");
        choose(window, "mnuitemSaveScore");
        QCOMPARE(bytesOf("Divide.txt"),
                 "\"Dav On the Day of " + today() +
                     " Got A 25.00% Out of 4 Questions on Divide 2 decimal places and \r\n\"\r\n");
        QCOMPARE(window->two.percent->text(), "");
        QCOMPARE(window->two.total->text(), "4");
        QCOMPARE(scoreShown(window->two, control<QPushButton>(*window, "cmdScore1")),
                 QStringList({"0", "1"}));
    }

    void displayShowsTheDrillsOwnFile_data()
    {
        QTest::addColumn<const Drill *>("drill");
        for (const Drill &drill : drilltable::Drills)
            QTest::newRow(drill.name) << &drill;
    }
    void displayShowsTheDrillsOwnFile()
    {
        const Drill &drill = fetchedDrill();
        for (const Drill &each : drilltable::Drills) {
            QFile file(each.scores.fileName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\"") + each.scores.fileName + "\r\n\"\r\n");
        }
        toolkit::Form *window = instanceOf(drill).show();
        choose(window, "mnuItemRetrievScores");
        QVERIFY(scores::frmScore().isLoaded());
        auto *viewer = static_cast<scores::ScoreWindow *>(scores::frmScore().form());
        const QString fileName = drill.scores.fileName;
        QCOMPARE(viewer->txtScore->toPlainText(), "\"" + fileName + "\n\"\n");
        QCOMPARE(viewer->lblPath->text(), fileName);
        // Its title names the drill it shows, for a screen reader too.
        QCOMPARE(viewer->windowTitle(), "Math Scores: " + window->windowTitle().trimmed());
    }

private:
    ScratchFolder m_folder;
    shell::mdiSumbrook *m_window = nullptr;
};

QTEST_MAIN(TestScoreMenus)
#include "tst_scoremenus.moc"
