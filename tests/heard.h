// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told while a test runs. Qt hands accessibility events on only while the
// platform's accessibility is active, which a desktop's bridge makes it and nothing does
// offscreen: the test makes it active and takes the events itself, as Qt's own tests do.
#pragma once

#include <QAccessible>
#include <QStringList>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

class Heard
{
public:
    // An announcement is a notification appearing, its name the news.
    QStringList announced;
    // The controls a screen reader is told have the focus, told again as well as moved to.
    QList<QObject *> focus;
    // What each of them is called: in a table, the cell told.
    QStringList focusNames;

    Heard()
    {
        QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform)
            qFatal("The platform has no accessibility to make active");
        platform->setActive(true);
        s_heard = this;
        m_previous = QAccessible::installUpdateHandler(&take);
    }
    ~Heard()
    {
        QAccessible::installUpdateHandler(m_previous);
        s_heard = nullptr;
    }
    Heard(const Heard &) = delete;
    Heard &operator=(const Heard &) = delete;

    void clear()
    {
        announced.clear();
        focus.clear();
        focusNames.clear();
    }

private:
    static void take(QAccessibleEvent *event)
    {
        QAccessibleInterface *told = event->accessibleInterface();
        if (!told)
            return;
        if (event->type() == QAccessible::ObjectShow && told->role() == QAccessible::Notification)
            s_heard->announced << told->text(QAccessible::Name);
        else if (event->type() == QAccessible::Focus) {
            s_heard->focus << event->object();
            s_heard->focusNames << told->text(QAccessible::Name);
        }
    }

    inline static Heard *s_heard = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
};
