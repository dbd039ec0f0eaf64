// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaultbutton.h"

#include <QApplication>
#include <QKeyEvent>

namespace toolkit {

void DefaultButton::make(QPushButton *button)
{
    if (m_button && m_button != button)
        m_button->setDefault(false);
    m_button = button;
    button->setDefault(true);
}

void DefaultButton::take(QPushButton *button)
{
    if (m_button != button)
        return;
    button->setDefault(false);
    m_button = nullptr;
}

bool DefaultButton::press(const QKeyEvent *event, const QWidget *window)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Outside a dialog a button that is not the default lets Enter pass; here it presses it.
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (focused && window->isAncestorOf(focused) && focused->isEnabled()) {
        focused->click();
        return true;
    }
    if (!usable(window))
        return false;
    m_button->click();
    return true;
}

void DefaultButton::takeFocusFrom(const QWidget *hidden, const QWidget *window)
{
    // A box hidden with its window keeps the focus for the window's return.
    if (hidden->isHidden() && hidden->hasFocus() && usable(window))
        m_button->setFocus(Qt::OtherFocusReason);
}

bool DefaultButton::usable(const QWidget *window) const
{
    return m_button && m_button->isEnabled() && m_button->isVisibleTo(window);
}

} // namespace toolkit
