// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of drills: one row per drill, the one place a drill is named. The main window's menu,
// the window instances, the score files, the viewer and Progress all go through it.
#pragma once

#include "scores/scorerecord.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace drilltable {

// The operations the drills practise. Each has one row in the table of operations: the integer
// ones in drills/operations.h, Division's in division/dividing.h.
enum class Operation { Add, Subtract, Multiply, Divide };

// The operand range of one tile, lo to hi.
struct Range
{
    int lo;
    int hi;
};

// One exercise's operand ranges, one per tile, when the window loads and at Reset.
struct ExerciseRanges
{
    int operands = 0; // 0 where the drill has no such exercise
    std::array<Range, 3> atLoad = {};
    std::array<Range, 3> atReset = {};

    constexpr std::span<const Range> load() const { return std::span(atLoad).first(operands); }
    constexpr std::span<const Range> reset() const { return std::span(atReset).first(operands); }
};

// Which design a drill's window is built from. The integer drills share one design with a
// geometry column per layout; a new integer drill takes one of the three. Division has its own.
enum class Layout { Addition, Subtraction, Multiplication, Division };
inline constexpr std::size_t IntegerLayouts = 3;
constexpr bool integerLayout(Layout layout)
{
    return layout != Layout::Division;
}

// Texts are translated in the context of the window that shows them: the drill window's
// ("drills::DrillWindow", Division's own), the main window's and Progress's.
struct Drill
{
    const char *key;  // stable, where a drill is written in a file: "addition"
    const char *name; // its window's design name: "frmAddition"
    const char *caption;
    const char *icon; // see toolkit::designIcon()
    Operation operation;
    Layout layout;
    scores::ScoreFile scores; // its file and the texts its records name the exercises with
    const char *menuName;     // its item in the main window's "Sumbrook" list
    const char *menuCaption;
    // The ranges the design deals, per exercise (two-number, then three-number). They are what
    // the designed level deals; other levels live beside the table, keyed by the drill's key.
    std::array<ExerciseRanges, 2> designed;
    std::array<const char *, 2> headings; // above each exercise; Division's design has its own
    const char *progressName;             // in Progress's list of drills
    std::array<const char *, 2> progressExercises;

    constexpr int exercises() const { return designed[1].operands ? 2 : 1; }
};

