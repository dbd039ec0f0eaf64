// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of operations, one row each: its sign and word on the drill windows, how a problem of
// it is worked out and checked, and how it is read aloud. Division's row lives with its window.
#pragma once

#include "exercise.h"

#include "division/dividing.h"
#include "toolkit/text/numbers.h"

#include <algorithm>
#include <array>

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

inline constexpr const OperationRow *OperationRows[] = {&Adding, &Subtracting, &Multiplying,
                                                        &division::Dividing};
static_assert(std::size(OperationRows) == std::size_t(Operation::Divide) + 1,
              "a row for every operation");
static_assert(std::ranges::equal(OperationRows,
                                 std::array{Operation::Add, Operation::Subtract,
                                            Operation::Multiply, Operation::Divide},
                                 {}, &OperationRow::operation),
              "each row in its operation's place");

constexpr const OperationRow &operationRow(Operation operation)
{
    return *OperationRows[std::size_t(operation)];
}

} // namespace drills
