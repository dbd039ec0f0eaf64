#include "exercise.h"

#include "toolkit/form.h"
#include "toolkit/numbers.h"
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
