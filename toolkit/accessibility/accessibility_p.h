// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the files of this folder hand each other: the program's accessible interfaces, made for the
// factory, and the focus following it starts.
#pragma once

class QAccessibleInterface;
class QObject;

namespace toolkit {

// Each makes the program's interface for an object of the class the factory names, or nothing
// where the program leaves the object to Qt.
QAccessibleInterface *noticeAccessible(QObject *notice);
QAccessibleInterface *formAccessible(QObject *form);
QAccessibleInterface *workspaceAccessible(QObject *area);
QAccessibleInterface *menuItemAccessible(QObject *item);
QAccessibleInterface *textBoxAccessible(QObject *box);
QAccessibleInterface *textAreaAccessible(QObject *area);

// Has a screen reader told where the focus is as the frame becomes active again after a menu.
void followTheFocusBackFromMenus();

} // namespace toolkit
