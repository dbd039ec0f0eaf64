// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A drill window's start, its Resets, Enter routing between the two exercises, focus and Exit.
#include "controls.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "rightanswer.h"
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
        DrillWindow w(Addition);
        w.Form_Load();
        QCOMPARE(defaultButton(w), w.two.answerButton);
        QVERIFY(w.two.correctAnswer->isHidden());
        QVERIFY(w.two.leadIn->isHidden());
        QVERIFY(!w.two.answerBox->isHidden());
        QVERIFY(w.two.answerBox->text().isEmpty());
        QVERIFY(w.two.answerButton->isEnabled() && w.three.answerButton->isEnabled());
        QVERIFY(!w.two.resetButton->isEnabled() && !w.three.resetButton->isEnabled());
        QVERIFY(shown(w, "Shape7") && !shown(w, "Shape8"));
        QVERIFY(shown(w, "Shape5") && !shown(w, "Shape6"));
        QVERIFY(shown(w, "Shape10") && !shown(w, "Shape12") && !shown(w, "Shape13"));
        QVERIFY(shown(w, "Shape9") && !shown(w, "Shape14") && !shown(w, "Shape11"));
        QVERIFY(w.two.picture->pixmap().isNull() && w.three.picture->pixmap().isNull());
        QVERIFY(w.two.correct->text().isEmpty() && w.three.percent->text().isEmpty());
        QCOMPARE(control<QLabel>(w, "Label4")->text(), "You got ");
        QCOMPARE(control<QLabel>(w, "Label6")->text(), "Out of ");
        QCOMPARE(control<QLabel>(w, "Label9")->text(), "Questions Giving you a ");
    }

    void loadDealsThreeNumbersFirstFromTheLoadRanges()
    {
        RandomSource chosen({0.0f, 0.5f, Largest, Largest, 0.0f});
        DrillWindow w(Subtraction, chosen);
        w.Form_Load();
        QCOMPARE(w.three.operands[0]->text(), "35");
        QCOMPARE(w.three.operands[1]->text(), "37"); // 20 + 0.5 * 35
        QCOMPARE(w.three.operands[2]->text(), "20");
        QCOMPARE(w.two.operands[0]->text(), "74");
        QCOMPARE(w.two.operands[1]->text(), "1");
    }

    // The design's ranges, lo to hi, of lblNumber(0), lblNumber(1) and lblnumber2(0) to (2).
    void operandsStayInTheirRanges_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QList<Range>>("atLoad");
        QTest::addColumn<QList<Range>>("atReset");
        const QList<Range> upTo10(5, {1, 10}), upTo25(5, {1, 25});
        const QList<Range> subtraction{{25, 74}, {1, 25}, {35, 84}, {20, 54}, {1, 20}};
        QTest::newRow("frmAddition") << &Addition << upTo10 << upTo25;
        QTest::newRow("frmSubtraction") << &Subtraction << subtraction << subtraction;
        QTest::newRow("frmMultiplication") << &Multiplication << upTo25 << upTo25;
    }
    void operandsStayInTheirRanges()
    {
        const Drill &drill = fetchedDrill();
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
            for (ExerciseControls *side : {&w.two, &w.three})
                side->answerBox->setText("0");
            press(w, "cmdAnswer"); // Reset deals once the problem is answered
            press(w, "cmdAnswer1");
            press(w, "cmdReset");
            press(w, "cmdReset1");
            for (int i = 0; i < 5; ++i)
                QCOMPARE(tiles[i]->text().toInt(), end(atReset[i]));
        }
        // Past the chosen values the source deals at random, within the ranges still.
        w.Form_Load();
        checkOperands(tiles, atLoad);
    }

    void resetReturnsAnAnsweredExerciseToAwaiting()
    {
        DrillWindow w(Multiplication);
        w.show();
        w.Form_Load();
        for (int answered = 0; answered < 4; ++answered) {
            w.two.answerBox->setText("1");
            press(w, "cmdAnswer");
            press(w, "cmdReset");
        }
        // The state an answer leaves behind, with the animation running.
        control<Shape>(w, "Shape8")->show();
        control<Shape>(w, "Shape7")->hide();
        control<Shape>(w, "Shape10")->hide();
        control<Shape>(w, "Shape13")->show();
        w.two.answerBox->setText("99");
        w.two.answerBox->hide();
        w.two.correctAnswer->show();
        w.two.leadIn->show();
        w.two.picture->show();
        w.two.praise->show();
        w.two.answerButton->setEnabled(false);
        w.two.resetButton->setEnabled(true);
        w.makeDefault(w.two.resetButton);
        w.two.firstTimer->start();
        const QString threeNumberProblem = w.three.operands[0]->text();

        press(w, "cmdReset");
        QVERIFY(shown(w, "Shape7") && !shown(w, "Shape8"));
        QVERIFY(shown(w, "Shape10") && !shown(w, "Shape12") && !shown(w, "Shape13"));
        QVERIFY(w.two.picture->isHidden() && w.two.praise->isHidden());
        QVERIFY(w.two.correctAnswer->isHidden() && w.two.leadIn->isHidden());
        QVERIFY(!w.two.resetButton->isEnabled());
        QVERIFY(w.two.answerButton->isEnabled());
        QCOMPARE(defaultButton(w), w.two.answerButton);
        QVERIFY(!w.two.firstTimer->isActive() && !w.two.secondTimer->isActive());
        QVERIFY(!w.two.answerBox->isHidden());
        QVERIFY(w.two.answerBox->text().isEmpty());
        QCOMPARE(w.three.operands[0]->text(), threeNumberProblem);
        press(w, "cmdScore1");
        QCOMPARE(w.two.total->text(), "4"); // the tally survives Reset
    }

    void resetOfTheThreeNumberExercise()
    {
        DrillWindow w(Addition);
        w.show();
        w.Form_Load();
        control<Shape>(w, "Shape6")->show();
        control<Shape>(w, "Shape5")->hide();
        control<Shape>(w, "Shape9")->hide();
        control<Shape>(w, "Shape14")->show();
        w.three.leadIn->show();
        w.three.praise->show();
        w.three.answerButton->setEnabled(false);
        w.three.resetButton->setEnabled(true);
        w.three.secondTimer->start();
        w.three.answerBox->setText("12");

        press(w, "cmdReset1");
        QVERIFY(shown(w, "Shape5") && !shown(w, "Shape6"));
        QVERIFY(shown(w, "Shape9") && !shown(w, "Shape14") && !shown(w, "Shape11"));
        QVERIFY(w.three.picture->isHidden() && w.three.praise->isHidden());
        QVERIFY(w.three.correctAnswer->isHidden() && w.three.leadIn->isHidden());
        QVERIFY(!w.three.resetButton->isEnabled() && w.three.answerButton->isEnabled());
        QCOMPARE(defaultButton(w), w.three.answerButton);
        QVERIFY(!w.three.firstTimer->isActive() && !w.three.secondTimer->isActive());
        QVERIFY(w.three.answerBox->text().isEmpty());
    }

    void enterFollowsTheDefaultButton()
    {
        DrillWindow w(Addition);
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy answer(w.two.answerButton, &QPushButton::clicked);
        QSignalSpy answer1(w.three.answerButton, &QPushButton::clicked);
        QSignalSpy reset(w.two.resetButton, &QPushButton::clicked);
        QSignalSpy reset1(w.three.resetButton, &QPushButton::clicked);

        // After load, Enter anywhere presses the two-number Answer.
        QTest::keyClick(w.three.answerBox, Qt::Key_Return);
        QCOMPARE(answer.count(), 1);
        QCOMPARE(defaultButton(w), w.two.resetButton);

        // Typing in the three-number box hands Enter to its exercise, even while the other one
        // awaits its Reset; the next Enter then deals its next problem.
        w.three.answerBox->setFocus();
        QTest::keyClicks(w.three.answerBox, "12");
        QCOMPARE(defaultButton(w), w.three.answerButton);
        QTest::keyClick(w.three.answerBox, Qt::Key_Return);
        QCOMPARE(answer1.count(), 1);
        QCOMPARE(defaultButton(w), w.three.resetButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(reset1.count(), 1);
        QCOMPARE(defaultButton(w), w.three.answerButton);
        QCOMPARE(focused(), w.three.answerBox);
        QCOMPARE(reset.count(), 0);

        // Reset of the two-number exercise gives it Enter and the focus back.
        QTest::mouseClick(w.two.resetButton, Qt::LeftButton);
        QCOMPARE(defaultButton(w), w.two.answerButton);
        QCOMPARE(focused(), w.two.answerBox);
        const int sum = w.two.operands[0]->text().toInt() + w.two.operands[1]->text().toInt();
        QTest::keyClicks(w.two.answerBox, QString::number(sum));
        QTest::keyClick(w.two.answerBox, Qt::Key_Return);
        QCOMPARE(answer.count(), 2);

        // Typing in the box after a right answer leaves Enter with Reset: it deals the next
        // problem, as it does after a wrong one.
        w.two.answerBox->setFocus();
        QTest::keyClicks(w.two.answerBox, "5");
        QCOMPARE(defaultButton(w), w.two.resetButton);
        QTest::keyClick(w.two.answerBox, Qt::Key_Return);
        QCOMPARE(answer.count(), 2);
        QCOMPARE(reset.count(), 2);
    }

    // Typing goes to the first box of the design's tab order, and Tab goes round every control
    // that can take the focus in that order: the disabled Resets are passed over.
    void tabGoesRoundInTheDesignsOrder_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("Addition") << &Addition
                                  << QStringList{"txtAnswer",  "cmdAnswer",  "cmdExit",
                                                 "cmdAnswer1", "txtNumber2", "cmdScore",
                                                 "cmdScore1",  "txtAnswer"};
        for (const Drill *drill : {&Subtraction, &Multiplication})
            QTest::newRow(drill->name)
                << drill << QStringList{"txtNumber2", "cmdAnswer1", "cmdExit",  "cmdAnswer",
                                        "txtAnswer",  "cmdScore1",  "cmdScore", "txtNumber2"};
    }
    void tabGoesRoundInTheDesignsOrder()
    {
        const Drill &drill = fetchedDrill();
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
        QPointer<DrillWindow> w = static_cast<DrillWindow *>(instanceOf(Subtraction).show());
        w->three.answerBox->setText(rightAnswer(
            Subtraction.operation, {w->three.operands[0]->text(), w->three.operands[1]->text(),
                                    w->three.operands[2]->text()}));
        press(*w, "cmdAnswer1");
        QPointer<QTimer> timer = w->three.firstTimer;
        w->three.firstTimer->start();
        QTest::mouseClick(w->findChild<QPushButton *>("cmdExit"), Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        QVERIFY(timer.isNull());
        QVERIFY(main.mdiArea()->subWindowList().isEmpty());
        auto *again = static_cast<DrillWindow *>(instanceOf(Subtraction).show());
        press(*again, "cmdScore");
        QCOMPARE(again->three.correct->text(), "0");
        QVERIFY(!again->three.firstTimer->isActive());
        instanceOf(Subtraction).unload();
        QTRY_VERIFY(!instanceOf(Subtraction).isLoaded());
    }
};

QTEST_MAIN(TestDrillStart)
#include "tst_drillstart.moc"
