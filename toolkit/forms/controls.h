// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a design row into its widget or timer: the control factory every window's table goes
// through.
#pragma once

#include "design.h"

#include <QRect>

class QObject;
class QWidget;

namespace toolkit {

// The control's rectangle in pixels; a line's is the box between its ends.
QRect placeOf(const ControlRow &row);

// The control, a child of the window, with the row's geometry where it is placed, its caption
// and items translated in the context, font and initial state. Its name, colours, accessibility and
// bindings are the form's to set.
QObject *createControl(const ControlRow &row, QWidget *window, const char *context);

} // namespace toolkit
