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

} // namespace

QString spokenProblem(const OperationRow &row, const QStringList &captions)
{
    if (captions.size() == 3 && row.readThree)
        return said(row.readThree).arg(captions[0], captions[1], captions[2]);
    return said(row.readTwo).arg(captions.value(0), captions.value(1));
}

QString correctAnswerSentence(const QString &problem, const Exercise::Answered &answered)
{
    // A whole quotient shows as "2.", which the sentence's full stop ends.
    QString result = answered.correctText;
    if (result.endsWith(QLocale().decimalPoint()))
        result.chop(QLocale().decimalPoint().size());
    return (answered.rounded ? said(QT_TRANSLATE_NOOP("ExerciseView", "%1 is about %2."))
                             : said(QT_TRANSLATE_NOOP("ExerciseView", "%1 is %2.")))
        .arg(problem, result);
}

QString verdictSentence(const QString &problem, const Exercise::Answered &answered,
                        const QString &praise)
{
    QStringList verdict{(answered.right ? said(QT_TRANSLATE_NOOP("ExerciseView", "Right! %1"))
                                        : said(QT_TRANSLATE_NOOP("ExerciseView", "Wrong. %1")))
                            .arg(correctAnswerSentence(problem, answered))};
    if (answered.separatorWanted == u",")
        verdict << said(QT_TRANSLATE_NOOP("ExerciseView", "Write the decimals after a comma: %1."))
                       .arg(answered.correctText);
    else if (!answered.separatorWanted.isEmpty())
        verdict << said(QT_TRANSLATE_NOOP("ExerciseView", "Write the decimals after a point: %1."))
                       .arg(answered.correctText);
    if (answered.animationStarts && !praise.isEmpty())
        verdict << praise;
    return verdict.join(u' ');
}

QString scoreSentence(const Exercise::Score &score)
{
    return said(QT_TRANSLATE_NOOP("ExerciseView", "You got %1 right out of %2: %3"))
        .arg(score.correct, score.total, score.percent);
}

} // namespace drills
