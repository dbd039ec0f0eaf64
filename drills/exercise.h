// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise as plain values: the problem read from its tiles' captions, the tallies, the reward
// run and the animation steps. The two exercises of a drill window and the Division window's one
// share it; the windows only show what it answers.
#pragma once

#include "drilltable/drills.h"

#include <QString>
#include <QStringList>

#include <span>

namespace toolkit {
class RandomSource;
}

namespace drills {

using drilltable::Operation;
using drilltable::Range;
struct OperationRow;

// The faces imgFace(0) to imgFace(4), saddest first.
enum class Face { None = -1, Frowning, Straight, Smiling, Laughing, LaughingWithNose };

class Exercise
{
public:
    struct Answered
    {
        bool right = false;
        QString correctText;      // the correct answer as the answer box must hold it
        QString typedText;        // the answer as it is compared and then shown
        Face face = Face::None;   // what the picture shows from now on
        bool faceChanges = false; // a fifth right answer leaves the picture until the first tick
        bool animationStarts = false;
        bool rounded = false;    // the quotient has more decimals than the two shown
        QString separatorWanted; // the decimal separator, when the learner typed the other one
    };

    struct Ticked
    {
        Face face = Face::None;
        bool faceChanges = false; // the fifth step has no face of its own: the fourth one stays
        bool praiseShows = false; // from the first timer's ticks on
    };

    struct Score
    {
        QString correct;
        QString total; // "1" when nothing was answered, so the share is a number
        QString percent;
    };

    Exercise(const OperationRow &operation, Face rightFace);

    // Operand captions, one draw each from the source, in tile order.
    QStringList deal(std::span<const Range> ranges, toolkit::RandomSource &random) const;
    // Checks the typed answer against the operands as their tiles show them and counts it.
    Answered answer(const QStringList &operandCaptions, const QString &typed);
    // A tick of the reward animation's first or second timer.
    Ticked tick(bool firstTimer);
    Score score() const;

    // The correct answer: the operation applied from left to right, as text.
    QString correctText(const QStringList &operandCaptions) const;

    // 16-bit, as the windows' members; each stops at 32767.
    qint16 total = 0;
    qint16 correct = 0;
    qint16 reward = 0; // right answers since the animation last started
    qint16 step = 0;   // 1 to 5 once the animation has ticked

private:
    const OperationRow *m_operation;
    Face m_rightFace;
    Face m_shown = Face::None;
};

// One operation: its sign, how a problem of it is worked out, checked and read aloud. The integer
// drills' rows are one table keyed by the operation (operations.h); Division's is its own.
struct OperationRow
{
    Operation operation = Operation::Add;
    // Its sign between the tiles and the sign's name, translated in the drill window's context;
    // null where no drill window shows the operation.
    const char *sign = nullptr;
    const char *word = nullptr;
    double (*apply)(double left, double right) = nullptr; // from left to right over the operands
    QString (*resultText)(double result) = nullptr; // the correct answer as the answer box holds it
    // Compares the typed answer with answered.correctText, setting what the check finds; null
    // compares the typed text exactly.
    void (*check)(Exercise::Answered &answered, const QStringList &operandCaptions) = nullptr;
    const char *readTwo = nullptr;   // "%1 plus %2", translated in the ExerciseView context
    const char *readThree = nullptr; // null where three operands never come
};

} // namespace drills
