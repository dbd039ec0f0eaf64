// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The integer drill windows (Addition, Subtraction, Multiplication): one class, two exercises side
// by side.
#pragma once

#include "drilldesign.h"
#include "exercise.h"
#include "exerciseview.h"

#include "toolkit/forms/dialogs.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/picture.h"
#include "toolkit/text/random.h"

namespace drills {

class DrillWindow : public toolkit::Form
{
    Q_OBJECT

public:
    // Deals from the program's random source and asks the program's boxes unless handed others.
    explicit DrillWindow(const Drill &drill,
                         toolkit::RandomSource &random = toolkit::RandomSource::instance(),
                         toolkit::ModalBoxes &boxes = toolkit::ModalBoxes::instance(),
                         QWidget *parent = nullptr);

    void Form_Load() override;

    // The design of the integer drill windows, in drilldesign.cpp beside the constructor.
    static const DrillRow Rows[];
    static const DrillMenuRow MenuRows[];

private:
    // The two-number exercise (A) and the three-number one.
    Exercise m_two;
    Exercise m_three;
    // Their tallies and animation steps, under the window's names; tests reach them by answering.
    qint16 &intTotalA = m_two.total;
    qint16 &intCorrectA = m_two.correct;
    qint16 &intRewardA = m_two.reward;
    qint16 &intStepA = m_two.step;
    qint16 &intTotal = m_three.total;
    qint16 &intCorrect = m_three.correct;
    qint16 &intReward = m_three.reward;
    qint16 &intStep = m_three.step;

public:
    // The controls of each exercise, as the design's rows bind them, and the faces they show.
    ExerciseControls two;
    ExerciseControls three;
    toolkit::Picture *imgFace[5] = {};

    QString lastSaid() const override;

protected:
    void boxEntered(QWidget *box) override;

private:
    // Its controls' and menu items' handlers, which the design's rows connect. Save Score is one,
    // whether its item is named mnuitemSaveScore (Addition) or mnuItemSaveScore.
    void mnuItemSaveScore_Click();
    void mnuItemRetrievScores_Click();
    void mnuItemProgress_Click();
    void cmdReset_Click();
    void cmdReset1_Click();
    void cmdExit_Click();
    void txtAnswer_Change();
    void txtNumber2_Change();
    void cmdAnswer_Click();
    void cmdAnswer1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void cmdScore1_Click();
    void cmdScore_Click();

    // A problem at the learner's level, or from the drill's designed ranges.
    QStringList dealt(const Exercise &exercise, const ExerciseView &view,
                      std::span<const Range> designed);
    void showLevel();

    const Drill &m_drill;
    toolkit::RandomSource &m_random;
    toolkit::ModalBoxes &m_boxes;
    ExerciseView m_twoView;
    ExerciseView m_threeView;
    bool m_opening = true; // until the keyboard first lands in a box
};

} // namespace drills
