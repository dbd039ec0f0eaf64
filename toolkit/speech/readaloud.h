// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud, for a child who cannot read yet: what a learner should hear is said through the
// desktop's speech service, in the program's language, by one voice chosen for it. Off by default
// and remembered between runs. While a screen reader runs it stays off (two voices at once help
// nobody): turned on, it says why once, and only a second turn on in the same run insists; even
// then, nothing the screen reader is given is said twice. The speech module is loaded only once
// reading aloud is on.
#pragma once

#include <functional>

class QAction;
class QString;

namespace toolkit::speech {

// The switch, shared by every window's menu, with its key (Ctrl+R) working wherever the program
// has the keyboard.
QAction *readAloudAction();
// Says again what the current exercise said last (F5); the frame connects what it says.
QAction *sayAgainAction();

bool isOn();
// Turning off cuts short what is being said and says so; turning on tries the speech service
// afresh.
void setOn(bool on);

// Says the text while reading aloud is on: only for what no screen reader is given (a sentence
// said again, the switch's own news).
void say(const QString &text);
// Says what a screen reader reads too (a control's name as the focus lands, a verdict, a box):
// only where no screen reader runs.
void sayAlso(const QString &text);
// As sayAlso, said before the rest of the same event's sentences: the name of a window opening.
void sayHeading(const QString &text);

// Where the program tells news about reading aloud that must not interrupt a child: the main
// window's status line. Without it the news goes nowhere.
void setNewsShower(std::function<void(const QString &)> shower);

} // namespace toolkit::speech
