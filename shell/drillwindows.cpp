// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillwindows.h"

#include "division/divisionwindow.h"
#include "drills/drillwindow.h"

#include <memory>
#include <vector>

namespace shell {

namespace {

// Made before main() runs, as every window's instance is; the layout says which window class.
const std::vector<std::unique_ptr<toolkit::WindowInstance>> g_windows = [] {
    std::vector<std::unique_ptr<toolkit::WindowInstance>> windows;
    for (const drilltable::Drill &drill : drilltable::Drills) {
        windows.push_back(std::make_unique<toolkit::WindowInstance>([&drill]() -> toolkit::Form * {
            if (integerLayout(drill.layout))
                return new drills::DrillWindow(drill);
            return new division::DivisionWindow;
        }));
    }
    return windows;
}();

} // namespace

toolkit::WindowInstance &windowOf(const drilltable::Drill &drill)
{
    return *g_windows[indexOf(drill)];
}

} // namespace shell
