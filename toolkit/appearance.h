// Fonts and colours of the design, mapped onto what this desktop has.
#pragma once

#include "design.h"

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

QFont toQFont(const Font &font, const QFont &base);

// The palette role that carries a numbered system colour, so dark themes stay legible.
QPalette::ColorRole systemRole(int index);

QColor resolve(const Colour &colour, const QPalette &palette);

// A window icon from its 32 and 16 pixel pictures, ":/<name>-32.xpm" and ":/<name>-16.xpm".
QIcon designIcon(const char *name);

// Paints the widget's background in the colour; system colours follow the palette.
void setBackground(QWidget *widget, const Colour &colour);

} // namespace toolkit
