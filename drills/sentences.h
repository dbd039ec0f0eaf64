// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences a learner hears of an exercise, each made in one place: the problem, the correct
// answer, the verdict and the score. The windows hand them to a screen reader; speech can say
// them too.
#pragma once

#include "exercise.h"

#include <QString>
#include <QStringList>

namespace drills {

// A number as a voice should read it: "-12" as "minus 12" in the language's own word.
QString spokenNumber(const QString &number);

// "5 plus 3", from the operand captions.
QString spokenProblem(const OperationRow &operation, const QStringList &captions);

// "5 plus 3 is 8.", or "50 divided by 23 is about 2.17." when the result is rounded.
QString correctAnswerSentence(const QString &problem, const Exercise::Answered &answered);

// "Right! 5 plus 3 is 8." or "Not quite. …", or, where the learner used the other separator, only
// how to write the decimals; and the praise when the answer starts the faces.
QString verdictSentence(const QString &problem, const Exercise::Answered &answered,
                        const QString &praise);

// "You got 5 right out of 6: 83.33%".
QString scoreSentence(const Exercise::Score &score);

// What a window says as it opens: its problems, which one has the keyboard, and what to do. The
// other problem is empty where the window has one.
QString openingSentence(const QString &keyboardProblem, const QString &otherProblem,
                        bool keyboardOnFirst);

} // namespace drills
