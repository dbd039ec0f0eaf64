// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>

namespace toolkit {

namespace {

// Adds one unit in the last place of a string of decimal digits, carrying to the left.
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return u'1' + digits;
}

} // namespace

RoundedDecimal roundDecimal(double value, int places, int shift)
{
    RoundedDecimal result;
    if (!std::isfinite(value))
        return result;
    const QString shortest = QString::number(std::fabs(value), 'f', QLocale::FloatingPointShortest);
    const qsizetype point = shortest.indexOf(u'.');
    QString whole = point < 0 ? shortest : shortest.left(point);
    QString fraction = point < 0 ? QString() : shortest.mid(point + 1);

    fraction = fraction.leftJustified(shift + places + 1, u'0');
    whole += fraction.left(shift);
    fraction.remove(0, shift);

    const bool roundUp = fraction[places] >= u'5';
    QString digits = whole + fraction.left(places);
    if (roundUp)
        digits = incremented(digits);
    result.fraction = digits.right(places);
    result.whole = digits.left(digits.size() - places);
    while (result.whole.startsWith(u'0'))
        result.whole.remove(0, 1);
    static const QRegularExpression nonZero(QStringLiteral("[1-9]"));
    result.negative = value < 0 && digits.contains(nonZero);
    return result;
}

QString percentText(double fraction, const QLocale &locale, int places)
{
    const RoundedDecimal d = roundDecimal(fraction, places, 2);
    QString number = (d.negative ? QStringLiteral("-") : QString()) +
                     (d.whole.isEmpty() ? QStringLiteral("0") : d.whole);
    if (places > 0)
        number += locale.decimalPoint() + d.fraction;
    //: A percentage: the number, then the per cent sign as the language writes it. Shown in the
    //: drills' score panel and in Progress; keep it short, the drills' panel is narrow.
    return QCoreApplication::translate("toolkit", "%1%").arg(number);
}

QString twoDecimalText(double value, const QLocale &locale)
{
    const RoundedDecimal d = roundDecimal(value, 2);
    QString fraction = d.fraction;
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return (d.negative ? QStringLiteral("-") : QString()) + d.whole + locale.decimalPoint() +
           fraction;
}

std::optional<double> readNumber(QStringView text, const QLocale &locale)
{
    QStringView rest = text.trimmed();
    bool negative = false;
    if (rest.startsWith(u'+')) {
        rest = rest.sliced(1);
    } else if (rest.startsWith(u'-')) {
        negative = true;
        rest = rest.sliced(1);
    } else if (rest.startsWith(locale.negativeSign())) {
        negative = true;
        rest = rest.sliced(locale.negativeSign().size());
    }
    const QString point = locale.decimalPoint();
    QString plain;
    bool digits = false;
    bool seenPoint = false;
    while (!rest.isEmpty()) {
        if (rest.front() >= u'0' && rest.front() <= u'9') {
            plain += rest.front();
            digits = true;
            rest = rest.sliced(1);
        } else if (!seenPoint && rest.startsWith(point)) {
            plain += u'.';
            seenPoint = true;
            rest = rest.sliced(point.size());
        } else {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double value = digits ? QLocale::c().toDouble(plain, &ok) : 0;
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace toolkit
