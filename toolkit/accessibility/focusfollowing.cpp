// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the focus is, told to a screen reader again as a menu closes.
#include "accessibility_p.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace toolkit {

// Qt tells a screen reader of the focus as it moves, but not as a menu closes: the frame becomes
// the active window again after a window opened from the menu took the focus, and a screen reader
// then rests on the frame, the arrow keys in the box silent. The frame active again, it is told
// where the focus is.
void followTheFocusBackFromMenus()
{
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow *now) {
        static bool inMenu = false;
        const bool fromMenu = inMenu;
        inMenu = now && now->type() == Qt::Popup;
        if (!fromMenu || !now || inMenu)
            return;
        QTimer::singleShot(0, qApp, [] {
            // A box opened meanwhile is read as it appears; the menu bar speaks for itself.
            QWidget *focus = QApplication::focusWidget();
            if (!focus || qobject_cast<QMenuBar *>(focus) || QApplication::activeModalWidget() ||
                QApplication::activePopupWidget())
                return;
            QAccessibleEvent event(focus, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        });
    });
}

} // namespace toolkit
