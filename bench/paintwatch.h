// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Times up to the moment a window's paint has reached the screen: the first paint event of the
// widgets watched, and the flush that closes the same update, both done.
#pragma once

#include <QObject>

#include <functional>

class QEventLoop;
class QWidget;

namespace bench {

// Nanoseconds on CLOCK_MONOTONIC, the clock the runner reads when it starts a process.
qint64 now();

// True when the widget is the ancestor or lies inside it.
bool within(const QWidget *widget, const QWidget *ancestor);

// Runs the event loop for a while, so that pending updates are painted before a timing starts.
void settle(int ms = 30);

// Watches every paint event of the application from its creation on. The first one whose widget
// matches is the paint waited for; the time is taken once the event that painted it (the backing
// store's whole update and flush) has returned.
class PaintWatch : public QObject
{
public:
    using Matches = std::function<bool(const QWidget *)>;

    explicit PaintWatch(Matches matches, QObject *parent = nullptr);
    ~PaintWatch() override;

    // Called with the time instead of waiting; the watch then stays in place.
    void onPainted(std::function<void(qint64)> done) { m_onPainted = std::move(done); }

    // The time of the paint, or -1 when none came within the timeout.
    qint64 wait(int timeoutMs = 10000);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Matches m_matches;
    std::function<void(qint64)> m_onPainted;
    QEventLoop *m_loop = nullptr;
    bool m_seen = false;
    qint64 m_painted = -1;
};

} // namespace bench
