// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Division's rules: the quotient written and compared to two decimal places, and read "divided by".
#pragma once

#include "drills/exercise.h"

#include <QtGlobal>

namespace division {

QString quotientText(double quotient);
// Compares the typed answer in the quotient's two-decimal text, when it reads as a number; says
// whether the quotient was rounded, and which separator a right answer but for it wanted.
void checkQuotient(drills::Exercise::Answered &answered, const QStringList &operandCaptions);

inline constexpr drills::OperationRow Dividing{
    .operation = drills::Operation::Divide,
    .apply = [](double left, double right) { return left / right; },
    .resultText = quotientText,
    .check = checkQuotient,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 divided by %2"),
    .readThree = nullptr,
};

} // namespace division
