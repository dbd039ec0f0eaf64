// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's default button, as a dialog has one: at most one per window, and Enter anywhere in
// the window presses it while it is enabled and shown, except on a focused button, which Enter
// presses itself.
#pragma once

#include <QPointer>
#include <QPushButton>

class QKeyEvent;
class QWidget;

namespace toolkit {

class DefaultButton
{
public:
    // Making one button the default takes the role from the others.
    void make(QPushButton *button);
    // Takes the role from the button if it has it.
    void take(QPushButton *button);

    // Presses the focused button, or else the default one, for Return or Enter (keypad included)
    // without modifiers; true when it did, and the key is used up.
    bool press(const QKeyEvent *event, const QWidget *window);
    // Takes the focus when the box that had it is hidden on its own. Qt would hand it on to the
    // next box with all of its text selected for the next key to replace; here Enter presses the
    // button.
    void takeFocusFrom(const QWidget *hidden, const QWidget *window);

private:
    bool usable(const QWidget *window) const;

    QPointer<QPushButton> m_button;
};

} // namespace toolkit
