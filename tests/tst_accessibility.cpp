// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears of every window (names, descriptions, announcements), and the whole
// program driven from the keyboard alone: the menu by F10 or Alt, every problem answered by typing.
#include "about/aboutwindow.h"
#include "division/divisionwindow.h"
#include "drills/drillwindow.h"
#include "drills/drillwindows.h"
#include "drills/exercise.h"
#include "scores/scorewindow.h"
#include "shell/mdisumbrook.h"
#include "toolkit/accessibility.h"
#include "toolkit/appearance.h"
#include "toolkit/form.h"
#include "toolkit/random.h"
#include "toolkit/shape.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using drills::Drill;
using drills::DrillWindow;

Q_DECLARE_METATYPE(drills::Drill)

namespace {

QString spoken(QObject *object, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

QString nameOf(QObject *object)
{
    return spoken(object, QAccessible::Name);
}

QString descriptionOf(QObject *object)
{
    return spoken(object, QAccessible::Description);
}

QWidget *focused()
{
    return QApplication::focusWidget();
}

// Every control a user meets has something to say: buttons, boxes and texts by name; a picture
// once it shows one.
void checkEverythingNamed(QWidget *form)
{
    QVERIFY2(!nameOf(form).isEmpty(), qPrintable(form->objectName()));
    for (QWidget *w : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<toolkit::Shape *>(w) || !w->isVisibleTo(form))
            continue;
        auto *label = qobject_cast<QLabel *>(w);
        if (label && label->text().isEmpty() && label->pixmap().isNull())
            continue; // an empty score value or a picture before the first answer
        QVERIFY2(!nameOf(w).isEmpty(), qPrintable(w->objectName()));
        if (qobject_cast<QPushButton *>(w) || qobject_cast<QLineEdit *>(w) ||
            qobject_cast<QPlainTextEdit *>(w))
            QVERIFY2(!descriptionOf(w).isEmpty(), qPrintable(w->objectName()));
    }
}

QString answerFor(DrillWindow *w, bool three)
{
    QStringList operands;
    if (three) {
        for (int i = 0; i < 3; ++i)
            operands << w->lblnumber2[i]->text();
    } else {
        operands << w->lblNumber[0]->text() << w->lblNumber[1]->text();
    }
    return drills::Exercise(drills::operationOf(w->drill()), drills::Face::Smiling)
        .correctText(operands);
}

// Opens the first menu with F10 or Alt, walks down to the item and chooses it with Enter.
void chooseByKeyboard(QMainWindow &main, const QString &item, bool f10)
{
    QWidget *start = focused() ? focused() : &main;
    if (f10) {
        QTest::keyClick(start, Qt::Key_F10);
    } else {
        QTest::keyClick(start, Qt::Key_Alt, Qt::AltModifier);
        QTRY_VERIFY(main.menuBar()->hasFocus());
        QTest::keyClick(main.menuBar(), Qt::Key_Down);
    }
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    auto *menu = static_cast<QMenu *>(QApplication::activePopupWidget());
    for (int i = 0; i < 6 && (!menu->activeAction() || menu->activeAction()->objectName() != item);
         ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QCOMPARE(menu->activeAction()->objectName(), item);
    QTest::keyClick(menu, Qt::Key_Return);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        toolkit::installFontSubstitutes();
        toolkit::setAnnouncementListener(
            [this](QWidget *w) { m_announced << w->objectName() + QLatin1Char('=') + nameOf(w); });
    }

    void init() { m_announced.clear(); }

    void cleanup()
    {
        toolkit::RandomSource::instance().clearSupplied();
        for (const auto drill : drills::AllDrills) {
            drills::drillWindow(drill).unload();
            QTRY_VERIFY(!drills::drillWindow(drill).isLoaded());
        }
        division::frmDivision().unload();
        QTRY_VERIFY(!division::frmDivision().isLoaded());
        about::frmAbout().unload();
    }

    void drillTilesAndAnswerBoxes_data()
    {
        QTest::addColumn<Drill>("drill");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Addition") << Drill::Addition << "Addition";
        QTest::newRow("Subtraction") << Drill::Subtraction << "Subtraction";
        QTest::newRow("Multiplication") << Drill::Multiplication << "Multiplication";
    }
    void drillTilesAndAnswerBoxes()
    {
        QFETCH(Drill, drill);
        QFETCH(QString, caption);
        DrillWindow w(drill);
        w.Form_Load();
        QCOMPARE(nameOf(&w), caption);

        const std::pair<QLabel *, const char *> tiles[] = {
            {w.lblNumber[0], "first number of the two-number problem"},
            {w.lblNumber[1], "second number of the two-number problem"},
            {w.lblnumber2[0], "first number of the three-number problem"},
            {w.lblnumber2[1], "second number of the three-number problem"},
            {w.lblnumber2[2], "third number of the three-number problem"},
        };
        for (const auto &[tile, description] : tiles) {
            QVERIFY(!tile->text().isEmpty());
            QCOMPARE(nameOf(tile), tile->text());
            QCOMPARE(descriptionOf(tile), QString::fromLatin1(description));
        }
        QCOMPARE(nameOf(w.txtAnswer), "answer to the two-number problem");
        QCOMPARE(nameOf(w.txtNumber2), "answer to the three-number problem");

        // The names follow the numbers through a new problem.
        toolkit::RandomSource::instance().supply({0.5f, 0.0f, 0.99f, 0.3f, 0.7f});
        w.cmdReset_Click();
        w.cmdReset1_Click();
        for (const auto &[tile, description] : tiles)
            QCOMPARE(nameOf(tile), tile->text());

        const std::pair<QLabel *, const char *> counts[] = {
            {w.lblCorrectA, "number of right answers to the two-number problem"},
            {w.lblTotalA, "number of two-number problems answered"},
            {w.lblPercentA, "percentage of right answers to the two-number problem"},
            {w.lblCorrect, "number of right answers to the three-number problem"},
            {w.lblTotal, "number of three-number problems answered"},
            {w.lblPersent, "percentage of right answers to the three-number problem"},
        };
        w.cmdScore1_Click();
        w.cmdScore_Click();
        for (const auto &[label, description] : counts) {
            QCOMPARE(descriptionOf(label), QString::fromLatin1(description));
            QCOMPARE(nameOf(label), label->text());
        }
        QCOMPARE(nameOf(w.lblTotalA), "1");
        checkEverythingNamed(&w);
    }

    void divisionTilesAndAnswerBox()
    {
        division::DivisionWindow w;
        w.Form_Load();
        QCOMPARE(nameOf(&w), "Division");
        QCOMPARE(nameOf(w.lblNumber[0]), w.lblNumber[0]->text());
        QCOMPARE(descriptionOf(w.lblNumber[0]), "number to divide");
        QCOMPARE(nameOf(w.lblNumber[1]), w.lblNumber[1]->text());
        QCOMPARE(descriptionOf(w.lblNumber[1]), "number to divide by");
        QCOMPARE(nameOf(w.txtAnswer), "answer, to two decimal places");
        QCOMPARE(descriptionOf(w.lblPercentA), "percentage of right answers");
        w.txtAnswer->setText(QStringLiteral("x"));
        w.cmdAnswer_Click();
        QCOMPARE(nameOf(w.imgImage), "wrong: frowning face");
        QCOMPARE(nameOf(w.lblNumber[2]), w.lblNumber[2]->text());
        checkEverythingNamed(&w);
    }

    void feedbackPictureSaysTheVerdictAndTheFace_data()
    {
        QTest::addColumn<bool>("three");
        QTest::addColumn<QString>("rightFace");
        QTest::newRow("two numbers") << false << "smiling face";
        QTest::newRow("three numbers") << true << "laughing face";
    }
    void feedbackPictureSaysTheVerdictAndTheFace()
    {
        QFETCH(bool, three);
        QFETCH(QString, rightFace);
        DrillWindow w(Drill::Multiplication);
        w.Form_Load();
        w.show();
        QLineEdit *box = three ? w.txtNumber2 : w.txtAnswer;
        QLabel *picture = three ? w.imgAnswer : w.imgImage;
        QLabel *praise = three ? w.lblGood1 : w.lblGood;
        const auto answer = [&](bool right) {
            box->setText(right ? answerFor(&w, three) : QStringLiteral("-1"));
            three ? w.cmdAnswer1_Click() : w.cmdAnswer_Click();
        };
        const auto reset = [&] { three ? w.cmdReset1_Click() : w.cmdReset_Click(); };
        const QString pictureName = picture->objectName();

        answer(false);
        QCOMPARE(nameOf(picture), "wrong: frowning face");
        QCOMPARE(m_announced, QStringList{pictureName + "=wrong: frowning face"});
        for (int i = 0; i < 4; ++i) {
            reset();
            answer(true);
            QCOMPARE(nameOf(picture), "right: " + rightFace);
        }
        QCOMPARE(m_announced.size(), 5);
        QVERIFY(praise->isHidden());

        // The fifth right answer: the picture keeps its face until the animation starts, and the
        // praise is announced once, when it appears.
        reset();
        answer(true);
        QCOMPARE(nameOf(picture), "right: " + rightFace);
        const auto tick = [&](bool first) {
            if (three)
                first ? w.Timer3_Timer() : w.Timer4_Timer();
            else
                first ? w.Timer1_Timer() : w.Timer2_Timer();
        };
        const QStringList steps{"face with a straight mouth", "smiling face", "laughing face",
                                "laughing face with a nose"};
        for (int i = 0; i < 4; ++i) {
            tick(i % 2 == 0);
            QCOMPARE(nameOf(picture), "right: " + steps[i]);
        }
        QVERIFY(praise->isVisible());
        QCOMPARE(m_announced.mid(6), QStringList{praise->objectName() + "=You are good."});
        QCOMPARE(nameOf(praise), "You are good.");
    }

    void viewerAndAboutWindow()
    {
        shell::mdiSumbrook main;
        main.show();
        auto *viewer = static_cast<scores::ScoreWindow *>(scores::frmScore().show());
        QCOMPARE(nameOf(viewer), "Math Scores");
        QCOMPARE(nameOf(viewer->txtScore), "scores");
        QVERIFY(descriptionOf(viewer->txtScore).contains("saved"));
        checkEverythingNamed(viewer);
        scores::frmScore().unload();
        QTRY_VERIFY(!scores::frmScore().isLoaded());

        auto *about = static_cast<about::AboutWindow *>(about::frmAbout().show());
        QCOMPARE(nameOf(about), "About Sumbrook");
        QCOMPARE(nameOf(about->cmdOK), "OK");
        QCOMPARE(nameOf(about->cmdSysInfo), "System Info...");
        QCOMPARE(nameOf(about->lblVersion), about->lblVersion->text());
        QCOMPARE(nameOf(about->control<QLabel>("picIcon")), "Sumbrook icon");
        checkEverythingNamed(about);
    }

    void menusOpenEveryWindowFromTheKeyboard_data()
    {
        QTest::addColumn<bool>("f10");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        for (const bool f10 : {true, false}) {
            const char *key = f10 ? "F10" : "Alt";
            QTest::addRow("%s Addition", key) << f10 << "mnuitemAddition"
                                              << "frmAddition";
            QTest::addRow("%s Subtraction", key) << f10 << "mnuItemSubtraction"
                                                 << "frmSubtraction";
            QTest::addRow("%s Multiplication", key) << f10 << "mnuItemMultiplication"
                                                    << "frmMultiplication";
            QTest::addRow("%s Division", key) << f10 << "mnuItemDivision"
                                              << "frmDivision";
        }
    }
    void menusOpenEveryWindowFromTheKeyboard()
    {
        QFETCH(bool, f10);
        QFETCH(QString, item);
        QFETCH(QString, window);
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        chooseByKeyboard(main, item, f10);
        QMdiSubWindow *active = main.mdiArea()->activeSubWindow();
        QVERIFY(active);
        QCOMPARE(active->widget()->objectName(), window);
        // The keyboard lands in the answer box, ready for typing.
        QTRY_VERIFY(qobject_cast<QLineEdit *>(focused()));

        // Ctrl+F4 closes the child, and the frame's menu comes back for the next window.
        QTest::keyClick(focused(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(main.mdiArea()->subWindowList().isEmpty());
        QCOMPARE(main.menuBar()->actions().value(0)->text(), "Sumbrook");
    }

    // The list opens with its first item chosen, so Enter alone opens it, as the highlight says.
    void enterRightAfterOpeningTheMenuChoosesTheFirstItem_data()
    {
        QTest::addColumn<bool>("f10");
        QTest::newRow("F10") << true;
        QTest::newRow("Alt, Down") << false;
    }
    void enterRightAfterOpeningTheMenuChoosesTheFirstItem()
    {
        QFETCH(bool, f10);
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        if (f10) {
            QTest::keyClick(&main, Qt::Key_F10);
        } else {
            QTest::keyClick(&main, Qt::Key_Alt, Qt::AltModifier);
            QTRY_VERIFY(main.menuBar()->hasFocus());
            QTest::keyClick(main.menuBar(), Qt::Key_Down);
        }
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = static_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu->activeAction());
        QCOMPARE(menu->activeAction()->objectName(), "mnuitemAddition");
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(drills::frmAddition().isLoaded());
        drills::frmAddition().unload();
        QTRY_VERIFY(!drills::frmAddition().isLoaded());
    }

    void aboutOpensAndClosesFromTheKeyboard()
    {
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        // From the open list, Right moves to the bar's next entry, the About command.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTRY_COMPARE(main.menuBar()->activeAction()->objectName(), "mnuAbout");
        QTest::keyClick(main.menuBar(), Qt::Key_Return);
        QTRY_VERIFY(about::frmAbout().isLoaded());
        auto *about = about::frmAbout().form();
        QTRY_VERIFY(QTest::qWaitForWindowActive(about));
        QTRY_COMPARE(focused(), about->control<QWidget>("cmdOK"));
        QTest::keyClick(focused(), Qt::Key_Return);
        QTRY_VERIFY(!about::frmAbout().isLoaded());
    }

    void everyProblemAnsweredByTyping_data()
    {
        QTest::addColumn<Drill>("drill");
        QTest::newRow("Addition") << Drill::Addition;
        QTest::newRow("Subtraction") << Drill::Subtraction;
        QTest::newRow("Multiplication") << Drill::Multiplication;
    }
    void everyProblemAnsweredByTyping()
    {
        QFETCH(Drill, drill);
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto *w = static_cast<DrillWindow *>(drills::drillWindow(drill).show());
        QTRY_VERIFY(focused() == w->txtAnswer || focused() == w->txtNumber2);

        // Each box in turn: a right answer, Enter for the next problem, a wrong one, Enter again.
        for (int round = 0; round < 2; ++round) {
            const bool three = focused() == w->txtNumber2;
            QLineEdit *box = focused() == w->txtNumber2 ? w->txtNumber2 : w->txtAnswer;
            qint16 &correct = three ? w->intCorrect : w->intCorrectA;
            qint16 &total = three ? w->intTotal : w->intTotalA;
            QTest::keyClicks(box, answerFor(w, three));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(correct, qint16(1));
            QTest::keyClick(focused(), Qt::Key_Return); // the Reset button is the default now
            QCOMPARE(focused(), box);
            QVERIFY(box->text().isEmpty());
            QTest::keyClicks(box, "0.5");
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(total, qint16(2));
            QVERIFY(box->isHidden());
            QVERIFY(focused());
            QTest::keyClick(focused(), Qt::Key_Return);
            QTRY_COMPARE(focused(), box);
            QVERIFY(box->isVisible());
            // Tab goes straight to the other exercise's box: the buttons stay out of the way.
            QTest::keyClick(box, Qt::Key_Tab);
            QVERIFY(focused() != box);
            QVERIFY(qobject_cast<QLineEdit *>(focused()));
        }
        QCOMPARE(w->intTotalA, qint16(2));
        QCOMPARE(w->intTotal, qint16(2));
    }

    void divisionAnsweredByTyping()
    {
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        toolkit::RandomSource::instance().supply({0.0f, 0.5f});
        auto *w = static_cast<division::DivisionWindow *>(division::frmDivision().show());
        QTRY_COMPARE(focused(), w->txtAnswer);
        QCOMPARE(w->lblNumber[0]->text(), "25");
        QCOMPARE(w->lblNumber[1]->text(), "13");
        QTest::keyClicks(focused(), "1.92");
        QTest::keyClick(focused(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(w->intCorrectA, qint16(1));
        QCOMPARE(nameOf(w->imgImage), "right: smiling face");
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(focused(), w->txtAnswer);
        QCOMPARE(w->intTotalA, qint16(1));
    }

private:
    QStringList m_announced;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
