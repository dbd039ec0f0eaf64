// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one Addition, Subtraction and Multiplication window.
#pragma once

#include "toolkit/forms/windowinstance.h"

namespace drills {

toolkit::WindowInstance &frmAddition();
toolkit::WindowInstance &frmSubtraction();
toolkit::WindowInstance &frmMultiplication();

} // namespace drills
