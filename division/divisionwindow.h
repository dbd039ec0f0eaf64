// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Division window: one exercise, the quotient typed to two decimal places.
#pragma once

#include "drills/exercise.h"
#include "drills/exerciseview.h"
#include "toolkit/forms/dialogs.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/picture.h"
#include "toolkit/text/random.h"

namespace division {

class DivisionWindow : public toolkit::Form
{
    Q_OBJECT

public:
    // Deals from the program's random source and asks the program's boxes unless handed others.
    explicit DivisionWindow(toolkit::RandomSource &random = toolkit::RandomSource::instance(),
                            toolkit::ModalBoxes &boxes = toolkit::ModalBoxes::instance(),
                            QWidget *parent = nullptr);

    void Form_Load() override;

    QString lastSaid() const override;

    // The window's design, in divisiondesign.cpp beside the constructor.
    static const toolkit::ControlRow Rows[];
    static const toolkit::MenuRow MenuRows[];
    static const toolkit::WindowDesign Design;

private:
    drills::Exercise m_exercise;
    // Its tallies and animation step, under the window's names; tests reach them by answering.
    qint16 &intTotalA = m_exercise.total;
    qint16 &intCorrectA = m_exercise.correct;
    qint16 &intRewardA = m_exercise.reward;
    qint16 &intStepA = m_exercise.step;

public:
    // The controls of its one exercise, named as the drill windows' two-number one, as the design's
    // rows bind them, and the faces they show.
    drills::ExerciseControls two;
    toolkit::Picture *imgFace[5] = {};

protected:
    void boxEntered(QWidget *box) override;

private:
    // Its controls' and menu items' handlers, which the design's rows connect.
    void mnuitemSaveScore_Click();
    void mnuItemRetrievScores_Click();
    void mnuItemProgress_Click();
    void cmdReset_Click();
    void cmdAnswer_Click();
    void cmdScore1_Click();
    void cmdExit_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    const drilltable::Drill &m_drill;
    // A problem at the learner's level, or from the drill's designed ranges.
    QStringList dealt(std::span<const drilltable::Range> designed);

    drills::ExerciseView m_view;
    bool m_opening = true; // until the keyboard first lands in the box
    toolkit::RandomSource &m_random;
    toolkit::ModalBoxes &m_boxes;
};

} // namespace division
