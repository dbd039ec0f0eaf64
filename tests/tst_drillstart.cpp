// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A drill window's start, its Resets, Enter routing between the two exercises, focus and Exit.
#include "answering.h"
#include "controls.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "shell/mdisumbrook.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"
#include "toolkit/text/random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace drills;
using toolkit::RandomSource;

namespace {

constexpr float Largest = 1.0f - 0x1p-24f;

// Puts the focus where a user's typing would go.
QWidget *focused()
{
    return QApplication::focusWidget();
}

// What an exercise shows while it awaits an answer, at load and after Reset.
void checkAwaiting(const DrillWindow &w, const ExerciseControls &s)
{
    QVERIFY(!s.resetRim->isHidden() && s.answerRim->isHidden());
    QVERIFY(!s.awaitingFrame->isHidden() && s.rightFrame->isHidden() && s.wrongFrame->isHidden());
    QVERIFY(s.leadIn->isHidden() && s.praise->isHidden());
    QVERIFY(s.answerButton->isEnabled() && !s.resetButton->isEnabled());
    QVERIFY(!s.firstTimer->isActive() && !s.secondTimer->isActive());
    QVERIFY(!s.answerBox->isHidden());
    QVERIFY(s.answerBox->text().isEmpty());
    QVERIFY(defaultButton(w) != s.resetButton);
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
        checkAwaiting(w, w.two);
        checkAwaiting(w, w.three);
        QCOMPARE(defaultButton(w), w.two.answerButton);
        QVERIFY(w.two.correctAnswer->isHidden());
        QVERIFY(w.two.picture->pixmap().isNull() && w.three.picture->pixmap().isNull());
        QVERIFY(w.two.correct->text().isEmpty() && w.three.percent->text().isEmpty());
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

    // The extremes of the source give the ends of the drill's ranges, at load and at Reset.
    void operandsStayInTheirRanges_data()
    {
        QTest::addColumn<const Drill *>("drill");
        for (const Drill *drill : integerDrills())
            QTest::newRow(drill->name) << drill;
    }
    void operandsStayInTheirRanges()
    {
        const Drill &drill = fetchedDrill();
        RandomSource chosen(QList<float>(10, 0.0f) + QList<float>(10, Largest));
        DrillWindow w(drill, chosen);
        for (const float r : {0.0f, Largest}) {
            const auto check = [&](const ExerciseControls &s, std::span<const Range> ranges) {
                for (std::size_t i = 0; i < ranges.size(); ++i)
                    QCOMPARE(s.operands[i]->text().toInt(), r == 0 ? ranges[i].lo : ranges[i].hi);
            };
            w.Form_Load();
            check(w.two, drill.designed[0].load());
            check(w.three, drill.designed[1].load());
            answerProblems(w, w.two, 1, false);
            answerProblems(w, w.three, 1, false);
            check(w.two, drill.designed[0].reset());
            check(w.three, drill.designed[1].reset());
        }
    }

    // Reset brings back the awaiting state from whatever an answer left behind, animation and
    // all, and leaves the tally and the other exercise as they were.
    void resetReturnsAnAnsweredExerciseToAwaiting_data()
    {
        QTest::addColumn<bool>("three");
        QTest::addColumn<bool>("right");
        for (const bool three : {false, true})
            for (const bool right : {false, true})
                QTest::addRow("%s %s", three ? "three" : "two", right ? "animating" : "wrong")
                    << three << right;
    }
    void resetReturnsAnAnsweredExerciseToAwaiting()
    {
        QFETCH(bool, three);
        QFETCH(bool, right);
        DrillWindow w(Multiplication);
        w.show();
        w.Form_Load();
        const ExerciseControls &s = three ? w.three : w.two;
        const ExerciseControls &other = three ? w.two : w.three;
        answerProblems(w, s, 4);
        answerProblem(w, s, right); // the fifth right one starts the animation
        if (right)
            tick(w, s.firstTimer->objectName());
        QVERIFY(s.firstTimer->isActive() || s.secondTimer->isActive() || !right);
        const QString otherProblem = other.operands[0]->text();

        s.resetButton->click();
        checkAwaiting(w, s);
        QCOMPARE(defaultButton(w), s.answerButton);
        QVERIFY(s.picture->isHidden() && s.correctAnswer->isHidden());
        QCOMPARE(other.operands[0]->text(), otherProblem);
        QCOMPARE(scoreShown(s, control<QPushButton>(w, three ? "cmdScore" : "cmdScore1")),
                 QStringList({right ? "5" : "4", "5"}));
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
        QTest::keyClicks(w.two.answerBox, rightAnswerTo(w, w.two));
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
};

QTEST_MAIN(TestDrillStart)
#include "tst_drillstart.moc"
