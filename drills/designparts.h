// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and colours that every drill window's design shares, Division's included.
#pragma once

#include "toolkit/forms/design.h"

namespace drills::parts {

using toolkit::Colour;
using toolkit::Font;
using toolkit::rgb;

inline constexpr Font Heading{"MS Sans Serif", 13.5, true, true};
inline constexpr Font Tile{"MS Sans Serif", 18};
inline constexpr Font Sign{"MS Sans Serif", 24};
inline constexpr Font LeadIn{"MS Sans Serif", 12, true};
inline constexpr Font Praise{"MS Serif", 13.5};

inline constexpr Colour Pink = rgb(0xFFC0C0);
inline constexpr Colour Peach = rgb(0xFFE0C0);
inline constexpr Colour LightGreen = rgb(0xC0FFC0);
inline constexpr Colour Lavender = rgb(0xC0C0FF);
inline constexpr Colour Yellow = rgb(0xFFFF00);
inline constexpr Colour Blue = rgb(0x0000FF);
inline constexpr Colour Red = rgb(0xFF0000);
inline constexpr Colour Magenta = rgb(0xFF00FF);
inline constexpr Colour PaleYellow = rgb(0xFFFFC0);

} // namespace drills::parts
