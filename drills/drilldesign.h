// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one design of the integer drill windows, with a column per layout for what differs. A drill
// takes its layout from the table of drills.
#pragma once

#include "exercise.h"

#include "drilltable/drills.h"
#include "toolkit/forms/design.h"

#include <array>

namespace drills {

using drilltable::Drill;
using drilltable::Layout;

// A design value for each of the three layouts; one value when they share it.
template<class T>
struct PerLayout
{
    std::array<T, drilltable::IntegerLayouts> value{};

    constexpr PerLayout() = default;
    constexpr PerLayout(T all)
        : value{all, all, all}
    {}
    constexpr PerLayout(T addition, T subtraction, T multiplication)
        : value{addition, subtraction, multiplication}
    {}
    constexpr const T &operator[](Layout layout) const { return value[static_cast<int>(layout)]; }
};

// A caption that is the drill's own rather than its layout's.
enum class DrillText { None, FirstHeading, SecondHeading, Sign };

// A control's row: what the layouts share, and a column for each field that differs by layout.
// The shared row leaves those five fields unset, or they would be lost.
struct DrillRow
{
    toolkit::ControlRow shared = {};
    PerLayout<toolkit::Twips> geometry = {};
    PerLayout<const char *> caption = "";
    PerLayout<toolkit::Font> font = toolkit::Font{};
    PerLayout<int> tabIndex = -1;
    PerLayout<const char *> accessibleName = nullptr;
    DrillText drillText = DrillText::None;

    toolkit::ControlRow at(const Drill &drill) const;
};

// A menu row: what the layouts share, and a column for the name and caption.
struct DrillMenuRow
{
    toolkit::MenuRow shared = {};
    PerLayout<const char *> name;
    PerLayout<const char *> caption;

    toolkit::MenuRow at(const Drill &drill) const;
};

} // namespace drills
