// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintwatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <ctime>

namespace bench {

qint64 now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

bool within(const QWidget *widget, const QWidget *ancestor)
{
    return widget && ancestor && (widget == ancestor || ancestor->isAncestorOf(widget));
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, ms - int(clock.elapsed()));
        // Closed windows go now: outside an event loop nothing else deletes them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

PaintWatch::PaintWatch(Matches matches, QObject *parent)
    : QObject(parent)
    , m_matches(std::move(matches))
{
    QCoreApplication::instance()->installEventFilter(this);
}

PaintWatch::~PaintWatch()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

qint64 PaintWatch::wait(int timeoutMs)
{
    if (m_painted < 0) {
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_loop = nullptr;
    }
    return m_painted;
}

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType() &&
        m_matches(static_cast<QWidget *>(watched))) {
        m_seen = true;
        // Posted now, delivered only after the update that sent this paint has been flushed.
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_painted = now();
                if (m_onPainted)
                    m_onPainted(m_painted);
                if (m_loop)
                    m_loop->quit();
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace bench
