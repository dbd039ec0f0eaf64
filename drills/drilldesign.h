// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one design of the Addition, Subtraction and Multiplication windows, with a column per window
// for what differs.
#pragma once

#include "exercise.h"

#include "toolkit/design.h"

#include <array>
#include <span>

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
    constexpr T operator[](Drill drill) const { return value[static_cast<int>(drill)]; }
};

// A control's row with a column per window where they differ; the fields mean what they mean in
// toolkit::ControlRow.
struct DrillRow
{
    toolkit::Kind kind = toolkit::Kind::Label;
    const char *name = nullptr;
    PerDrill<toolkit::Twips> geometry = {};
    PerDrill<const char *> caption = "";
    const char *picture = nullptr;
    PerDrill<toolkit::Font> font = toolkit::Font{};
    toolkit::Colour fore = {};
    toolkit::Colour back = {};
    toolkit::Colour outline = {};
    int outlineWidth = 0;
    unsigned flags = toolkit::NoFlags;
    PerDrill<int> tabIndex = -1;
    int interval = 0;
    PerDrill<const char *> accessibleName = nullptr;
    const char *description = nullptr;
    toolkit::MemberBinder member = nullptr;
    toolkit::Handler handler = nullptr;

    toolkit::ControlRow at(Drill drill) const;
};

struct DrillMenuRow
{
    PerDrill<const char *> name;
    PerDrill<const char *> caption;
    bool item = false;
    toolkit::Handler handler = nullptr;
};

std::span<const DrillRow> drillRows();
std::span<const DrillMenuRow> drillMenuRows();
const toolkit::WindowDesign &windowDesign(Drill drill);

// The operand ranges of one exercise when the window loads and at Reset.
struct OperandRanges
{
    std::array<Range, 2> twoAtLoad;
    std::array<Range, 2> twoAtReset;
    std::array<Range, 3> threeAtLoad;
    std::array<Range, 3> threeAtReset;
};

const OperandRanges &operandRanges(Drill drill);
Operation operationOf(Drill drill);

} // namespace drills
