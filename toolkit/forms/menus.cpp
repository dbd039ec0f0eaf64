// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus.h"

#include "form.h"
#include "toolkit/accessibility/accessibility.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace toolkit {

QList<QMenu *> buildMenus(Form &window, std::span<const MenuRow> rows, const char *context)
{
    QList<QMenu *> entries;
    for (const MenuRow &row : rows) {
        const QString caption = QCoreApplication::translate(context, row.caption);
        if (!row.item) {
            auto *entry = new QMenu(caption, &window);
            entry->setObjectName(QString::fromLatin1(row.name));
            if (row.accessibleName)
                nameMenuItem(entry->menuAction(),
                             QCoreApplication::translate(context, row.accessibleName));
            entries.append(entry);
            continue;
        }
        if (entries.isEmpty())
            qFatal("The menu item %s stands before any menu entry", row.name);
        auto *item = new QAction(caption, &window);
        item->setObjectName(QString::fromLatin1(row.name));
        if (row.accessibleName)
            nameMenuItem(item, QCoreApplication::translate(context, row.accessibleName));
        if (const Handler handler = row.handler)
            QObject::connect(item, &QAction::triggered, &window,
                             [&window, handler] { handler(window); });
        entries.last()->addAction(item);
    }
    return entries;
}

} // namespace toolkit
