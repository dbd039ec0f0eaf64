// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"

#include "toolkit/text/formats.h"
#include "toolkit/text/numbers.h"
#include "toolkit/text/random.h"

#include <algorithm>

namespace drills {

using namespace toolkit;

Exercise::Exercise(const OperationRow &operation, Face rightFace)
    : m_operation(&operation)
    , m_rightFace(rightFace)
{}

QStringList Exercise::deal(std::span<const Range> ranges, RandomSource &random) const
{
    QStringList captions;
    for (const Range &range : ranges)
        captions.append(QString::number(dealOperand(random.next(), range.lo, range.hi)));
    return captions;
}

QString Exercise::correctText(const QStringList &operandCaptions) const
{
    double result = leadingNumber(operandCaptions.value(0));
    for (qsizetype i = 1; i < operandCaptions.size(); ++i)
        result = m_operation->apply(result, leadingNumber(operandCaptions[i]));
    return m_operation->resultText(result);
}

Exercise::Answered Exercise::answer(const QStringList &operandCaptions, const QString &typed)
{
    Answered answered;
    addOne(total);
    answered.correctText = correctText(operandCaptions);
    answered.typedText = typed;
    if (m_operation->check)
        m_operation->check(answered, operandCaptions);
    else
        answered.right = typed == answered.correctText;
    if (!answered.right) {
        m_shown = Face::Frowning;
        answered.face = m_shown;
        answered.faceChanges = true;
        return answered;
    }
    addOne(reward);
    addOne(correct);
    if (reward == 5) {
        answered.animationStarts = true;
        reward = 0;
    } else {
        m_shown = m_rightFace;
        answered.faceChanges = true;
    }
    answered.face = m_shown;
    return answered;
}

Exercise::Ticked Exercise::tick(bool firstTimer)
{
    if (step == 5)
        step = 0;
    addOne(step);
    Ticked ticked;
    ticked.praiseShows = firstTimer;
    // There is no face for the fifth step: the fourth one stays for it.
    if (step <= int(Face::LaughingWithNose)) {
        m_shown = Face(step);
        ticked.faceChanges = true;
    }
    ticked.face = m_shown;
    return ticked;
}

Exercise::Score Exercise::score() const
{
    Score score{numberText(correct), numberText(total), {}};
    if (leadingNumber(score.total) == 0)
        score.total = QStringLiteral("1");
    score.percent = percentText(leadingNumber(score.correct) / leadingNumber(score.total));
    return score;
}

} // namespace drills
