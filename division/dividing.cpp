// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dividing.h"

#include "toolkit/text/formats.h"
#include "toolkit/text/numbers.h"

#include <QLocale>

#include <cmath>

namespace division {

using namespace toolkit;

QString quotientText(double quotient)
{
    return twoDecimalText(quotient);
}

void checkQuotient(drills::Exercise::Answered &answered, const QStringList &operandCaptions)
{
    const QString typed = answered.typedText;
    if (const std::optional<double> value = readNumber(typed))
        answered.typedText = twoDecimalText(*value);
    const double hundredths =
        leadingNumber(operandCaptions.value(0)) / leadingNumber(operandCaptions.value(1)) * 100;
    answered.rounded =
        std::isfinite(hundredths) && std::fabs(hundredths - std::round(hundredths)) > 1e-6;
    answered.right = answered.typedText == answered.correctText;
    if (answered.right)
        return;
    // "8.09" where the learner's language writes "8,09": the same digits, told how to write.
    const QString point = QLocale().decimalPoint();
    const QString other = point == u"," ? QStringLiteral(".") : QStringLiteral(",");
    if (typed.contains(other)) {
        const std::optional<double> value = readNumber(QString(typed).replace(other, point));
        if (value && twoDecimalText(*value) == answered.correctText)
            answered.separatorWanted = point;
    }
}

} // namespace division
