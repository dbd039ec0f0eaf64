// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The factory that puts the program's own accessible interfaces before Qt's, and the names and
// descriptions of the design rows.
#include "accessibility.h"
#include "accessibility_p.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>

namespace toolkit {

namespace {

// Which classes the program presents itself, by the name Qt asks with.
constexpr struct
{
    const char *className;
    QAccessibleInterface *(*make)(QObject *);
} OwnInterfaces[] = {
    {"QAction", &menuItemAccessible},   {"QMdiArea", &workspaceAccessible},
    {"toolkit::Form", &formAccessible}, {"toolkit::Notice", &noticeAccessible},
    {"QLineEdit", &textBoxAccessible},  {"QPlainTextEdit", &textAreaAccessible},
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    for (const auto &own : OwnInterfaces) {
        if (className == QLatin1String(own.className))
            return own.make(object);
    }
    return nullptr;
}

// Before any window exists, so that none is exposed otherwise.
[[maybe_unused]] const bool g_installed = (QAccessible::installFactory(&interfaceFor), true);

} // namespace

void putAccessibilityFirst()
{
    // The application puts Qt's own factory last, so asked first, as it starts: this one goes
    // after it again, once, so that the text boxes are the program's.
    static const bool moved = [] {
        QAccessible::removeFactory(&interfaceFor);
        QAccessible::installFactory(&interfaceFor);
        followTheFocusBackFromMenus();
        return true;
    }();
    Q_UNUSED(moved);
}

void describe(QWidget *control, const ControlRow &row, const char *context)
{
    if (row.accessibleName)
        control->setAccessibleName(QCoreApplication::translate(context, row.accessibleName));
    if (row.description)
        control->setAccessibleDescription(QCoreApplication::translate(context, row.description));
}

} // namespace toolkit
