// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts and colours of the design, mapped onto what this desktop has.
#pragma once

#include "toolkit/forms/design.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QWidget;

namespace toolkit {

// Maps the design's faces onto installed metric-compatible ones (Liberation).
void installFontSubstitutes();

// The font every window uses where its design names none.
QFont windowFont();

// Keeps the application's font (menus, boxes) proportional. Where the desktop names no face
// that is installed, fontconfig may answer "sans-serif" with a monospace one (Liberation Mono
// where the Liberation fonts are all there is); the window font's face then takes its place, at
// the size the desktop asked for. Call it once the application exists.
void keepProportionalFont();

QFont toQFont(const Font &font, const QFont &base);

// The palette role that carries a numbered system colour, so dark themes stay legible.
QPalette::ColorRole systemRole(int index);

QColor resolve(const Colour &colour, const QPalette &palette);

// The contrast ratio of two colours as the web's accessibility guidelines define it: 1 for none,
// 21 for black on white. Text reads comfortably from LegibleContrast on.
double contrastRatio(const QColor &a, const QColor &b);
inline constexpr double LegibleContrast = 4.5;

// The text colour the design asks for where it reads on the backdrop; otherwise the first of the
// palette's text colours that does, or black or white, whichever reads better. A dark desktop
// turns the system colours around while the design's fixed colours stay light.
QColor legibleText(const QColor &designed, const QColor &backdrop, const QPalette &palette);

// A window icon from its 32 and 16 pixel pictures and its vector, see pictureIcon().
QIcon designIcon(const char *name);

// Paints the widget's background in the colour; system colours follow the palette.
void setBackground(QWidget *widget, const Colour &colour);

} // namespace toolkit
