// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillwindow.h"

#include "scores/scorerecord.h"
#include "scores/scorewindow.h"
#include "toolkit/random.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace drills {

namespace {

std::vector<toolkit::ControlRow> rowsOf(Drill drill)
{
    std::vector<toolkit::ControlRow> rows;
    std::ranges::transform(drillRows(), std::back_inserter(rows),
                           [drill](const DrillRow &row) { return row.at(drill); });
    return rows;
}

std::vector<toolkit::MenuRow> menuRowsOf(Drill drill)
{
    std::vector<toolkit::MenuRow> rows;
    std::ranges::transform(drillMenuRows(), std::back_inserter(rows),
                           [drill](const DrillMenuRow &row) { return row.at(drill); });
    return rows;
}

constexpr PerDrill<const scores::ScoreFile *> ScoreFiles{
    &scores::AdditionScores, &scores::SubtractionScores, &scores::MultiplicationScores};

} // namespace

DrillWindow::DrillWindow(Drill drill, QWidget *parent)
    : Form(windowDesign(drill), parent)
    , m_two(Operations[drill], Face::Smiling)
    , m_three(Operations[drill], Face::Laughing)
    , m_drill(drill)
    , m_ranges(Ranges[drill])
    , m_twoView(*this, Operations[drill], imgFace)
    , m_threeView(*this, Operations[drill], imgFace)
{
    build(rowsOf(drill));
    buildMenus(menuRowsOf(drill));
    m_twoView.setControls({.operands = {lblNumber[0], lblNumber[1]},
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
    m_threeView.setControls({.operands = {lblnumber2[0], lblnumber2[1], lblnumber2[2]},
                             .answerBox = txtNumber2,
                             .correctAnswer = lblnumber2[3],
                             .leadIn = lblNumber[4],
                             .answerButton = cmdAnswer1,
                             .resetButton = cmdReset1,
                             .answerRim = Shape6,
                             .resetRim = Shape5,
                             .awaitingFrame = Shape9,
                             .rightFrame = Shape14,
                             .wrongFrame = Shape11,
                             .picture = imgAnswer,
                             .praise = lblGood1,
                             .firstTimer = Timer3,
                             .secondTimer = Timer4,
                             .correct = lblCorrect,
                             .total = lblTotal,
                             .percent = lblPersent});
}

void DrillWindow::Form_Load()
{
    intStepA = 0;
    intStep = 0;
    intCorrect = 0;
    intCorrectA = 0;
    intRewardA = 0;
    intTotalA = 0;
    intReward = 0;
    intTotal = 0;
    makeDefault(cmdAnswer);
    toolkit::RandomSource::instance().reseed();
    m_threeView.showDealt(m_three.deal(m_ranges.threeAtLoad));
    m_twoView.showDealt(m_two.deal(m_ranges.twoAtLoad));
    lblNumber[2]->hide();
    lblNumber[3]->hide();
    txtAnswer->show();
    txtAnswer->setText(QString());
}

void DrillWindow::cmdReset_Click()
{
    m_twoView.showAwaiting();
    toolkit::RandomSource::instance().reseed();
    m_twoView.showNewProblem(m_two.deal(m_ranges.twoAtReset));
}

void DrillWindow::cmdReset1_Click()
{
    m_threeView.showAwaiting();
    toolkit::RandomSource::instance().reseed();
    m_threeView.showNewProblem(m_three.deal(m_ranges.threeAtReset));
}

void DrillWindow::cmdExit_Click()
{
    unload();
}

void DrillWindow::txtAnswer_Change()
{
    takeDefault(cmdAnswer1);
    takeDefault(cmdReset1);
    makeDefault(cmdAnswer);
}

void DrillWindow::txtNumber2_Change()
{
    takeDefault(cmdReset);
    takeDefault(cmdAnswer);
    makeDefault(cmdAnswer1);
}

void DrillWindow::boxEntered(QWidget *box)
{
    // As typing does: Enter never answers the other exercise, with a box nobody filled in.
    (box == txtNumber2 ? m_threeView : m_twoView).takeEnter();
}

void DrillWindow::cmdAnswer_Click()
{
    m_twoView.showAnswered(m_two.answer(m_twoView.operandCaptions(), txtAnswer->text()));
}

void DrillWindow::cmdAnswer1_Click()
{
    m_threeView.showAnswered(m_three.answer(m_threeView.operandCaptions(), txtNumber2->text()));
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
    const scores::Captions shown{lblPercentA->text(), lblTotalA->text(), lblPersent->text(),
                                 lblTotal->text()};
    if (!scores::saveScore(this, *ScoreFiles[m_drill], shown))
        return;
    intCorrect = 0;
    intTotal = 0;
    intTotalA = 0;
    intCorrectA = 0;
    lblPercentA->clear();
    lblPersent->clear();
}

void DrillWindow::mnuItemRetrievScores_Click()
{
    scores::displayScores(*ScoreFiles[m_drill]);
}

} // namespace drills
