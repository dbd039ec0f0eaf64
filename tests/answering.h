// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Answering a drill window's problems as a learner does, and reading its score panel, so tests
// reach a tally through the window instead of setting it.
#pragma once

#include "controls.h"
#include "drills/exerciseview.h"
#include "rightanswer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Answers the problem the tiles show, rightly or not, and leaves the verdict on screen.
inline void answerProblem(const QWidget &window, const drills::ExerciseControls &side,
                          bool right = true)
{
    QStringList operands;
    for (const QLabel *tile : side.operands) {
        if (tile)
            operands << tile->text();
    }
    const QString answer = rightAnswer(operationOf(window), operands);
    side.answerBox->setText(right                      ? answer
                            : answer.startsWith(u"77") ? QStringLiteral("88")
                                                       : QStringLiteral("77"));
    side.answerButton->click();
}

// Answers the problem the tiles show, rightly or not, and deals the next one with Reset.
inline void answerProblems(const QWidget &window, const drills::ExerciseControls &side, int count,
                           bool right = true)
{
    for (int i = 0; i < count; ++i) {
        answerProblem(window, side, right);
        side.resetButton->click();
    }
}

// The score panel after pressing its Score button: right answers, then the total.
inline QStringList scoreShown(const drills::ExerciseControls &side, QAbstractButton *scoreButton)
{
    scoreButton->click();
    return {side.correct->text(), side.total->text()};
}
