// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of operations, one row each: its sign and word on the drill windows, how a problem of
// it is worked out and checked, and how it is read aloud, for the integer drills. Division's row
// lives with its window.
#pragma once

#include "exercise.h"

#include "toolkit/text/numbers.h"

#include <algorithm>

namespace drills {

// clang-format off
inline constexpr OperationRow Adding{
    .operation = Operation::Add,
    .sign = QT_TRANSLATE_NOOP("drills::DrillWindow", "+"), .word = QT_TRANSLATE_NOOP("drills::DrillWindow", "plus"),
    .apply = [](double l, double r) { return l + r; }, .resultText = toolkit::numberText,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 plus %2"),
    .readThree = QT_TRANSLATE_NOOP("ExerciseView", "%1 plus %2 plus %3")};
inline constexpr OperationRow Subtracting{
    .operation = Operation::Subtract,
    .sign = QT_TRANSLATE_NOOP("drills::DrillWindow", "-"), .word = QT_TRANSLATE_NOOP("drills::DrillWindow", "minus"),
    .apply = [](double l, double r) { return l - r; }, .resultText = toolkit::numberText,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 minus %2"),
    .readThree = QT_TRANSLATE_NOOP("ExerciseView", "%1 minus %2 minus %3")};
inline constexpr OperationRow Multiplying{
    .operation = Operation::Multiply,
    .sign = QT_TRANSLATE_NOOP("drills::DrillWindow", "X"), .word = QT_TRANSLATE_NOOP("drills::DrillWindow", "times"),
    .apply = [](double l, double r) { return l * r; }, .resultText = toolkit::numberText,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 times %2"),
    .readThree = QT_TRANSLATE_NOOP("ExerciseView", "%1 times %2 times %3")};
// clang-format on

inline constexpr const OperationRow *IntegerOperations[] = {&Adding, &Subtracting, &Multiplying};

// The row of an integer drill's operation; the program stops for one it has no row for.
constexpr const OperationRow &integerOperation(Operation operation)
{
    const auto row = std::ranges::find(IntegerOperations, operation,
                                       [](const OperationRow *row) { return row->operation; });
    if (row == std::end(IntegerOperations))
        qFatal("No integer drill works with operation %d", int(operation));
    return **row;
}

} // namespace drills
