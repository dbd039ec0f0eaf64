// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Answering in the integer drills as the user sees it on the real window: right and wrong
// feedback, the reward animation and the score panels. What is counted and compared is the
// exercise's own test.
#include "controls.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "rightanswer.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace drills;

namespace {

// The controls of one exercise, by the names the window gives them.
struct Side
{
    bool three;
    QLineEdit *box;
    QPushButton *answer, *reset, *score;
    QLabel *correctAnswer, *leadIn, *picture, *praise;
    QWidget *answerRim, *resetRim, *awaiting, *right, *wrong;
    QTimer *first, *second;
    QLabel *correctLabel, *totalLabel, *percentLabel;
    QList<QLabel *> operands;
    int rightFace;
};

Side side(DrillWindow &w, bool three)
{
    const auto shape = [&w](const char *name) { return control<QWidget>(w, name); };
    if (!three)
        return {false,
                w.two.answerBox,
                w.two.answerButton,
                w.two.resetButton,
                w.findChild<QPushButton *>("cmdScore1"),
                w.two.correctAnswer,
                w.two.leadIn,
                w.two.picture,
                w.two.praise,
                shape("Shape8"),
                shape("Shape7"),
                shape("Shape10"),
                shape("Shape12"),
                shape("Shape13"),
                w.two.firstTimer,
                w.two.secondTimer,
                w.two.correct,
                w.two.total,
                w.two.percent,
                {w.two.operands[0], w.two.operands[1]},
                2};
    return {true,
            w.three.answerBox,
            w.three.answerButton,
            w.three.resetButton,
            w.findChild<QPushButton *>("cmdScore"),
            w.three.correctAnswer,
            w.three.leadIn,
            w.three.picture,
            w.three.praise,
            shape("Shape6"),
            shape("Shape5"),
            shape("Shape9"),
            shape("Shape14"),
            shape("Shape11"),
            w.three.firstTimer,
            w.three.secondTimer,
            w.three.correct,
            w.three.total,
            w.three.percent,
            {w.three.operands[0], w.three.operands[1], w.three.operands[2]},
            3};
}

int result(const Drill &drill, const Side &s)
{
    QStringList operands;
    for (const QLabel *operand : s.operands)
        operands << operand->text();
    return rightAnswer(drill.operation, operands).toInt();
}

bool showsFace(const DrillWindow &w, const QLabel *picture, int face)
{
    return picture->pixmap().cacheKey() == w.imgFace[face]->pixmap().cacheKey();
}

// Types into the answer box as a user would and presses Answer.
void answerWith(const Side &s, const QString &text)
{
    s.box->clear();
    QTest::keyClicks(s.box, text);
    QTest::mouseClick(s.answer, Qt::LeftButton);
}

void answerRight(const Drill &drill, const Side &s)
{
    answerWith(s, QString::number(result(drill, s)));
}

void nextProblem(const Side &s)
{
    QTest::mouseClick(s.reset, Qt::LeftButton);
}

// Right answers in a row, each followed by the next problem.
void answerRightTimes(const Drill &drill, const Side &s, int times)
{
    for (int i = 0; i < times; ++i) {
        answerRight(drill, s);
        nextProblem(s);
    }
}

void addExerciseRows()
{
    QTest::addColumn<const Drill *>("drill");
    QTest::addColumn<bool>("three");
    for (const Drill *drill : integerDrills())
        for (const bool three : {false, true})
            QTest::addRow("%s %s", drill->name, three ? "three" : "two") << drill << three;
}

} // namespace

