// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"

#include "toolkit/text/formats.h"
#include "toolkit/text/numbers.h"
#include "toolkit/text/random.h"

#include <QLocale>

#include <cmath>

namespace drills {

using namespace toolkit;

Exercise::Exercise(Operation operation, Face rightFace)
    : m_operation(operation)
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
    for (qsizetype i = 1; i < operandCaptions.size(); ++i) {
        const double operand = leadingNumber(operandCaptions[i]);
        switch (m_operation) {
        case Operation::Add:
            result += operand;
            break;
        case Operation::Subtract:
            result -= operand;
            break;
        case Operation::Multiply:
            result *= operand;
            break;
        case Operation::Divide:
            result /= operand;
            break;
        }
    }
    return m_operation == Operation::Divide ? twoDecimalText(result) : numberText(result);
}

Exercise::Answered Exercise::answer(const QStringList &operandCaptions, const QString &typed)
{
    Answered answered;
    addOne(total);
    answered.correctText = correctText(operandCaptions);
    // A quotient is compared in the same two-decimal text, when the typed text reads as a number;
    // whole numbers are compared exactly as typed.
    answered.typedText = typed;
    if (m_operation == Operation::Divide) {
        if (const std::optional<double> value = readNumber(typed))
            answered.typedText = twoDecimalText(*value);
        const double hundredths =
            leadingNumber(operandCaptions.value(0)) / leadingNumber(operandCaptions.value(1)) * 100;
        answered.rounded =
            std::isfinite(hundredths) && std::fabs(hundredths - std::round(hundredths)) > 1e-6;
    }

    answered.right = answered.typedText == answered.correctText;
    if (!answered.right && m_operation == Operation::Divide) {
        // "8.09" where the learner's language writes "8,09": the same digits, told how to write.
        const QString point = QLocale().decimalPoint();
        const QString other = point == u"," ? QStringLiteral(".") : QStringLiteral(",");
        if (typed.contains(other)) {
            const std::optional<double> value = readNumber(QString(typed).replace(other, point));
            if (value && twoDecimalText(*value) == answered.correctText)
                answered.separatorWanted = point;
        }
    }
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
