// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's instance of each drill window, for tests that go through all three.
#pragma once

#include "drills/drilldesign.h"
#include "drills/drillwindows.h"

inline toolkit::WindowInstance &instanceOf(drills::Drill drill)
{
    constexpr drills::PerDrill<toolkit::WindowInstance &(*)()> Instances{
        &drills::frmAddition, &drills::frmSubtraction, &drills::frmMultiplication};
    return Instances[drill]();
}
