// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one design of the Addition, Subtraction and Multiplication windows, with a column per window
// for what differs.
#pragma once

#include "exercise.h"

#include "toolkit/forms/design.h"

#include <array>

namespace drills {

enum class Drill { Addition, Subtraction, Multiplication };
inline constexpr std::array AllDrills{Drill::Addition, Drill::Subtraction, Drill::Multiplication};

// A design value for each of the three windows; one value when they share it.
template<class T>
struct PerDrill
{
    std::array<T, 3> value{};

    constexpr PerDrill() = default;
    constexpr PerDrill(T all)
        : value{all, all, all}
    {}
    constexpr PerDrill(T addition, T subtraction, T multiplication)
        : value{addition, subtraction, multiplication}
    {}
    constexpr const T &operator[](Drill drill) const { return value[static_cast<int>(drill)]; }
};

// A control's row: what the three windows share, and a column for each field that differs by
// window. The shared row leaves those five fields unset, or they would be lost.
struct DrillRow
{
    toolkit::ControlRow shared = {};
    PerDrill<toolkit::Twips> geometry = {};
    PerDrill<const char *> caption = "";
    PerDrill<toolkit::Font> font = toolkit::Font{};
    PerDrill<int> tabIndex = -1;
    PerDrill<const char *> accessibleName = nullptr;

    toolkit::ControlRow at(Drill drill) const;
};

// A menu row: what the three windows share, and a column for the name and caption.
struct DrillMenuRow
{
    toolkit::MenuRow shared = {};
    PerDrill<const char *> name;
    PerDrill<const char *> caption;

    toolkit::MenuRow at(Drill drill) const;
};

// The operand ranges of one exercise when the window loads and at Reset.
struct OperandRanges
{
    std::array<Range, 2> twoAtLoad;
    std::array<Range, 2> twoAtReset;
    std::array<Range, 3> threeAtLoad;
    std::array<Range, 3> threeAtReset;
};

// Each window's operand ranges: Addition alone deals smaller numbers for its first problems.
// clang-format off
inline constexpr PerDrill<OperandRanges> Ranges{
    {{{{1, 10}, {1, 10}}}, {{{1, 25}, {1, 25}}}, {{{1, 10}, {1, 10}, {1, 10}}},
     {{{1, 25}, {1, 25}, {1, 25}}}},
    {{{{25, 74}, {1, 25}}}, {{{25, 74}, {1, 25}}}, {{{35, 84}, {20, 54}, {1, 20}}},
     {{{35, 84}, {20, 54}, {1, 20}}}},
    {{{{1, 25}, {1, 25}}}, {{{1, 25}, {1, 25}}}, {{{1, 25}, {1, 25}, {1, 25}}},
     {{{1, 25}, {1, 25}, {1, 25}}}},
};
// clang-format on

inline constexpr PerDrill<Operation> Operations{Operation::Add, Operation::Subtract,
                                                Operation::Multiply};

} // namespace drills
