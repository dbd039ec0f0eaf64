// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Division window's design: a written long division with one exercise.
#pragma once

#include "drills/exercise.h"
#include "toolkit/design.h"

#include <array>
#include <span>

namespace division {

std::span<const toolkit::ControlRow> divisionRows();
std::span<const toolkit::MenuRow> divisionMenuRows();
const toolkit::WindowDesign &divisionDesign();

// Dividend 25 to 99, then divisor 1 to 25, at load and at Reset alike.
inline constexpr std::array<drills::Range, 2> OperandRanges{{{25, 99}, {1, 25}}};

} // namespace division
