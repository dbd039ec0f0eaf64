// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud, for a child who cannot read yet: what a learner should hear is said through the
// desktop's speech service, in the program's language. Off by default and remembered between
// runs; off at start while a screen reader runs (two voices at once help nobody) unless turned on
// then. The speech module is loaded only once reading aloud is on.
#pragma once

class QAction;
class QString;

namespace toolkit::speech {

// The switch, shared by every window's menu, with its key (Ctrl+R) working wherever the program
// has the keyboard.
QAction *readAloudAction();
// Says the current problem again (F5); the frame connects what it says.
QAction *sayAgainAction();

bool isOn();
void setOn(bool on);

// Says the text, cutting short whatever is being said; nothing while reading aloud is off. Where
// nothing can be said, the first try says why in a message and the program goes on silently.
void say(const QString &text);

} // namespace toolkit::speech
