// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive tools hear of a window: the names and descriptions of its design rows, the window
// itself without its decorative shapes, its text boxes read whole and word by word, and
// announcements spoken wherever the focus is.
#pragma once

#include "toolkit/forms/design.h"

class QAction;
class QString;
class QWidget;

namespace toolkit {

// Has the program's own accessible interfaces answer for its windows and text boxes, ahead of Qt's,
// which the application installs as it starts, and a screen reader follow the focus back from a
// menu. Called as each window is made; the first call acts.
void putAccessibilityFirst();

// Names and describes the control as its row says, translated in the context.
void describe(QWidget *control, const ControlRow &row, const char *context);

// Has a screen reader call the menu item (or menu bar entry) so, whatever its caption.
void nameMenuItem(QAction *item, const QString &name);

// Has a screen reader speak the text wherever the focus is. Qt 6.4 hands no alert on to the
// desktop's accessibility bus, but a screen reader speaks a notification as it appears: the window
// shows one, unseen, that says the text.
void announce(QWidget *window, const QString &text);

} // namespace toolkit
