// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <cmath>

namespace toolkit {

RandomSource &RandomSource::instance()
{
    static RandomSource source;
    return source;
}

void RandomSource::reseed()
{
    static QElapsedTimer sinceStart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    const auto clock = static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()) ^
                       static_cast<quint64>(sinceStart.nsecsElapsed()) << 20;
    std::seed_seq seed{static_cast<quint32>(clock), static_cast<quint32>(clock >> 32),
                       static_cast<quint32>(m_engine())};
    m_engine.seed(seed);
}

float RandomSource::next()
{
    if (!m_chosen.isEmpty())
        return m_chosen.takeFirst();
    // 24 random bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

int dealOperand(float r, int lo, int hi)
{
    const int k = hi - lo + 1;
    return static_cast<int>(std::floor(static_cast<double>(r) * k + lo));
}

} // namespace toolkit
