#include "exercise.h"

#include "toolkit/form.h"
#include "toolkit/formats.h"
#include "toolkit/numbers.h"
#include "toolkit/picture.h"
#include "toolkit/random.h"
#include "toolkit/shape.h"
#include "toolkit/timers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace drills {

using namespace toolkit;

void Exercise::deal(std::span<const Range> ranges) const
{
    for (qsizetype i = 0; i < operands.size(); ++i) {
        const int value = dealOperand(RandomSource::instance().next(), ranges[i].lo, ranges[i].hi);
        operands[i]->setText(QString::number(value));
    }
}

void Exercise::reset(std::span<const Range> ranges) const
{
    resetRim->show();
    answerRim->hide();
    awaitingFrame->show();
    rightFrame->hide();
    wrongFrame->hide();
    picture->hide();
    praise->hide();
    correctAnswer->hide();
    leadIn->hide();
    resetButton->setEnabled(false);
    form->takeDefault(resetButton);
    form->makeDefault(answerButton);
    answerButton->setEnabled(true);
    setEnabled(secondTimer, false);
    setEnabled(firstTimer, false);
    RandomSource::instance().reseed();
    deal(ranges);
    answerBox->show();
    answerBox->setText(QString());
    answerBox->setFocus();
}

void Exercise::answer() const
{
    answerRim->show();
    resetRim->hide();
    awaitingFrame->hide();
    rightFrame->hide();
    answerButton->setEnabled(false);
    form->takeDefault(answerButton);
    resetButton->setEnabled(true);
    form->makeDefault(resetButton);
    picture->show();
    addOne(*total);
    QList<double> values;
    for (const QLabel *operand : operands)
        values.append(leadingNumber(operand->text()));
    correctAnswer->setText(correctText(values));
    if (rewriteTyped)
        rewriteTyped(answerBox);

    if (answerBox->text() == correctAnswer->text()) {
        rightFrame->show();
        addOne(*reward);
        addOne(*correct);
        if (*reward != 5) {
            showFace(rightFace, true);
        } else {
            // The picture stays until the animation's first tick.
            nameFace(faceShown(), true);
            setEnabled(firstTimer, true);
            *reward = 0;
        }
        announce(picture);
        return;
    }
    wrongFrame->show();
    answerBox->hide();
    leadIn->show();
    correctAnswer->show();
    showFace(0, false);
    announce(picture);
}

void Exercise::firstTimerTick() const
{
    if (*step == 5)
        *step = 0;
    praise->show();
    addOne(*step);
    showStepFace();
    setEnabled(firstTimer, false);
    setEnabled(secondTimer, true);
}

void Exercise::secondTimerTick() const
{
    if (*step == 5)
        *step = 0;
    addOne(*step);
    showStepFace();
    setEnabled(secondTimer, false);
    setEnabled(firstTimer, true);
}

void Exercise::showStepFace() const
{
    // There is no face for the fifth step: the fourth one stays for it.
    if (*step < qsizetype(faces.size()))
        showFace(*step, true);
}

void Exercise::showFace(int face, bool right) const
{
    picture->setPicture(*faces[face]);
    nameFace(face, right);
}

void Exercise::nameFace(int face, bool right) const
{
    const QString verdict = right ? QStringLiteral("right") : QStringLiteral("wrong");
    if (face < 0) {
        picture->setAccessibleName(verdict);
        return;
    }
    picture->setAccessibleName(verdict + QStringLiteral(": ") + faces[face]->accessibleName());
}

int Exercise::faceShown() const
{
    const qint64 shown = picture->pixmap().cacheKey();
    for (qsizetype i = 0; i < qsizetype(faces.size()); ++i) {
        if (faces[i]->pixmap().cacheKey() == shown)
            return int(i);
    }
    return -1;
}

void Exercise::showScore() const
{
    correctLabel->setText(numberText(*correct));
    totalLabel->setText(numberText(*total));
    if (leadingNumber(totalLabel->text()) == 0)
        totalLabel->setText(QStringLiteral("1"));
    const double share = leadingNumber(correctLabel->text()) / leadingNumber(totalLabel->text());
    percentLabel->setText(percentText(share));
}

QString resultText(Drill drill, const QList<double> &operands)
{
    double result = operands.value(0);
    for (qsizetype i = 1; i < operands.size(); ++i) {
        switch (drill) {
        case Drill::Addition:
            result += operands[i];
            break;
        case Drill::Subtraction:
            result -= operands[i];
            break;
        case Drill::Multiplication:
            result *= operands[i];
            break;
        }
    }
    return numberText(result);
}

} // namespace drills
