// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The right answer to a problem, worked out here rather than asked of the program under test.
#pragma once

#include "drills/exercise.h"

#include <QLocale>
#include <QObject>
#include <QStringList>

// The operation a window drills, by the window's name.
inline drills::Operation operationOf(const QObject &window)
{
    const QString name = window.objectName();
    if (name == u"frmSubtraction")
        return drills::Operation::Subtract;
    if (name == u"frmMultiplication")
        return drills::Operation::Multiply;
    if (name == u"frmDivision")
        return drills::Operation::Divide;
    return drills::Operation::Add;
}

// As the answer box takes it: whole numbers worked from left to right, or the quotient to the
// nearest hundredth, its trailing zeros dropped ("2." for 50 divided by 25).
inline QString rightAnswer(drills::Operation operation, const QStringList &operands)
{
    int result = operands.value(0).toInt();
    if (operation == drills::Operation::Divide) {
        const int hundredths = (result * 1000 / operands.value(1).toInt() + 5) / 10;
        QString fraction = QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
        while (fraction.endsWith(u'0'))
            fraction.chop(1);
        return QString::number(hundredths / 100) + QLocale().decimalPoint() + fraction;
    }
    for (const QString &operand : operands.mid(1)) {
        if (operation == drills::Operation::Add)
            result += operand.toInt();
        else if (operation == drills::Operation::Subtract)
            result -= operand.toInt();
        else
            result *= operand.toInt();
    }
    return QString::number(result);
}
