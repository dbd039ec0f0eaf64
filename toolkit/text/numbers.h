// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the windows show them: plain decimal captions read back leniently, and 16-bit tallies.
#pragma once

#include <QString>
#include <QStringView>

namespace toolkit {

// Plain decimal text: no leading blank, "-" for negatives, no point for whole numbers.
QString numberText(double value);

// The caption's leading numeric part (blanks, sign, digits, point, exponent); 0 when it has none,
// the largest double of its sign when it is past the range.
double leadingNumber(QStringView text);

// Adds one to a 16-bit tally; at 32767 the addition would overflow, so the tally keeps its value.
constexpr void addOne(qint16 &tally)
{
    if (tally < 32767)
        ++tally;
}

} // namespace toolkit
