// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The right answer to a problem, worked out here rather than asked of the program under test:
// the tests' one calculator, keyed by operation.
#pragma once

#include "division/dividing.h"
#include "drills/exercise.h"
#include "drills/operations.h"
#include "drilltable/drills.h"

#include <QLocale>
#include <QObject>
#include <QStringList>

// Each operation's row in the program's table of operations, Division's included.
inline const drills::OperationRow &operationRow(drills::Operation operation)
{
    return operation == drills::Operation::Divide ? division::Dividing
                                                  : drills::integerOperation(operation);
}

// The operation a window drills, by the window's name in the table of drills.
inline drills::Operation operationOf(const QObject &window)
{
    for (const drilltable::Drill &drill : drilltable::Drills) {
        if (window.objectName() == QLatin1String(drill.name))
            return drill.operation;
    }
    qFatal("No drill has the window %s", qPrintable(window.objectName()));
}

// The problem as a screen reader says it in English: "5 plus 3".
inline QString spokenProblem(drills::Operation operation, const QStringList &operands)
{
    using enum drills::Operation;
    for (const auto &[keyed, word] : {std::pair{Add, " plus "},
                                      {Subtract, " minus "},
                                      {Multiply, " times "},
                                      {Divide, " divided by "}}) {
        if (keyed == operation)
            return operands.join(QLatin1String(word));
    }
    qFatal("No words for operation %d", int(operation));
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
        // No default: a new operation makes the compiler ask for its arithmetic here.
        switch (operation) {
        case drills::Operation::Add:
            result += operand.toInt();
            break;
        case drills::Operation::Subtract:
            result -= operand.toInt();
            break;
        case drills::Operation::Multiply:
            result *= operand.toInt();
            break;
        case drills::Operation::Divide:
            break;
        }
    }
    return QString::number(result);
}
