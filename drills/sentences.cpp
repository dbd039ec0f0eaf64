// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sentences.h"

#include <QCoreApplication>
#include <QLocale>

namespace drills {

namespace {

// The texts are translated where the windows first said them.
QString said(const char *text)
{
    return QCoreApplication::translate("ExerciseView", text);
}

// A whole quotient shows as "2.", which a sentence's full stop would follow.
QString withoutTrailingSeparator(QString number)
{
    if (number.endsWith(QLocale().decimalPoint()))
        number.chop(QLocale().decimalPoint().size());
    return number;
}

} // namespace

QString spokenNumber(const QString &number)
{
    // A voice reads "-12" as "12" in French and Spanish, and U+2212 in English: the language's
    // own word is said.
    if (number.startsWith(u'-') || number.startsWith(QChar(0x2212)))
        return said(QT_TRANSLATE_NOOP("ExerciseView", "minus %1")).arg(number.mid(1));
    return number;
}

QString spokenProblem(const OperationRow &row, const QStringList &captions)
{
    if (captions.size() == 3 && row.readThree)
        return said(row.readThree)
            .arg(spokenNumber(captions[0]), spokenNumber(captions[1]), spokenNumber(captions[2]));
    return said(row.readTwo).arg(spokenNumber(captions.value(0)), spokenNumber(captions.value(1)));
}

QString correctAnswerSentence(const QString &problem, const Exercise::Answered &answered)
{
    const QString result = spokenNumber(withoutTrailingSeparator(answered.correctText));
    return (answered.rounded ? said(QT_TRANSLATE_NOOP("ExerciseView", "%1 is about %2."))
                             : said(QT_TRANSLATE_NOOP("ExerciseView", "%1 is %2.")))
        .arg(problem, result);
}

QString verdictSentence(const QString &problem, const Exercise::Answered &answered,
                        const QString &praise)
{
    const QString correct = withoutTrailingSeparator(answered.correctText);
    QStringList verdict;
    // Right but for the separator: only how to write it, short enough for a child to wait for.
    // A whole quotient has no decimals to place.
    if (!answered.separatorWanted.isEmpty() && correct.contains(answered.separatorWanted))
        verdict << (answered.separatorWanted == u","
                        ? said(QT_TRANSLATE_NOOP("ExerciseView",
                                                 "Nearly. Write the decimals after a comma: %1."))
                        : said(QT_TRANSLATE_NOOP("ExerciseView",
                                                 "Nearly. Write the decimals after a point: %1.")))
                       .arg(correct);
    else
        verdict << (answered.right ? said(QT_TRANSLATE_NOOP("ExerciseView", "Right! %1"))
                                   : said(QT_TRANSLATE_NOOP("ExerciseView", "Not quite. %1")))
                       .arg(correctAnswerSentence(problem, answered));
    if (answered.animationStarts && !praise.isEmpty())
        verdict << praise;
    return verdict.join(u' ');
}

QString scoreSentence(const Exercise::Score &score)
{
    return said(QT_TRANSLATE_NOOP("ExerciseView", "You got %1 right out of %2: %3"))
        .arg(score.correct, score.total, score.percent);
}

QString openingSentence(const QString &keyboardProblem, const QString &otherProblem,
                        bool keyboardOnFirst)
{
    if (otherProblem.isEmpty())
        return said(QT_TRANSLATE_NOOP("ExerciseView", "%1. Type the answer, then press Enter."))
            .arg(keyboardProblem);
    if (keyboardOnFirst)
        return said(QT_TRANSLATE_NOOP("ExerciseView",
                                      "First problem: %1. Second problem: %2. The keyboard is on "
                                      "the first: type the answer, then press Enter."))
            .arg(keyboardProblem, otherProblem);
    return said(QT_TRANSLATE_NOOP("ExerciseView",
                                  "First problem: %1. Second problem: %2. The keyboard is on the "
                                  "second: type the answer, then press Enter."))
        .arg(otherProblem, keyboardProblem);
}

} // namespace drills
