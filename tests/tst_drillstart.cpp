// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A drill window's start, its Resets, Enter routing between the two exercises, focus and Exit.
#include "controls.h"
#include "drillinstance.h"
#include "drills/drillwindow.h"
#include "drills/drillwindows.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"
#include "toolkit/text/random.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace drills;
using toolkit::RandomSource;
using toolkit::Shape;

Q_DECLARE_METATYPE(drills::Drill)
Q_DECLARE_METATYPE(drills::Range)

namespace {

constexpr float Largest = 1.0f - 0x1p-24f;

bool shown(const DrillWindow &w, const char *name)
{
    return !control<QWidget>(w, name)->isHidden();
}

void checkOperands(const QList<QLabel *> &tiles, const QList<Range> &ranges)
{
    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    for (qsizetype i = 0; i < ranges.size(); ++i) {
        const QString caption = tiles[i]->text();
        QVERIFY2(digitsOnly.match(caption).hasMatch(), qPrintable(caption));
        const int value = caption.toInt();
        QVERIFY2(value >= ranges[i].lo && value <= ranges[i].hi,
                 qPrintable(tiles[i]->objectName() + " = " + caption));
    }
}

// Puts the focus where a user's typing would go.
QWidget *focused()
{
    return QApplication::focusWidget();
}

} // namespace

class TestDrillStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void loadStartsBothExercisesAwaitingAnswers()
    {
        DrillWindow w(Drill::Addition);
        w.intTotalA = w.intCorrect = w.intStep = 7;
        w.Form_Load();
        for (const qint16 counter : {w.intTotalA, w.intCorrectA, w.intRewardA, w.intStepA,
                                     w.intTotal, w.intCorrect, w.intReward, w.intStep})
            QCOMPARE(counter, qint16(0));
        QCOMPARE(defaultButton(w), w.cmdAnswer);
        QVERIFY(w.lblNumber[2]->isHidden());
        QVERIFY(w.lblNumber[3]->isHidden());
        QVERIFY(!w.txtAnswer->isHidden());
        QVERIFY(w.txtAnswer->text().isEmpty());
        QVERIFY(w.cmdAnswer->isEnabled() && w.cmdAnswer1->isEnabled());
        QVERIFY(!w.cmdReset->isEnabled() && !w.cmdReset1->isEnabled());
        QVERIFY(shown(w, "Shape7") && !shown(w, "Shape8"));
        QVERIFY(shown(w, "Shape5") && !shown(w, "Shape6"));
        QVERIFY(shown(w, "Shape10") && !shown(w, "Shape12") && !shown(w, "Shape13"));
        QVERIFY(shown(w, "Shape9") && !shown(w, "Shape14") && !shown(w, "Shape11"));
        QVERIFY(w.imgImage->pixmap().isNull() && w.imgAnswer->pixmap().isNull());
        QVERIFY(w.lblCorrectA->text().isEmpty() && w.lblPersent->text().isEmpty());
        QCOMPARE(control<QLabel>(w, "Label4")->text(), "You got ");
        QCOMPARE(control<QLabel>(w, "Label6")->text(), "Out of ");
        QCOMPARE(control<QLabel>(w, "Label9")->text(), "Questions Giving you a ");
    }

    void loadDealsThreeNumbersFirstFromTheLoadRanges()
    {
        RandomSource chosen({0.0f, 0.5f, Largest, Largest, 0.0f});
        DrillWindow w(Drill::Subtraction, chosen);
        w.Form_Load();
        QCOMPARE(w.lblnumber2[0]->text(), "35");
        QCOMPARE(w.lblnumber2[1]->text(), "37"); // 20 + 0.5 * 35
        QCOMPARE(w.lblnumber2[2]->text(), "20");
        QCOMPARE(w.lblNumber[0]->text(), "74");
        QCOMPARE(w.lblNumber[1]->text(), "1");
    }

    // The design's ranges, lo to hi, of lblNumber(0), lblNumber(1) and lblnumber2(0) to (2).
    void operandsStayInTheirRanges_data()
    {
        QTest::addColumn<Drill>("drill");
        QTest::addColumn<QList<Range>>("atLoad");
        QTest::addColumn<QList<Range>>("atReset");
        const QList<Range> upTo10(5, {1, 10}), upTo25(5, {1, 25});
        const QList<Range> subtraction{{25, 74}, {1, 25}, {35, 84}, {20, 54}, {1, 20}};
        QTest::newRow("frmAddition") << Drill::Addition << upTo10 << upTo25;
        QTest::newRow("frmSubtraction") << Drill::Subtraction << subtraction << subtraction;
        QTest::newRow("frmMultiplication") << Drill::Multiplication << upTo25 << upTo25;
    }
    void operandsStayInTheirRanges()
    {
        QFETCH(Drill, drill);
        QFETCH(QList<Range>, atLoad);
        QFETCH(QList<Range>, atReset);
        // The extremes of the source give the ends of every range, at load and at Reset.
        RandomSource chosen(QList<float>(10, 0.0f) + QList<float>(10, Largest));
        DrillWindow w(drill, chosen);
        QList<QLabel *> tiles;
        for (const char *name :
             {"lblNumber(0)", "lblNumber(1)", "lblnumber2(0)", "lblnumber2(1)", "lblnumber2(2)"})
            tiles << control<QLabel>(w, name);
        for (const float r : {0.0f, Largest}) {
            const auto end = [r](const Range &range) { return r == 0 ? range.lo : range.hi; };
            w.Form_Load();
            for (int i = 0; i < 5; ++i)
                QCOMPARE(tiles[i]->text().toInt(), end(atLoad[i]));
            w.cmdReset_Click();
            w.cmdReset1_Click();
            for (int i = 0; i < 5; ++i)
                QCOMPARE(tiles[i]->text().toInt(), end(atReset[i]));
        }
        // Past the chosen values the source deals at random, within the ranges still.
        w.Form_Load();
        checkOperands(tiles, atLoad);
    }

    void resetReturnsAnAnsweredExerciseToAwaiting()
    {
        DrillWindow w(Drill::Multiplication);
        w.show();
        w.Form_Load();
        // The state an answer leaves behind, with the animation running.
        control<Shape>(w, "Shape8")->show();
        control<Shape>(w, "Shape7")->hide();
        control<Shape>(w, "Shape10")->hide();
        control<Shape>(w, "Shape13")->show();
        w.txtAnswer->setText("99");
        w.txtAnswer->hide();
        w.lblNumber[2]->show();
        w.lblNumber[3]->show();
        w.imgImage->show();
        w.lblGood->show();
        w.cmdAnswer->setEnabled(false);
        w.cmdReset->setEnabled(true);
        w.makeDefault(w.cmdReset);
        w.Timer1->start();
        w.intStepA = 3;
        w.intTotalA = 4;
        const QString threeNumberProblem = w.lblnumber2[0]->text();

        w.cmdReset_Click();
        QVERIFY(shown(w, "Shape7") && !shown(w, "Shape8"));
        QVERIFY(shown(w, "Shape10") && !shown(w, "Shape12") && !shown(w, "Shape13"));
        QVERIFY(w.imgImage->isHidden() && w.lblGood->isHidden());
        QVERIFY(w.lblNumber[2]->isHidden() && w.lblNumber[3]->isHidden());
        QVERIFY(!w.cmdReset->isEnabled());
        QVERIFY(w.cmdAnswer->isEnabled());
        QCOMPARE(defaultButton(w), w.cmdAnswer);
        QVERIFY(!w.Timer1->isActive() && !w.Timer2->isActive());
        QVERIFY(!w.txtAnswer->isHidden());
        QVERIFY(w.txtAnswer->text().isEmpty());
        QCOMPARE(w.intStepA, qint16(3)); // survives Reset
        QCOMPARE(w.intTotalA, qint16(4));
        QCOMPARE(w.lblnumber2[0]->text(), threeNumberProblem);
    }

    void resetOfTheThreeNumberExercise()
    {
        DrillWindow w(Drill::Addition);
        w.show();
        w.Form_Load();
        control<Shape>(w, "Shape6")->show();
        control<Shape>(w, "Shape5")->hide();
        control<Shape>(w, "Shape9")->hide();
        control<Shape>(w, "Shape14")->show();
        w.lblNumber[4]->show();
        w.lblGood1->show();
        w.cmdAnswer1->setEnabled(false);
        w.cmdReset1->setEnabled(true);
        w.Timer4->start();
        w.txtNumber2->setText("12");

        w.cmdReset1_Click();
        QVERIFY(shown(w, "Shape5") && !shown(w, "Shape6"));
        QVERIFY(shown(w, "Shape9") && !shown(w, "Shape14") && !shown(w, "Shape11"));
        QVERIFY(w.imgAnswer->isHidden() && w.lblGood1->isHidden());
        QVERIFY(w.lblnumber2[3]->isHidden() && w.lblNumber[4]->isHidden());
        QVERIFY(!w.cmdReset1->isEnabled() && w.cmdAnswer1->isEnabled());
        QCOMPARE(defaultButton(w), w.cmdAnswer1);
        QVERIFY(!w.Timer3->isActive() && !w.Timer4->isActive());
        QVERIFY(w.txtNumber2->text().isEmpty());
    }

    void enterFollowsTheDefaultButton()
    {
        DrillWindow w(Drill::Addition);
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy answer(w.cmdAnswer, &QPushButton::clicked);
        QSignalSpy answer1(w.cmdAnswer1, &QPushButton::clicked);
        QSignalSpy reset(w.cmdReset, &QPushButton::clicked);
        QSignalSpy reset1(w.cmdReset1, &QPushButton::clicked);

        // After load, Enter anywhere presses the two-number Answer.
        QTest::keyClick(w.txtNumber2, Qt::Key_Return);
        QCOMPARE(answer.count(), 1);
        QCOMPARE(defaultButton(w), w.cmdReset);

        // Typing in the three-number box hands Enter to its exercise, even while the other one
        // awaits its Reset; the next Enter then deals its next problem.
        w.txtNumber2->setFocus();
        QTest::keyClicks(w.txtNumber2, "12");
        QCOMPARE(defaultButton(w), w.cmdAnswer1);
        QTest::keyClick(w.txtNumber2, Qt::Key_Return);
        QCOMPARE(answer1.count(), 1);
        QCOMPARE(defaultButton(w), w.cmdReset1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(reset1.count(), 1);
        QCOMPARE(defaultButton(w), w.cmdAnswer1);
        QCOMPARE(focused(), w.txtNumber2);
        QCOMPARE(reset.count(), 0);

        // Reset of the two-number exercise gives it Enter and the focus back.
        QTest::mouseClick(w.cmdReset, Qt::LeftButton);
        QCOMPARE(defaultButton(w), w.cmdAnswer);
        QCOMPARE(focused(), w.txtAnswer);
        const int sum = w.lblNumber[0]->text().toInt() + w.lblNumber[1]->text().toInt();
        QTest::keyClicks(w.txtAnswer, QString::number(sum));
        QTest::keyClick(w.txtAnswer, Qt::Key_Return);
        QCOMPARE(answer.count(), 2);

        // Typing in the box after a right answer leaves Enter with Reset: it deals the next
        // problem, as it does after a wrong one.
        w.txtAnswer->setFocus();
        QTest::keyClicks(w.txtAnswer, "5");
        QCOMPARE(defaultButton(w), w.cmdReset);
        QTest::keyClick(w.txtAnswer, Qt::Key_Return);
        QCOMPARE(answer.count(), 2);
        QCOMPARE(reset.count(), 2);
    }

    // Typing goes to the first box of the design's tab order, and Tab goes round every control
    // that can take the focus in that order: the disabled Resets are passed over.
    void tabGoesRoundInTheDesignsOrder_data()
    {
        QTest::addColumn<Drill>("drill");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("Addition") << Drill::Addition
                                  << QStringList{"txtAnswer",  "cmdAnswer",  "cmdExit",
                                                 "cmdAnswer1", "txtNumber2", "cmdScore",
                                                 "cmdScore1",  "txtAnswer"};
        for (const Drill drill : {Drill::Subtraction, Drill::Multiplication})
            QTest::newRow(DrillWindow::Windows[drill].name)
                << drill << QStringList{"txtNumber2", "cmdAnswer1", "cmdExit",  "cmdAnswer",
                                        "txtAnswer",  "cmdScore1",  "cmdScore", "txtNumber2"};
    }
    void tabGoesRoundInTheDesignsOrder()
    {
        QFETCH(Drill, drill);
        QFETCH(QStringList, round);
        shell::mdiSumbrook main;
        main.showMaximized();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto *w = static_cast<DrillWindow *>(instanceOf(drill).show());
        QTRY_COMPARE(focused(), control<QWidget>(*w, round.first()));
        for (const QString &next : round.mid(1)) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused()->objectName(), next);
        }
        for (const QString &previous : QList(round.rbegin() + 1, round.rend())) {
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focused()->objectName(), previous);
        }
        instanceOf(drill).unload();
        QTRY_VERIFY(!instanceOf(drill).isLoaded());
    }

    void exitClosesAndReopeningStartsAfresh()
    {
        shell::mdiSumbrook main;
        main.showMaximized();
        QPointer<DrillWindow> w = static_cast<DrillWindow *>(frmSubtraction().show());
        w->intCorrect = 5;
        QPointer<QTimer> timer = w->Timer3;
        w->Timer3->start();
        QTest::mouseClick(w->cmdExit, Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        QVERIFY(timer.isNull());
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        auto *again = static_cast<DrillWindow *>(frmSubtraction().show());
        QCOMPARE(again->intCorrect, qint16(0));
        QVERIFY(!again->Timer3->isActive());
        frmSubtraction().unload();
        QTRY_VERIFY(!frmSubtraction().isLoaded());
    }
};

QTEST_MAIN(TestDrillStart)
#include "tst_drillstart.moc"
