// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "divisionwindow.h"

#include "drilltable/levels.h"
#include "progress/progresswindow.h"
#include "scores/scorerecord.h"
#include "scores/scorewindow.h"

#include <QLabel>
#include <QLineEdit>

namespace division {

void DivisionWindow::Form_Load()
{
    intStepA = 0;
    intRewardA = 0;
    intCorrectA = 0;
    intTotalA = 0;
    makeDefault(two.answerButton);
    m_random.reseed();
    m_view.showDealt(dealt());
    two.correctAnswer->hide();
    two.leadIn->hide();
    two.answerBox->show();
    two.answerBox->setText(QString());
}

void DivisionWindow::cmdReset_Click()
{
    m_view.showAwaiting();
    m_random.reseed();
    m_view.showNewProblem(dealt());
}

QStringList DivisionWindow::dealt()
{
    // The level stands beside the window's name, where a learner at a level of their own reads it;
    // a learner changed meanwhile practises at their level from their next problem on.
    const drilltable::Level level = drilltable::levelInForce(QStringLiteral("division"));
    const QString caption = tr(Design.caption);
    setWindowTitle(level.isDesigned() ? caption
                                      : tr("%1 (%2)").arg(caption.trimmed(), level.title()));
    const QStringList captions = drilltable::dealCaptions(level, drilltable::Numbers::Two, m_random,
                                                          m_view.operandCaptions());
    return captions.isEmpty() ? m_exercise.deal(Ranges, m_random) : captions;
}

void DivisionWindow::cmdAnswer_Click()
{
    m_view.showAnswered(m_exercise.answer(m_view.operandCaptions(), two.answerBox->text()));
}

void DivisionWindow::cmdScore1_Click()
{
    m_view.showScore(m_exercise.score());
}

void DivisionWindow::cmdExit_Click()
{
    unload();
}

void DivisionWindow::mnuitemSaveScore_Click()
{
    // The count starts afresh only once the record is safely in the file.
    if (!scores::saveScore(this, scores::DivisionScores, {two.percent->text(), two.total->text()}))
        return;
    intTotalA = 0;
    intCorrectA = 0;
    two.percent->clear();
}

void DivisionWindow::mnuItemRetrievScores_Click()
{
    scores::displayScores(scores::DivisionScores);
}

void DivisionWindow::mnuItemProgress_Click()
{
    progress::showProgress(progress::Drill::Division);
}

void DivisionWindow::Timer1_Timer()
{
    m_view.showTick(m_exercise.tick(true), true);
}

void DivisionWindow::Timer2_Timer()
{
    m_view.showTick(m_exercise.tick(false), false);
}

} // namespace division
