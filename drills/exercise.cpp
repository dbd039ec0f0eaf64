// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise.h"

#include "division/dividing.h"
#include "toolkit/text/formats.h"
#include "toolkit/text/numbers.h"
#include "toolkit/text/random.h"

#include <algorithm>
#include <array>

namespace drills {

using namespace toolkit;

namespace {

// clang-format off
constexpr OperationRow Adding{
    .operation = Operation::Add, .apply = [](double l, double r) { return l + r; },
    .resultText = numberText,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 plus %2"),
    .readThree = QT_TRANSLATE_NOOP("ExerciseView", "%1 plus %2 plus %3")};
constexpr OperationRow Subtracting{
    .operation = Operation::Subtract, .apply = [](double l, double r) { return l - r; },
    .resultText = numberText,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 minus %2"),
    .readThree = QT_TRANSLATE_NOOP("ExerciseView", "%1 minus %2 minus %3")};
constexpr OperationRow Multiplying{
    .operation = Operation::Multiply, .apply = [](double l, double r) { return l * r; },
    .resultText = numberText,
    .readTwo = QT_TRANSLATE_NOOP("ExerciseView", "%1 times %2"),
    .readThree = QT_TRANSLATE_NOOP("ExerciseView", "%1 times %2 times %3")};
// clang-format on

constexpr const OperationRow *Operations[] = {&Adding, &Subtracting, &Multiplying,
                                              &division::Dividing};
static_assert(std::size(Operations) == std::size_t(Operation::Divide) + 1,
              "a row for every operation");
static_assert(std::ranges::equal(Operations,
                                 std::array{Operation::Add, Operation::Subtract,
                                            Operation::Multiply, Operation::Divide},
                                 {}, &OperationRow::operation),
              "each row in its operation's place");

} // namespace

const OperationRow &operationRow(Operation operation)
{
    return *Operations[std::size_t(operation)];
}

Exercise::Exercise(Operation operation, Face rightFace)
    : m_operation(&operationRow(operation))
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