class TestDrillAnswer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { toolkit::installFontSubstitutes(); }

    void rightAnswer_data() { addExerciseRows(); }
    void rightAnswer()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(bool, three);
        DrillWindow w(drill);
        w.Form_Load();
        w.show();
        const Side s = side(w, three);
        const QString typed = QString::number(result(drill, s));
        answerWith(s, typed);

        QVERIFY(!s.right->isHidden());
        QVERIFY(s.awaiting->isHidden() && s.wrong->isHidden());
        QVERIFY(!s.box->isHidden());
        QCOMPARE(s.box->text(), typed);
        QCOMPARE(s.correctAnswer->text(), typed);
        QVERIFY(s.leadIn->isHidden());
        if (!three)
            QVERIFY(s.correctAnswer->isHidden());
        QVERIFY(!s.picture->isHidden());
        QVERIFY(showsFace(w, s.picture, s.rightFace));
        QVERIFY(!s.answer->isEnabled());
        QVERIFY(s.reset->isEnabled());
        QCOMPARE(defaultButton(w), s.reset);
        QVERIFY(!s.answerRim->isHidden() && s.resetRim->isHidden());

        // The next Enter deals a new problem.
        QTest::keyClick(s.box, Qt::Key_Return);
        QVERIFY(s.answer->isEnabled() && !s.reset->isEnabled());
        QVERIFY(!s.awaiting->isHidden() && s.right->isHidden());
        QVERIFY(s.box->text().isEmpty());
        QVERIFY(s.picture->isHidden());
    }

    void wrongAnswer_data() { addExerciseRows(); }
    void wrongAnswer()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(bool, three);
        DrillWindow w(drill);
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Side s = side(w, three);
        const Side other = side(w, !three);
        answerWith(s, "x");

        QVERIFY(!s.wrong->isHidden());
        QVERIFY(s.awaiting->isHidden() && s.right->isHidden());
        QVERIFY(s.box->isHidden());
        QVERIFY(!s.leadIn->isHidden());
        QCOMPARE(s.leadIn->text(), "The Correct Answer is ");
        QVERIFY(!s.correctAnswer->isHidden());
        QCOMPARE(s.correctAnswer->text(), QString::number(result(drill, s)));
        QVERIFY(showsFace(w, s.picture, 0));
        QCOMPARE(defaultButton(w), s.reset);
        // The other exercise is untouched.
        QVERIFY(!other.awaiting->isHidden());
        QVERIFY(other.picture->pixmap().isNull());

        // Enter, wherever the focus went when the box was hidden, deals the next problem.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!s.box->isHidden());
        QVERIFY(s.correctAnswer->isHidden() && s.leadIn->isHidden());
        QCOMPARE(QApplication::focusWidget(), s.box);
    }

    void aWrongAnswerByEnterLeavesTheOtherBoxAlone_data() { addExerciseRows(); }
    void aWrongAnswerByEnterLeavesTheOtherBoxAlone()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(bool, three);
        DrillWindow w(drill);
        w.Form_Load();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const Side s = side(w, three);
        const Side other = side(w, !three);
        other.box->setFocus();
        QTest::keyClicks(other.box, "12");
        s.box->setFocus();
        QTest::keyClicks(s.box, "x");
        QTest::keyClick(s.box, Qt::Key_Return);
        QVERIFY(s.box->isHidden());

        // Neither the focus nor the next key goes to the other exercise's answer.
        QVERIFY(!other.box->hasSelectedText());
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus != other.box);
        QTest::keyClick(focus, Qt::Key_7);
        QCOMPARE(other.box->text(), "12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!s.box->isHidden());
        QCOMPARE(QApplication::focusWidget(), s.box);
        QVERIFY(!other.awaiting->isHidden()); // Enter did not answer it
    }

    void everyFifthRightAnswerStartsTheAnimation_data() { addExerciseRows(); }
    void everyFifthRightAnswerStartsTheAnimation()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(bool, three);
        DrillWindow w(drill);
        w.Form_Load();
        w.show();
        const Side s = side(w, three);
        answerRightTimes(drill, s, 3);
        answerRight(drill, s);
        QVERIFY(!s.first->isActive());
        nextProblem(s);
        answerRight(drill, s); // the fifth right one
        QVERIFY(s.first->isActive());
        QVERIFY(!s.second->isActive());
        // Until the first tick the picture is the last one it showed.
        QVERIFY(!s.picture->isHidden());
        QVERIFY(showsFace(w, s.picture, s.rightFace));
        QVERIFY(s.praise->isHidden());
    }

    void theFacesStepUntilReset_data() { addExerciseRows(); }
    void theFacesStepUntilReset()
    {
        const Drill &drill = fetchedDrill();
        QFETCH(bool, three);
        DrillWindow w(drill);
        w.Form_Load();
        w.show();
        const Side s = side(w, three);
        const auto tick = [&](bool first) {
            ::tick(w, three ? (first ? "Timer3" : "Timer4") : (first ? "Timer1" : "Timer2"));
        };
        answerRightTimes(drill, s, 4);
        answerWith(s, "x"); // the picture before the animation: frowning
        nextProblem(s);
        answerRight(drill, s);
        QVERIFY(showsFace(w, s.picture, 0));

        // The pair hands over at every tick, each showing the next face; the praise stays.
        for (const int face : {1, 2}) {
            const bool first = face == 1;
            QVERIFY(first ? s.first->isActive() : s.second->isActive());
            tick(first);
            QVERIFY(showsFace(w, s.picture, face));
            QCOMPARE(s.praise->text(), "You are good.");
            QVERIFY(!s.praise->isHidden());
            QCOMPARE(s.first->isActive(), !first);
            QCOMPARE(s.second->isActive(), first);
        }

        // Reset stops it at once and hides the praise and the picture; the step stays.
        nextProblem(s);
        QVERIFY(!s.first->isActive() && !s.second->isActive());
        QVERIFY(s.praise->isHidden() && s.picture->isHidden());
        answerRightTimes(drill, s, 4);
        answerRight(drill, s);
        tick(true);
        QVERIFY(showsFace(w, s.picture, 3)); // the next animation goes on from there
    }

    void theExercisesAnimateIndependently()
    {
        DrillWindow w(Multiplication);
        w.Form_Load();
        w.show();
        const Side two = side(w, false);
        const Side three = side(w, true);
        answerRightTimes(Multiplication, two, 4);
        answerRight(Multiplication, two);
        tick(w, "Timer1");
        QVERIFY(w.two.secondTimer->isActive());

        // The other exercise answers, animates and resets meanwhile.
        answerRightTimes(Multiplication, three, 4);
        answerRight(Multiplication, three);
        QVERIFY(w.three.firstTimer->isActive());
        tick(w, "Timer3");
        tick(w, "Timer2");
        QVERIFY(showsFace(w, w.two.picture, 2));
        QVERIFY(showsFace(w, w.three.picture, 1));
        nextProblem(three);
        QVERIFY(!w.three.firstTimer->isActive() && !w.three.secondTimer->isActive());
        QVERIFY(w.two.firstTimer->isActive());
        QVERIFY(!w.two.praise->isHidden());
        QVERIFY(w.three.praise->isHidden());
        answerWith(three, "x");
        QVERIFY(w.two.firstTimer->isActive());
        QVERIFY(showsFace(w, w.two.picture, 2));
    }

    void theRealTimersTickEveryHalfSecond()
    {
        DrillWindow w(Addition);
        w.Form_Load();
        w.show();
        const Side s = side(w, false);
        answerRightTimes(Addition, s, 4);
        QElapsedTimer clock;
        QList<qint64> ticks;
        for (QTimer *timer : {w.two.firstTimer, w.two.secondTimer})
            connect(timer, &QTimer::timeout, this, [&] { ticks.append(clock.elapsed()); });
        clock.start();
        answerRight(Addition, s);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 3, 3000);
        QVERIFY(!w.two.praise->isHidden());
        // Generous bounds: this checks the hand-over between the pair, not the clock.
        qint64 previous = 0;
        for (const qint64 at : ticks) {
            QVERIFY2(at - previous >= 400 && at - previous <= 1000,
                     qPrintable(QString::number(at - previous)));
            previous = at;
        }
    }

    void scoreShowsItsOwnPanel()
    {
        DrillWindow w(Addition);
        w.Form_Load();
        for (const bool three : {false, true}) {
            const Side s = side(w, three);
            const Side other = side(w, !three);
            answerRightTimes(Addition, s, 2);
            answerWith(s, "x");
            nextProblem(s);
            other.percentLabel->setText("untouched");
            QTest::mouseClick(s.score, Qt::LeftButton);
            QCOMPARE(s.correctLabel->text(), "2");
            QCOMPARE(s.totalLabel->text(), "3");
            QCOMPARE(s.percentLabel->text(), "66.67%");
            QCOMPARE(other.percentLabel->text(), "untouched");
        }
    }

    void scoreShowsTheValuesOfItsLastPress()
    {
        DrillWindow w(Addition);
        w.Form_Load();
        w.show();
        const Side s = side(w, false);
        answerRight(Addition, s);
        press(w, "cmdScore1");
        press(w, "cmdScore1");
        QCOMPARE(w.two.correct->text(), "1");
        QCOMPARE(w.two.total->text(), "1");
        QCOMPARE(w.two.percent->text(), "100.00%");
        nextProblem(s);
        answerWith(s, "x");
        QCOMPARE(w.two.percent->text(), "100.00%");
        press(w, "cmdScore1");
        QCOMPARE(w.two.total->text(), "2");
        QCOMPARE(w.two.percent->text(), "50.00%");
    }
};

QTEST_MAIN(TestDrillAnswer)
#include "tst_drillanswer.moc"
