// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of numbers with a fixed count of decimals: percentages and the two-decimal pattern.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace toolkit {

// The decimal digits of a value rounded to a count of places, halves away from zero. The value is
// taken in its shortest decimal form, so 3.125 and 0.00625 round as written, not as stored.
struct RoundedDecimal
{
    bool negative = false;
    QString whole;    // no leading zeros: empty for zero
    QString fraction; // exactly the count of places
};

// shift moves the decimal point to the right first: 2 turns a fraction into per cent.
RoundedDecimal roundDecimal(double value, int places, int shift = 0);

// A fraction as a percentage the way the learner's language writes it, wherever the program shows
// one: 1/3 gives "33.33%" in English, "33,33 %" in German and French (a no-break space). The
// number is rounded to a count of places, halves away from zero.
QString percentText(double fraction, const QLocale &locale = QLocale(), int places = 2);

// The pattern "###.##": no leading zero, the separator always, trailing zeros dropped ("2.", ".5").
QString twoDecimalText(double value, const QLocale &locale = QLocale());

// Typed text read as a number: blanks around it, an optional sign, digits with the regional
// decimal separator. Grouping, currency and exponents do not read.
std::optional<double> readNumber(QStringView text, const QLocale &locale = QLocale());

} // namespace toolkit
