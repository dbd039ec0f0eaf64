// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exerciseview.h"

#include "toolkit/accessibility.h"
#include "toolkit/form.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/timers.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace drills {

using toolkit::Shape;

ExerciseView::ExerciseView(toolkit::Form &window, toolkit::Role set,
                           std::span<toolkit::Picture *const> faces)
    : m_window(window)
    , m_set(set)
    , m_faces(faces)
{}

QList<QLabel *> ExerciseView::operands() const
{
    QList<QLabel *> tiles{part<QLabel>(FirstOperand), part<QLabel>(SecondOperand)};
    if (m_set == ThreeNumber)
        tiles.append(part<QLabel>(ThirdOperand));
    return tiles;
}

QStringList ExerciseView::operandCaptions() const
{
    QStringList captions;
    for (const QLabel *operand : operands())
        captions.append(operand->text());
    return captions;
}

void ExerciseView::showDealt(const QStringList &captions) const
{
    const QList<QLabel *> tiles = operands();
    for (qsizetype i = 0; i < tiles.size(); ++i)
        tiles[i]->setText(captions.value(i));
}

void ExerciseView::showAwaiting() const
{
    auto *answerButton = part<QPushButton>(AnswerButton);
    auto *resetButton = part<QPushButton>(ResetButton);
    part<Shape>(ResetRim)->show();
    part<Shape>(AnswerRim)->hide();
    part<Shape>(AwaitingFrame)->show();
    part<Shape>(RightFrame)->hide();
    part<Shape>(WrongFrame)->hide();
    part<QLabel>(FeedbackPicture)->hide();
    part<QLabel>(PraiseText)->hide();
    part<QLabel>(CorrectAnswer)->hide();
    part<QLabel>(LeadInText)->hide();
    resetButton->setEnabled(false);
    m_window.takeDefault(resetButton);
    m_window.makeDefault(answerButton);
    answerButton->setEnabled(true);
    toolkit::setEnabled(part<QTimer>(SecondTimer), false);
    toolkit::setEnabled(part<QTimer>(FirstTimer), false);
}

void ExerciseView::showNewProblem(const QStringList &captions) const
{
    showDealt(captions);
    auto *box = part<QLineEdit>(AnswerBox);
    box->show();
    box->setText(QString());
    box->setFocus();
}

void ExerciseView::showAnswered(const Exercise::Answered &answered) const
{
    auto *answerButton = part<QPushButton>(AnswerButton);
    auto *resetButton = part<QPushButton>(ResetButton);
    auto *box = part<QLineEdit>(AnswerBox);
    auto *correctAnswer = part<QLabel>(CorrectAnswer);
    auto *picture = part<QLabel>(FeedbackPicture);
    part<Shape>(AnswerRim)->show();
    part<Shape>(ResetRim)->hide();
    part<Shape>(AwaitingFrame)->hide();
    part<Shape>(RightFrame)->hide();
    answerButton->setEnabled(false);
    m_window.takeDefault(answerButton);
    resetButton->setEnabled(true);
    m_window.makeDefault(resetButton);
    picture->show();
    correctAnswer->setText(answered.correctText);
    if (box->text() != answered.typedText)
        box->setText(answered.typedText);

    if (answered.right) {
        part<Shape>(RightFrame)->show();
        showFace(answered.face, true);
        if (answered.animationStarts)
            toolkit::setEnabled(part<QTimer>(FirstTimer), true);
    } else {
        part<Shape>(WrongFrame)->show();
        box->hide();
        part<QLabel>(LeadInText)->show();
        correctAnswer->show();
        showFace(answered.face, false);
    }
    toolkit::announce(picture);
}

void ExerciseView::showTick(const Exercise::Ticked &ticked, bool firstTimer) const
{
    if (ticked.praiseShows)
        part<QLabel>(PraiseText)->show();
    if (ticked.faceChanges)
        showFace(ticked.face, true);
    toolkit::setEnabled(part<QTimer>(firstTimer ? FirstTimer : SecondTimer), false);
    toolkit::setEnabled(part<QTimer>(firstTimer ? SecondTimer : FirstTimer), true);
}

void ExerciseView::showScore(const Exercise::Score &score) const
{
    part<QLabel>(CorrectLabel)->setText(score.correct);
    part<QLabel>(TotalLabel)->setText(score.total);
    part<QLabel>(PercentLabel)->setText(score.percent);
}

void ExerciseView::showFace(Face face, bool right) const
{
    // The picture's name says the verdict and the face, for those who cannot see it.
    auto *picture = part<toolkit::Picture>(FeedbackPicture);
    if (face == Face::None) {
        picture->setAccessibleName(right ? tr("right") : tr("wrong"));
        return;
    }
    const toolkit::Picture *shown = m_faces[qsizetype(face)];
    if (picture->picture() != shown->picture())
        picture->setPicture(*shown);
    picture->setAccessibleName(
        (right ? tr("right: %1") : tr("wrong: %1")).arg(shown->accessibleName()));
}

} // namespace drills
