// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one random source: uniform single-precision values in [0, 1).
#pragma once

#include <QList>

#include <random>

namespace toolkit {

class RandomSource
{
public:
    static RandomSource &instance();

    // Seeds anew from the clock, mixed with the current state so that two seeds in the same
    // clock tick still give different problems.
    void reseed();
    float next();

    // Tests choose the numbers: next() returns these first, in order, whatever the seed.
    void supply(const QList<float> &values);
    void clearSupplied();

private:
    std::mt19937 m_engine{std::random_device{}()};
    QList<float> m_supplied;
};

// An operand from lo to hi: the integer part of r * (hi - lo + 1) + lo, in double precision.
int dealOperand(float r, int lo, int hi);

} // namespace toolkit
