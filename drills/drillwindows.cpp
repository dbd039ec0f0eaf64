// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "drillwindows.h"

#include "drilldesign.h"
#include "drillwindow.h"

namespace drills {

namespace {
toolkit::WindowInstance g_addition([] { return new DrillWindow(Drill::Addition); });
toolkit::WindowInstance g_subtraction([] { return new DrillWindow(Drill::Subtraction); });
toolkit::WindowInstance g_multiplication([] { return new DrillWindow(Drill::Multiplication); });
} // namespace

toolkit::WindowInstance &frmAddition()
{
    return g_addition;
}

toolkit::WindowInstance &frmSubtraction()
{
    return g_subtraction;
}

toolkit::WindowInstance &frmMultiplication()
{
    return g_multiplication;
}

} // namespace drills
