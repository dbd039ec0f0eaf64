// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace toolkit {

namespace {

std::function<void(QWidget *)> &announcementListener()
{
    static std::function<void(QWidget *)> listener;
    return listener;
}

// Announces the controls it watches as they appear.
class Announcer : public QObject
{
public:
    static Announcer &instance()
    {
        static Announcer announcer;
        return announcer;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            announce(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

void describe(QWidget *control, const ControlRow &row, const char *context)
{
    if (row.accessibleName)
        control->setAccessibleName(QCoreApplication::translate(context, row.accessibleName));
    if (row.description)
        control->setAccessibleDescription(QCoreApplication::translate(context, row.description));
    if (row.announced)
        control->installEventFilter(&Announcer::instance());
}

void announce(QWidget *control)
{
    if (const auto &listener = announcementListener())
        listener(control);
    // With nobody listening, Windows would still play its alert sound.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

void setAnnouncementListener(std::function<void(QWidget *)> listener)
{
    announcementListener() = std::move(listener);
}

} // namespace toolkit
