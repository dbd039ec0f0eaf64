// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "divisionwindow.h"

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
    makeDefault(cmdAnswer);
    m_random.reseed();
    m_view.showDealt(m_exercise.deal(OperandRanges, m_random));
    lblNumber[2]->hide();
    lblNumber[3]->hide();
    txtAnswer->show();
    txtAnswer->setText(QString());
}

void DivisionWindow::cmdReset_Click()
{
    m_view.showAwaiting();
    m_random.reseed();
    m_view.showNewProblem(m_exercise.deal(OperandRanges, m_random));
}

void DivisionWindow::cmdAnswer_Click()
{
    m_view.showAnswered(m_exercise.answer(m_view.operandCaptions(), txtAnswer->text()));
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
    if (!scores::saveScore(this, scores::DivisionScores, {lblPercentA->text(), lblTotalA->text()}))
        return;
    intTotalA = 0;
    intCorrectA = 0;
    lblPercentA->clear();
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

namespace {
toolkit::WindowInstance g_instance([] { return new DivisionWindow; });
}

toolkit::WindowInstance &frmDivision()
{
    return g_instance;
}

} // namespace division
