// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Answering in the integer drills as the user sees it on the real window: right and wrong
// feedback, the reward animation and the score panels. What is counted and compared is the
// exercise's own test.
#include "answering.h"
#include "controls.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
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

// One exercise of a window: its controls, its Score button and the face a right answer shows.
struct Side
{
    const ExerciseControls &c;
    QPushButton *score;
    int rightFace;
};

Side side(DrillWindow &w, bool three)
{
    return three ? Side{w.three, control<QPushButton>(w, "cmdScore"), 3}
                 : Side{w.two, control<QPushButton>(w, "cmdScore1"), 2};
}

bool showsFace(const DrillWindow &w, const QLabel *picture, int face)
{
    return picture->pixmap().cacheKey() == w.imgFace[face]->pixmap().cacheKey();
}

// Types into the answer box as a user would and presses Answer.
void answerWith(const Side &s, const QString &text)
{
    s.c.answerBox->clear();
    QTest::keyClicks(s.c.answerBox, text);
    QTest::mouseClick(s.c.answerButton, Qt::LeftButton);
}

void tickTimer(const DrillWindow &w, const QTimer *timer)
{
    tick(w, timer->objectName());
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

    // Right or wrong, the exercise shows its verdict and face and waits for Reset, which the next
    // Enter presses wherever the focus went; the other exercise is untouched.
    void answerThenEnter_data()
    {
        QTest::addColumn<const Drill *>("drill");
        QTest::addColumn<bool>("three");
        QTest::addColumn<bool>("right");
        for (const Drill *drill : integerDrills())
            for (const bool three : {false, true})
                for (const bool right : {false, true})
                    QTest::addRow("%s %s %s", drill->name, three ? "three" : "two",
                                  right ? "right" : "wrong")
                        << drill << three << right;
    }
    void answerThenEnter()
    {
        QFETCH(bool, three);
        QFETCH(bool, right);
        DrillWindow w(fetchedDrill());
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Side s = side(w, three);
        const Side other = side(w, !three);
        const QString correct = rightAnswerTo(w, s.c);
        answerWith(s, right ? correct : "x");

        QCOMPARE(s.c.rightFrame->isHidden(), !right);
        QCOMPARE(s.c.wrongFrame->isHidden(), right);
        QVERIFY(s.c.awaitingFrame->isHidden());
        // A wrong answer gives the box's place to the correct one.
        QCOMPARE(s.c.answerBox->isHidden(), !right);
        QCOMPARE(s.c.leadIn->isHidden(), right);
        QCOMPARE(s.c.leadIn->text(), "The Correct Answer is ");
        QCOMPARE(s.c.correctAnswer->text(), correct);
        QCOMPARE(s.c.answerBox->text(), right ? correct : "x");
        if (!three || !right)
            QCOMPARE(s.c.correctAnswer->isHidden(), right);
        QVERIFY(showsFace(w, s.c.picture, right ? s.rightFace : 0));
        QVERIFY(!s.c.answerButton->isEnabled() && s.c.resetButton->isEnabled());
        QCOMPARE(defaultButton(w), s.c.resetButton);
        QVERIFY(!s.c.answerRim->isHidden() && s.c.resetRim->isHidden());
        QVERIFY(!other.c.awaitingFrame->isHidden());
        QVERIFY(other.c.picture->pixmap().isNull());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(s.c.answerButton->isEnabled() && !s.c.resetButton->isEnabled());
        QVERIFY(!s.c.awaitingFrame->isHidden() && s.c.rightFrame->isHidden());
        QVERIFY(!s.c.answerBox->isHidden() && s.c.answerBox->text().isEmpty());
        QVERIFY(s.c.correctAnswer->isHidden() && s.c.leadIn->isHidden());
        QVERIFY(s.c.picture->isHidden());
        QCOMPARE(QApplication::focusWidget(), s.c.answerBox);
    }

    void aWrongAnswerByEnterLeavesTheOtherBoxAlone_data() { addExerciseRows(); }
    void aWrongAnswerByEnterLeavesTheOtherBoxAlone()
    {
        QFETCH(bool, three);
        DrillWindow w(fetchedDrill());
        w.Form_Load();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit *box = side(w, three).c.answerBox;
        const Side other = side(w, !three);
        other.c.answerBox->setFocus();
        QTest::keyClicks(other.c.answerBox, "12");
        box->setFocus();
        QTest::keyClicks(box, "x");
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->isHidden());

        // Neither the focus nor the next key goes to the other exercise's answer.
        QVERIFY(!other.c.answerBox->hasSelectedText());
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus != other.c.answerBox);
        QTest::keyClick(focus, Qt::Key_7);
        QCOMPARE(other.c.answerBox->text(), "12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!box->isHidden());
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(!other.c.awaitingFrame->isHidden()); // Enter did not answer it
    }

    // The fifth right answer since the last animation starts the next, which keeps the last face
    // until the first tick; wrong answers in between neither count nor break the run.
    void theFacesStepUntilReset_data() { addExerciseRows(); }
    void theFacesStepUntilReset()
    {
        QFETCH(bool, three);
        DrillWindow w(fetchedDrill());
        w.Form_Load();
        w.show();
        const ExerciseControls &s = side(w, three).c;
        answerProblems(w, s, 4);
        answerProblem(w, s, false);
        QVERIFY(!s.firstTimer->isActive());
        s.resetButton->click();
        answerProblem(w, s);
        QVERIFY(s.firstTimer->isActive() && !s.secondTimer->isActive());
        QVERIFY(showsFace(w, s.picture, 0));
        QVERIFY(s.praise->isHidden());

        // The pair hands over at every tick, each showing the next face; the praise stays.
        for (const int face : {1, 2}) {
            const bool first = face == 1;
            QVERIFY(first ? s.firstTimer->isActive() : s.secondTimer->isActive());
            tickTimer(w, first ? s.firstTimer : s.secondTimer);
            QVERIFY(showsFace(w, s.picture, face));
            QCOMPARE(s.praise->text(), "You are good.");
            QVERIFY(!s.praise->isHidden());
            QCOMPARE(s.firstTimer->isActive(), !first);
            QCOMPARE(s.secondTimer->isActive(), first);
        }

        // Reset stops it at once and hides the praise and the picture; the step stays.
        s.resetButton->click();
        QVERIFY(!s.firstTimer->isActive() && !s.secondTimer->isActive());
        QVERIFY(s.praise->isHidden() && s.picture->isHidden());
        answerProblems(w, s, 4);
        answerProblem(w, s);
        tickTimer(w, s.firstTimer);
        QVERIFY(showsFace(w, s.picture, 3)); // the next animation goes on from there
    }

    void theExercisesAnimateIndependently()
    {
        DrillWindow w(Multiplication);
        w.Form_Load();
        w.show();
        answerProblems(w, w.two, 4);
        answerProblem(w, w.two);
        tick(w, "Timer1");
        QVERIFY(w.two.secondTimer->isActive());

        // The other exercise answers, animates and resets meanwhile.
        answerProblems(w, w.three, 4);
        answerProblem(w, w.three);
        QVERIFY(w.three.firstTimer->isActive());
        tick(w, "Timer3");
        tick(w, "Timer2");
        QVERIFY(showsFace(w, w.two.picture, 2));
        QVERIFY(showsFace(w, w.three.picture, 1));
        press(w, "cmdReset1");
        QVERIFY(!w.three.firstTimer->isActive() && !w.three.secondTimer->isActive());
        QVERIFY(w.two.firstTimer->isActive());
        QVERIFY(!w.two.praise->isHidden());
        QVERIFY(w.three.praise->isHidden());
        answerProblem(w, w.three, false);
        QVERIFY(w.two.firstTimer->isActive());
        QVERIFY(showsFace(w, w.two.picture, 2));
    }

    void theRealTimersTickEveryHalfSecond()
    {
        DrillWindow w(Addition);
        w.Form_Load();
        w.show();
        answerProblems(w, w.two, 4);
        QElapsedTimer clock;
        QList<qint64> ticks;
        for (QTimer *timer : {w.two.firstTimer, w.two.secondTimer})
            connect(timer, &QTimer::timeout, this, [&] { ticks.append(clock.elapsed()); });
        clock.start();
        answerProblem(w, w.two);
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

    // Score fills its own exercise's panel with the counts as they stand at the press.
    void scoreShowsItsOwnPanelAsOfItsLastPress()
    {
        DrillWindow w(Addition);
        w.Form_Load();
        for (const bool three : {false, true}) {
            const Side s = side(w, three);
            const Side other = side(w, !three);
            answerProblems(w, s.c, 2);
            answerProblems(w, s.c, 1, false);
            other.c.percent->setText("untouched");
            s.score->click();
            QCOMPARE(scoreShown(s.c, s.score), QStringList({"2", "3"}));
            QCOMPARE(s.c.percent->text(), "66.67%");
            QCOMPARE(other.c.percent->text(), "untouched");
            answerProblems(w, s.c, 1, false);
            QCOMPARE(s.c.percent->text(), "66.67%");
            QCOMPARE(scoreShown(s.c, s.score), QStringList({"2", "4"}));
            QCOMPARE(s.c.percent->text(), "50.00%");
        }
    }
};

QTEST_MAIN(TestDrillAnswer)
#include "tst_drillanswer.moc"
