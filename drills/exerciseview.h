// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What an exercise's answers, ticks and scores look like on its window's controls: the one
// function per event that turns the exercise's plain results into visible changes, in the order
// the windows show them. The two exercises of a drill window and the Division window share it.
#pragma once

#include "exercise.h"

#include "toolkit/form.h"

#include <QCoreApplication>
#include <QList>

#include <span>

class QLabel;

namespace toolkit {
class Picture;
}

namespace drills {

// The parts a control plays in its exercise, given in the windows' design tables.
enum Part : toolkit::Role {
    FirstOperand = 1,
    SecondOperand,
    ThirdOperand,
    AnswerBox,
    CorrectAnswer, // at the answer box's place
    LeadInText,    // "The Correct Answer is "
    AnswerButton,
    ResetButton,
    AnswerRim, // yellow, on the Answer button while it is disabled
    ResetRim,  // yellow, on the Reset button while it is disabled
    AwaitingFrame,
    RightFrame,
    WrongFrame,
    FeedbackPicture,
    PraiseText,
    FirstTimer,
    SecondTimer,
    CorrectLabel,
    TotalLabel,
    PercentLabel,
};
// The three-number exercise's controls play their parts in a set of their own.
inline constexpr toolkit::Role ThreeNumber = 0x100;

// What a screen reader hears follows the focus, since Orca reads the control that takes it: the
// answer box's name is its problem, and after an answer the focus lands on Reset, whose description
// says how it went.
class ExerciseView
{
    Q_DECLARE_TR_FUNCTIONS(ExerciseView)

public:
    // The controls that play the parts of the set, found when they are needed, the operation its
    // problems are read with, and the faces the picture shows.
    ExerciseView(toolkit::Form &window, toolkit::Role set, Operation operation,
                 std::span<toolkit::Picture *const> faces);

    QStringList operandCaptions() const;
    // The problem as it is read aloud: "5 plus 3".
    QString spokenProblem(const QStringList &captions) const;

    void showDealt(const QStringList &captions) const;
    // Back to awaiting an answer: Reset's steps up to the deal of a new problem.
    void showAwaiting() const;
    // The new problem, and the answer box ready for it.
    void showNewProblem(const QStringList &captions) const;
    void showAnswered(const Exercise::Answered &answered);
    void showTick(const Exercise::Ticked &ticked, bool firstTimer) const;
    void showScore(const Exercise::Score &score) const;
    // Enter takes the exercise's next step: its Answer while it awaits one, else its Reset.
    void takeEnter() const;

private:
    template<class T>
    T *part(Part part) const
    {
        return m_window.withRole<T>(m_set | part);
    }
    QList<QLabel *> operands() const;
    QString pictureName(const Exercise::Answered &answered) const;
    void showFace(Face face) const;

    toolkit::Form &m_window;
    toolkit::Role m_set;
    Operation m_operation;
    std::span<toolkit::Picture *const> m_faces;
    QString m_resetDescription; // Reset's own, while no verdict stands in for it
};

} // namespace drills
