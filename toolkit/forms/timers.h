// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Timers switched on and off by an enabled flag, as the windows use them.
#pragma once

#include <QTimer>

namespace toolkit {

// Enabling a stopped timer starts a fresh interval; disabling drops its pending tick.
inline void setEnabled(QTimer *timer, bool enabled)
{
    if (!enabled)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

} // namespace toolkit
