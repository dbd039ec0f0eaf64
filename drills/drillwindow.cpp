// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillwindow.h"

#include "drilltable/levels.h"
#include "progress/progresswindow.h"
#include "scores/scorerecord.h"
#include "scores/scorewindow.h"

#include <QLabel>
#include <QLineEdit>

#include <QPushButton>
#include <utility>

namespace drills {

void DrillWindow::Form_Load()
{
    // The tallies start at 0 with the window, which each opening builds afresh.
    makeDefault(two.answerButton);
    m_random.reseed();
    m_threeView.showDealt(dealt(m_three, m_threeView, m_drill.designed[1].load()));
    m_twoView.showDealt(dealt(m_two, m_twoView, m_drill.designed[0].load()));
    two.correctAnswer->hide();
    two.leadIn->hide();
    two.answerBox->show();
    two.answerBox->setText(QString());
}

void DrillWindow::cmdReset_Click()
{
    m_twoView.showAwaiting();
    m_random.reseed();
    m_twoView.showNewProblem(dealt(m_two, m_twoView, m_drill.designed[0].reset()));
}

void DrillWindow::cmdReset1_Click()
{
    m_threeView.showAwaiting();
    m_random.reseed();
    m_threeView.showNewProblem(dealt(m_three, m_threeView, m_drill.designed[1].reset()));
}

QStringList DrillWindow::dealt(const Exercise &exercise, const ExerciseView &view,
                               std::span<const Range> designed)
{
    // A learner changed meanwhile practises at their level from their next problem on.
    showLevel();
    const auto numbers =
        designed.size() == 3 ? drilltable::Numbers::Three : drilltable::Numbers::Two;
    const QStringList captions =
        drilltable::dealCaptions(drilltable::levelInForce(QString::fromLatin1(m_drill.key)),
                                 numbers, m_random, view.operandCaptions());
    return captions.isEmpty() ? exercise.deal(designed, m_random) : captions;
}

void DrillWindow::showLevel()
{
    // The level stands beside the window's name, where a learner at a level of their own reads it.
    const drilltable::Level level = drilltable::levelInForce(QString::fromLatin1(m_drill.key));
    const QString caption = tr(m_drill.caption);
    setWindowTitle(level.isDesigned() ? caption : tr("%1 (%2)").arg(caption, level.title()));
}

void DrillWindow::cmdExit_Click()
{
    unload();
}

void DrillWindow::txtAnswer_Change()
{
    takeDefault(three.answerButton);
    takeDefault(three.resetButton);
    // Typing after a right answer, with Answer disabled, makes Enter deal the next problem.
    m_twoView.takeEnter();
}

void DrillWindow::txtNumber2_Change()
{
    takeDefault(two.resetButton);
    takeDefault(two.answerButton);
    m_threeView.takeEnter();
}

void DrillWindow::boxEntered(QWidget *box)
{
    // As typing does: Enter never answers the other exercise, with a box nobody filled in.
    (box == three.answerBox ? m_threeView : m_twoView).takeEnter();
    if (isVisible() && std::exchange(m_opening, false)) {
        if (box == three.answerBox)
            m_threeView.sayOpening(&m_twoView, false);
        else
            m_twoView.sayOpening(&m_threeView, true);
    }
}

QString DrillWindow::lastSaid() const
{
    // The exercise the keyboard is in, else the one that spoke last.
    const QWidget *focus = focusWidget();
    if (m_threeView.holds(focus))
        return m_threeView.lastSaid();
    if (m_twoView.holds(focus))
        return m_twoView.lastSaid();
    return (m_threeView.saidAt() > m_twoView.saidAt() ? m_threeView : m_twoView).lastSaid();
}

void DrillWindow::cmdAnswer_Click()
{
    m_twoView.showAnswered(m_two.answer(m_twoView.operandCaptions(), two.answerBox->text()));
}

void DrillWindow::cmdAnswer1_Click()
{
    m_threeView.showAnswered(
        m_three.answer(m_threeView.operandCaptions(), three.answerBox->text()));
}

void DrillWindow::Timer1_Timer()
{
    m_twoView.showTick(m_two.tick(true), true);
}

void DrillWindow::Timer2_Timer()
{
    m_twoView.showTick(m_two.tick(false), false);
}

void DrillWindow::Timer3_Timer()
{
    m_threeView.showTick(m_three.tick(true), true);
}

void DrillWindow::Timer4_Timer()
{
    m_threeView.showTick(m_three.tick(false), false);
}

void DrillWindow::cmdScore1_Click()
{
    m_twoView.showScore(m_two.score());
}

void DrillWindow::cmdScore_Click()
{
    m_threeView.showScore(m_three.score());
}

void DrillWindow::mnuItemSaveScore_Click()
{
    // The count starts afresh only once the record is safely in the file.
    const scores::Captions shown{two.percent->text(), two.total->text(), three.percent->text(),
                                 three.total->text()};
    if (!scores::saveScore(this, m_drill.scores, shown, QDate::currentDate(), m_boxes))
        return;
    intCorrect = 0;
    intTotal = 0;
    intTotalA = 0;
    intCorrectA = 0;
    two.percent->clear();
    three.percent->clear();
}

void DrillWindow::mnuItemRetrievScores_Click()
{
    scores::displayScores(m_drill.scores);
}

void DrillWindow::mnuItemProgress_Click()
{
    progress::showProgress(&m_drill);
}

} // namespace drills