// clang-format off
inline constexpr Drill Drills[] = {
    {.key = "addition", .name = "frmAddition",
     .caption = QT_TRANSLATE_NOOP("drills::DrillWindow", "Addition"), .icon = "plus",
     .operation = Operation::Add, .layout = Layout::Addition,
     .scores = {"Add.txt", " Questions on ADD 2 and ", " Questions on ADD 3"},
     .menuName = "mnuitemAddition", .menuCaption = QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Addition"),
     // Addition alone deals smaller numbers for its first problems.
     .designed = {{{2, {{{1, 10}, {1, 10}}}, {{{1, 25}, {1, 25}}}},
                   {3, {{{1, 10}, {1, 10}, {1, 10}}}, {{{1, 25}, {1, 25}, {1, 25}}}}}},
     //: A heading says how many numbers the problem has ("2 numbers"), not a step to take. In
     //: the Addition window about eight letters fit before the Reset button's rim.
     .headings = {QT_TRANSLATE_NOOP("drills::DrillWindow", "ADD 2"),
                  QT_TRANSLATE_NOOP("drills::DrillWindow", "ADD 3")},
     .progressName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Addition"),
     .progressExercises = {QT_TRANSLATE_NOOP("progress::ProgressWindow", "Addition, 2 numbers"),
                           QT_TRANSLATE_NOOP("progress::ProgressWindow", "Addition, 3 numbers")}},
    {.key = "subtraction", .name = "frmSubtraction",
     .caption = QT_TRANSLATE_NOOP("drills::DrillWindow", "Subtraction"), .icon = "minus",
     .operation = Operation::Subtract, .layout = Layout::Subtraction,
     .scores = {"Sub.txt", " Questions on SUBTRACT 2 and ", " Questions on SUBTRACT 3"},
     .menuName = "mnuItemSubtraction",
     .menuCaption = QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Subtraction"),
     .designed = {{{2, {{{25, 74}, {1, 25}}}, {{{25, 74}, {1, 25}}}},
                   {3, {{{35, 84}, {20, 54}, {1, 20}}}, {{{35, 84}, {20, 54}, {1, 20}}}}}},
     .headings = {QT_TRANSLATE_NOOP("drills::DrillWindow", "SUBTRACT  2"),
                  QT_TRANSLATE_NOOP("drills::DrillWindow", "SUBTRACT 3")},
     .progressName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Subtraction"),
     .progressExercises = {QT_TRANSLATE_NOOP("progress::ProgressWindow", "Subtraction, 2 numbers"),
                           QT_TRANSLATE_NOOP("progress::ProgressWindow", "Subtraction, 3 numbers")}},
    {.key = "multiplication", .name = "frmMultiplication",
     .caption = QT_TRANSLATE_NOOP("drills::DrillWindow", "Multiplication"), .icon = "cross",
     .operation = Operation::Multiply, .layout = Layout::Multiplication,
     .scores = {"Multiply.txt", " Questions on MULTIPLY 2 and ", " Questions on MULTIPLY 3"},
     .menuName = "mnuItemMultiplication",
     .menuCaption = QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Multiplication"),
     .designed = {{{2, {{{1, 25}, {1, 25}}}, {{{1, 25}, {1, 25}}}},
                   {3, {{{1, 25}, {1, 25}, {1, 25}}}, {{{1, 25}, {1, 25}, {1, 25}}}}}},
     .headings = {QT_TRANSLATE_NOOP("drills::DrillWindow", "MULTIPLY  2"),
                  QT_TRANSLATE_NOOP("drills::DrillWindow", "MULTIPLY 3")},
     .progressName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Multiplication"),
     .progressExercises = {QT_TRANSLATE_NOOP("progress::ProgressWindow", "Multiplication, 2 numbers"),
                           QT_TRANSLATE_NOOP("progress::ProgressWindow", "Multiplication, 3 numbers")}},
    {.key = "division", .name = "frmDivision",
     .caption = QT_TRANSLATE_NOOP("division::DivisionWindow", "Division "), .icon = "divide",
     .operation = Operation::Divide, .layout = Layout::Division,
     .scores = {"Divide.txt", " Questions on Divide 2 decimal places and ", nullptr},
     .menuName = "mnuItemDivision", .menuCaption = QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Division"),
     // Dividend 25 to 99, then divisor 1 to 25, at load and at Reset alike.
     .designed = {{{2, {{{25, 99}, {1, 25}}}, {{{25, 99}, {1, 25}}}}, {}}},
     .headings = {},
     .progressName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Division"),
     .progressExercises = {QT_TRANSLATE_NOOP("progress::ProgressWindow", "Division"), nullptr}},
};
// clang-format on

inline constexpr std::size_t DrillCount = std::size(Drills);

constexpr std::size_t indexOf(const Drill &drill)
{
    return std::size_t(&drill - Drills);
}

// The drill with this key; the program stops on a key no row has.
constexpr const Drill &drill(std::string_view key)
{
    for (const Drill &row : Drills) {
        if (key == row.key)
            return row;
    }
    qFatal("No drill has the key %.*s", int(key.size()), key.data());
}

// Every drill's exercises in one numbering, in the table's order: Progress's columns.
inline constexpr int ExerciseCount = [] {
    int count = 0;
    for (const Drill &row : Drills)
        count += row.exercises();
    return count;
}();
constexpr int exerciseIndex(const Drill &drill, int exercise)
{
    int index = 0;
    for (const Drill *row = Drills; row != &drill; ++row)
        index += row->exercises();
    return index + exercise;
}
constexpr const Drill &drillOfExercise(int index)
{
    for (const Drill &row : Drills) {
        if (index < row.exercises())
            return row;
        index -= row.exercises();
    }
    qFatal("No drill has exercise %d", index);
}
// A drill's name as a teacher reads it, in the program's language: "Addition", as Progress lists
// it. The Class window and the class file's messages name drills so too.
QString title(const Drill &drill);

constexpr const char *exerciseName(int index)
{
    const Drill &row = drillOfExercise(index);
    return row.progressExercises[index - exerciseIndex(row, 0)];
}

} // namespace drilltable
