// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "divisionwindow.h"

#include "divisiondesign.h"

#include "scores/scorerecord.h"
#include "scores/scorewindow.h"
#include "toolkit/random.h"

#include <QLabel>
#include <QLineEdit>

namespace division {

using drills::Face;
using drills::Operation;

DivisionWindow::DivisionWindow(QWidget *parent)
    : Form(divisionDesign(), parent)
    , m_exercise(Operation::Divide, Face::Smiling)
    , m_view(*this, Operation::Divide, imgFace)
{
    // The answer box has no change handler: typing moves no default button here.
    build(divisionRows());
    buildMenus(divisionMenuRows());
    m_view.setControls({.operands = {lblNumber[0], lblNumber[1]},
                        .answerBox = txtAnswer,
                        .correctAnswer = lblNumber[2],
                        .leadIn = lblNumber[3],
                        .answerButton = cmdAnswer,
                        .resetButton = cmdReset,
                        .answerRim = Shape8,
                        .resetRim = Shape7,
                        .awaitingFrame = Shape10,
                        .rightFrame = Shape12,
                        .wrongFrame = Shape13,
                        .picture = imgImage,
                        .praise = lblGood,
                        .firstTimer = Timer1,
                        .secondTimer = Timer2,
                        .correct = lblCorrectA,
                        .total = lblTotalA,
                        .percent = lblPercentA});
}

void DivisionWindow::Form_Load()
{
    intStepA = 0;
    intRewardA = 0;
    intCorrectA = 0;
    intTotalA = 0;
    makeDefault(cmdAnswer);
    toolkit::RandomSource::instance().reseed();
    m_view.showDealt(m_exercise.deal(OperandRanges));
    lblNumber[2]->hide();
    lblNumber[3]->hide();
    txtAnswer->show();
    txtAnswer->setText(QString());
}

void DivisionWindow::cmdReset_Click()
{
    m_view.showAwaiting();
    toolkit::RandomSource::instance().reseed();
    m_view.showNewProblem(m_exercise.deal(OperandRanges));
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
