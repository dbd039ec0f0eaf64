// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its menu, one instance per drill window, menu-bar swapping and closing.
#include "answering.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "scores/scorewindow.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/form.h"
#include "toolkit/look/appearance.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <algorithm>

using drills::DrillWindow;
using shell::mdiSumbrook;

Q_DECLARE_METATYPE(toolkit::WindowInstance *)

namespace {

QStringList menuBarCaptions(const QMainWindow &window)
{
    QStringList captions;
    for (const QAction *a : window.menuBar()->actions())
        captions << a->text();
    return captions;
}

void choose(const mdiSumbrook &window, const char *item)
{
    auto *action = window.findChild<QAction *>(QString::fromLatin1(item));
    QVERIFY2(action, item);
    action->trigger();
}

DrillWindow *openedDrill(const mdiSumbrook &window)
{
    QMdiSubWindow *active = window.mdiArea()->activeSubWindow();
    return active ? qobject_cast<DrillWindow *>(active->widget()) : nullptr;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void cleanup()
    {
        // Every test starts with no drill window loaded.
        for (const Drill *drill : integerDrills()) {
            instanceOf(drill).unload();
            QTRY_VERIFY(!instanceOf(drill).isLoaded());
        }
        for (toolkit::WindowInstance *other : {&instanceOf(Division), &scores::frmScore()}) {
            other->unload();
            QTRY_VERIFY(!other->isLoaded());
        }
    }

    void opensAloneWithItsMenu()
    {
        mdiSumbrook window;
        window.showMaximized();
        QCOMPARE(window.objectName(), "mdiSumbrook");
        QCOMPARE(window.windowTitle(), "Sumbrook");
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(window.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(menuBarCaptions(window), QStringList({"Sumbrook", "About Sumbrook"}));

        auto *list = window.findChild<QMenu *>("mnuSumbrook");
        QVERIFY(list);
        QStringList names, captions;
        for (const QAction *a : list->actions()) {
            names << a->objectName();
            captions << a->text();
        }
        // The drills in the table's order, the design's four first, then Progress and the class,
        // then reading aloud's switch after a separator.
        QStringList drillNames, drillCaptions;
        for (const Drill &drill : drilltable::Drills) {
            drillNames << drill.menuName;
            drillCaptions << drill.menuCaption;
        }
        QCOMPARE(drillNames.first(4), QStringList({"mnuitemAddition", "mnuItemSubtraction",
                                                   "mnuItemMultiplication", "mnuItemDivision"}));
        QCOMPARE(drillCaptions.first(4),
                 QStringList({"Addition", "Subtraction", "Multiplication", "Division"}));
        QCOMPARE(names,
                 drillNames + QStringList({"mnuItemProgress", "mnuItemChangeLearner",
                                           "mnuItemClass", "", "mnuReadAloud", "mnuSayAgain"}));
        QCOMPARE(captions, drillCaptions + QStringList({"Progress", "Change Learner", "Class", "",
                                                        "Read Aloud", "Say It Again"}));
        QVERIFY(window.findChild<QAction *>("mnuAbout"));

        // The drills' signs, for a child who cannot read the captions, are drawn as the menu
        // first opens, not at start.
        const auto signs = [&] {
            return std::ranges::count_if(list->actions(),
                                         [](const QAction *a) { return !a->icon().isNull(); });
        };
        QCOMPARE(signs(), 0);
        list->popup(window.mapToGlobal(QPoint()));
        QTRY_COMPARE(signs(), qsizetype(drilltable::DrillCount));
        list->close();
    }

    // Each drill's item opens its window maximized; choosing it again only activates it.
    void choosingTwiceKeepsTheOneWindowAndItsState_data()
    {
        QTest::addColumn<const Drill *>("drill");
        for (const Drill &drill : drilltable::Drills)
            QTest::newRow(drill.name) << &drill;
    }
    void choosingTwiceKeepsTheOneWindowAndItsState()
    {
        const Drill &drill = fetchedDrill();
        mdiSumbrook window;
        window.showMaximized();
        choose(window, drill.menuName);
        QMdiSubWindow *sub = window.mdiArea()->activeSubWindow();
        QVERIFY(sub && sub->isMaximized());
        QCOMPARE(sub->widget()->objectName(), drill.name);
        auto *box = control<QLineEdit>(*sub->widget(), "txtAnswer");
        box->setText("12");
        const QString problem = control<QLabel>(*sub->widget(), "lblNumber(0)")->text();

        choose(window, drill.menuName);
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(window.mdiArea()->activeSubWindow(), sub);
        QCOMPARE(box->text(), "12");
        QCOMPARE(control<QLabel>(*sub->widget(), "lblNumber(0)")->text(), problem);
    }

    void severalKindsOpenAtOnceEachWithItsState()
    {
        mdiSumbrook window;
        window.showMaximized();
        choose(window, "mnuitemAddition");
        DrillWindow *addition = openedDrill(window);
        answerProblems(*addition, addition->three, 2);
        choose(window, "mnuItemSubtraction");
        choose(window, "mnuItemMultiplication");
        QCOMPARE(window.mdiArea()->subWindowList().size(), 3);
        QCOMPARE(openedDrill(window)->objectName(), "frmMultiplication");
        for (QMdiSubWindow *sub : window.mdiArea()->subWindowList()) {
            window.mdiArea()->setActiveSubWindow(sub);
            QVERIFY(sub->isMaximized());
        }

        choose(window, "mnuitemAddition"); // only activates
        QCOMPARE(openedDrill(window), addition);
        QCOMPARE(scoreShown(addition->three, control<QPushButton>(*addition, "cmdScore")),
                 QStringList({"2", "2"}));
        QCOMPARE(window.mdiArea()->subWindowList().size(), 3);
    }

    void theActiveDrillsMenuReplacesTheFramesMenu()
    {
        mdiSumbrook window;
        window.showMaximized();
        choose(window, "mnuitemAddition");
        QCOMPARE(menuBarCaptions(window), QStringList({" Score"}));
        const QMenu *score = window.menuBar()->actions().first()->menu();
        QCOMPARE(score->objectName(), "mnuScore");
        QStringList items;
        for (const QAction *a : score->actions())
            items << a->objectName() + '=' + a->text();
        QCOMPARE(items,
                 QStringList({"mnuitemSaveScore=Save Score", "mnuItemRetrievScores=Display Scores",
                              "mnuItemProgress=Progress", "=", "mnuReadAloud=Read Aloud",
                              "mnuSayAgain=Say It Again"}));

        choose(window, "mnuitemAddition");
        choose(window, "mnuItemSubtraction");
        QCOMPARE(menuBarCaptions(window), QStringList({"Score"}));

        // Closing the active child hands the bar to the next one, then back to the frame.
        press(*openedDrill(window), "cmdExit");
        QTRY_COMPARE(menuBarCaptions(window), QStringList({" Score"}));
        press(*openedDrill(window), "cmdExit");
        QTRY_COMPARE(menuBarCaptions(window), QStringList({"Sumbrook", "About Sumbrook"}));
    }

    void closingAndReopeningStartsAfresh()
    {
        mdiSumbrook window;
        window.showMaximized();
        choose(window, "mnuItemMultiplication");
        QPointer<DrillWindow> first = openedDrill(window);
        answerProblems(*first, first->two, 4);
        answerProblem(*first, first->two); // the fifth right one starts the animation
        QPointer<QTimer> timer = first->two.firstTimer;
        QVERIFY(timer->isActive());
        QTest::mouseClick(control<QPushButton>(*first, "cmdExit"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        QVERIFY(timer.isNull());
        QVERIFY(!instanceOf(Multiplication).isLoaded());
        QVERIFY(window.mdiArea()->subWindowList().isEmpty());

        choose(window, "mnuItemMultiplication");
        DrillWindow *second = openedDrill(window);
        QVERIFY(second);
        QCOMPARE(scoreShown(second->two, control<QPushButton>(*second, "cmdScore1")),
                 QStringList({"0", "1"})); // nothing answered shows a total of 1
        QVERIFY(!second->two.firstTimer->isActive() && !second->two.secondTimer->isActive());
        QVERIFY(!second->two.operands[0]->text().isEmpty());
    }

    // Every drill's window and the viewer restore to their own client area, with another window
    // open and maximized as a learner would have it.
    void childWindowsRestoreToTheirClientArea_data()
    {
        QTest::addColumn<toolkit::WindowInstance *>("child");
        for (const Drill &drill : drilltable::Drills)
            QTest::newRow(drill.name) << &instanceOf(drill);
        QTest::newRow("frmScore") << &scores::frmScore();
    }
    void childWindowsRestoreToTheirClientArea()
    {
        QFETCH(toolkit::WindowInstance *, child);
        mdiSumbrook window;
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect area = window.mdiArea()->viewport()->rect();
        (child == &instanceOf(Addition) ? instanceOf(Subtraction) : instanceOf(Addition)).show();
        // Twice: a window closed and opened again behaves as the first time.
        for (int opening = 0; opening < 2; ++opening) {
            toolkit::Form *form = child->show();
            const QSize clientArea = form->sizeHint();
            auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
            QVERIFY(frame && frame->isMaximized());
            QCOMPARE(frame->geometry(), area);
            QCOMPARE(form->geometry(), frame->rect());

            frame->showNormal();
            QTRY_COMPARE(form->size(), clientArea);
            QVERIFY(area.contains(frame->geometry().topLeft()));
            QVERIFY(frame->geometry().contains(form->geometry().translated(frame->pos())));
            frame->move(frame->pos() + QPoint(10, 20));
            const QRect restored = frame->geometry();
            frame->showMinimized();
            QTRY_VERIFY(frame->isMinimized());
            frame->showNormal();
            QTRY_COMPARE(frame->geometry(), restored);
            QCOMPARE(form->size(), clientArea);

            // Maximized again, it fills the frame with its layout at the top left.
            frame->showMaximized();
            QTRY_COMPARE(frame->geometry(), area);
            QCOMPARE(form->geometry(), frame->rect());

            child->unload();
            QTRY_VERIFY(!child->isLoaded());
        }
    }

    void theFocusStaysPutAsAWindowChangesState()
    {
        mdiSumbrook window;
        window.showMaximized();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *addition = static_cast<DrillWindow *>(instanceOf(Addition).show());
        auto *frame = qobject_cast<QMdiSubWindow *>(addition->parentWidget());
        addition->two.answerBox->setText("4");
        addition->three.answerBox->setFocus();
        QTest::keyClicks(addition->three.answerBox, "7");
        for (const auto state :
             {Qt::WindowNoState, Qt::WindowMaximized, Qt::WindowMinimized, Qt::WindowNoState}) {
            frame->setWindowState(state);
            if (state == Qt::WindowMinimized)
                continue;
            QCOMPARE(QApplication::focusWidget(), addition->three.answerBox);
            QVERIFY(!addition->two.answerBox->hasSelectedText());
        }
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QCOMPARE(addition->three.answerBox->text(), "71");
        QCOMPARE(addition->two.answerBox->text(), "4");
    }

    // Where the desktop's Close is another key (Ctrl+W on X11), no shortcut takes Ctrl+F4: it
    // comes to the frame as a plain key, from the child's control that has the focus.
    void ctrlF4ClosesTheActiveChildWhereNoShortcutTakesIt()
    {
        mdiSumbrook window;
        window.showMaximized();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        instanceOf(Addition).show();
        toolkit::Form *division = instanceOf(Division).show();
        QTRY_VERIFY(division->isAncestorOf(QApplication::focusWidget()));
        // The child's Close as on X11: the offscreen platform's keys are Windows' own.
        const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
        for (QAction *action :
             qobject_cast<QMdiSubWindow *>(division->parentWidget())->systemMenu()->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            keys.removeAll(ctrlF4);
            action->setShortcuts(keys);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(!instanceOf(Division).isLoaded());
        QVERIFY(instanceOf(Addition).isLoaded());
    }

    void theFramesRestoredClientAreaLiesBelowItsMenuBar()
    {
        mdiSumbrook window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.mdiArea()->size(), QSize(513, 331));
        // A child keeps its own client area when the frame is smaller than it, its title bar in
        // sight.
        toolkit::Form *addition = instanceOf(Addition).show();
        addition->parentWidget()->showNormal();
        QTRY_COMPARE(addition->size(), addition->sizeHint());
        QCOMPARE(addition->parentWidget()->pos(), QPoint(0, 0));
    }

    void closingTheFrameClosesItsChildrenFirst()
    {
        auto *window = new mdiSumbrook;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->showMaximized();
        choose(*window, "mnuitemAddition");
        choose(*window, "mnuItemSubtraction");
        QPointer<DrillWindow> addition = qobject_cast<DrillWindow *>(instanceOf(Addition).form());
        QPointer<mdiSumbrook> frame = window;
        QVERIFY(window->close());
        QTRY_VERIFY(frame.isNull());
        QVERIFY(addition.isNull());
        QVERIFY(!instanceOf(Addition).isLoaded());
        QVERIFY(!instanceOf(Subtraction).isLoaded());
    }

    void aChildThatRefusesToCloseKeepsTheFrameOpen()
    {
        mdiSumbrook window;
        window.showMaximized();
        choose(window, "mnuitemAddition");
        QMdiSubWindow *sub = window.mdiArea()->activeSubWindow();
        struct Refuse : QObject
        {
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() != QEvent::Close)
                    return false;
                e->ignore();
                return true;
            }
        } refuse;
        sub->installEventFilter(&refuse);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(instanceOf(Addition).isLoaded());
        sub->removeEventFilter(&refuse);
    }

    void loadingAheadOfNeedLeavesNoWindowBehind()
    {
        mdiSumbrook window;
        window.showMaximized();
        auto *preload = window.findChild<QTimer *>("tmrPreload");
        QVERIFY(preload);
        QTRY_VERIFY(preload->isActive());  // from the first paint on
        choose(window, "mnuitemAddition"); // before it has finished
        DrillWindow *addition = openedDrill(window);
        QVERIFY(addition);
        answerProblems(*addition, addition->three, 4);

        QTRY_VERIFY(!preload->isActive());
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(openedDrill(window), addition);
        QCOMPARE(scoreShown(addition->three, control<QPushButton>(*addition, "cmdScore")),
                 QStringList({"4", "4"}));
        QVERIFY(addition->isVisible());
        QVERIFY(!instanceOf(Division).isLoaded());
        for (const QWidget *top : QApplication::topLevelWidgets())
            QVERIFY2(!qobject_cast<const toolkit::Form *>(top), qPrintable(top->objectName()));
    }

    void aTopLevelWindowKeepsTheProgramRunning()
    {
        // A parentless top-level window (the About window) outlives the frame.
        auto *window = new mdiSumbrook;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QDialog about;
        about.show();
        bool aboutOutlivedTheFrame = false;
        QTimer::singleShot(0, window, &QWidget::close);
        QTimer::singleShot(200, &about, [&] {
            aboutOutlivedTheFrame = about.isVisible();
            about.close();
        });
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit); // only if closing would not end it
        QElapsedTimer running;
        running.start();
        qApp->exec(); // the program ends when its last window closes
        QVERIFY(aboutOutlivedTheFrame);
        QVERIFY(running.elapsed() < 4000);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
