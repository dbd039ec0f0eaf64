// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive tools hear of a window's controls: the names and descriptions of the design rows,
// and announcements of news wherever the focus is.
#pragma once

#include "design.h"

#include <functional>

class QWidget;

namespace toolkit {

// Names and describes the control as its row says, translated in the context; an announced
// control is announced each time it appears.
void describe(QWidget *control, const ControlRow &row, const char *context);

// Tells assistive tools that the control has news for the user, as an alert that a screen reader
// may speak wherever the focus is.
void announce(QWidget *control);
// Hears every announcement, whether or not an assistive tool listens: Qt hands accessibility
// events only to a running platform bridge, so tests listen here.
void setAnnouncementListener(std::function<void(QWidget *)> listener);

} // namespace toolkit
