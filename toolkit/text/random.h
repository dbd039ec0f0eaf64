// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A random source of uniform single-precision values in [0, 1): the program's one, which every
// window deals from unless it is handed another, or one whose first values are chosen.
#pragma once

#include <QList>

#include <random>
#include <utility>

namespace toolkit {

class RandomSource
{
public:
    RandomSource() = default;
    // next() returns these first, in order, whatever the seed.
    explicit RandomSource(QList<float> chosen)
        : m_chosen(std::move(chosen))
    {}

    // The program's one source.
    static RandomSource &instance();

    // Seeds anew from the clock, mixed with the current state so that two seeds in the same
    // clock tick still give different problems.
    void reseed();
    float next();

private:
    std::mt19937 m_engine{std::random_device{}()};
    QList<float> m_chosen;
};

// An operand from lo to hi: the integer part of r * (hi - lo + 1) + lo, in double precision.
int dealOperand(float r, int lo, int hi);

} // namespace toolkit
