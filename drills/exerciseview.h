// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What an exercise's answers, ticks and scores look like on its window's controls: the one
// function per event that turns the exercise's plain results into visible changes, in the order
// the windows show them. The two exercises of a drill window and the Division window share it.
#pragma once

#include "exercise.h"

#include "toolkit/forms/form.h"

#include <QCoreApplication>
#include <QList>

#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace toolkit {
class Picture;
class Shape;
} // namespace toolkit

namespace drills {

// The controls of one exercise, as its window binds them.
struct ExerciseControls
{
    QList<QLabel *> operands; // the tiles that hold the problem, first to last
    QLineEdit *answerBox;
    QLabel *correctAnswer; // at the answer box's place
    QLabel *leadIn;        // "The Correct Answer is "
    QPushButton *answerButton;
    QPushButton *resetButton;
    toolkit::Shape *answerRim; // yellow, on the Answer button while it is disabled
    toolkit::Shape *resetRim;  // yellow, on the Reset button while it is disabled
    toolkit::Shape *awaitingFrame;
    toolkit::Shape *rightFrame;
    toolkit::Shape *wrongFrame;
    toolkit::Picture *picture;
    QLabel *praise;
    QTimer *firstTimer;
    QTimer *secondTimer;
    QLabel *correct;
    QLabel *total;
    QLabel *percent;
};

// The controls of the two-number exercise, named alike in the drill windows and Division.
template<class Window>
ExerciseControls twoNumberControls(Window &window)
{
    return {.operands = {window.lblNumber[0], window.lblNumber[1]},
            .answerBox = window.txtAnswer,
            .correctAnswer = window.lblNumber[2],
            .leadIn = window.lblNumber[3],
            .answerButton = window.cmdAnswer,
            .resetButton = window.cmdReset,
            .answerRim = window.Shape8,
            .resetRim = window.Shape7,
            .awaitingFrame = window.Shape10,
            .rightFrame = window.Shape12,
            .wrongFrame = window.Shape13,
            .picture = window.imgImage,
            .praise = window.lblGood,
            .firstTimer = window.Timer1,
            .secondTimer = window.Timer2,
            .correct = window.lblCorrectA,
            .total = window.lblTotalA,
            .percent = window.lblPercentA};
}

// What a screen reader hears follows the focus, since Orca reads the control that takes it: the
// answer box's name is its problem, and after an answer the focus lands on Reset, whose description
// says how it went.
class ExerciseView
{
    Q_DECLARE_TR_FUNCTIONS(ExerciseView)

public:
    // The operation its problems are read with, and the faces the picture shows.
    ExerciseView(toolkit::Form &window, Operation operation,
                 std::span<toolkit::Picture *const> faces);

    // The exercise's controls, once the window has built them.
    void setControls(const ExerciseControls &controls);

    QStringList operandCaptions() const;
    // The problem as it is read aloud: "5 plus 3".
    QString spokenProblem(const QStringList &captions) const;

    void showDealt(const QStringList &captions) const;
    // Back to awaiting an answer: Reset's steps up to the deal of a new problem.
    void showAwaiting() const;
    // The new problem, and the answer box ready for it.
    void showNewProblem(const QStringList &captions) const;
    void showAnswered(const Exercise::Answered &answered) const;
    void showTick(const Exercise::Ticked &ticked, bool firstTimer) const;
    void showScore(const Exercise::Score &score) const;
    // Enter takes the exercise's next step: its Answer while it awaits one, else its Reset.
    void takeEnter() const;

private:
    QString pictureName(const Exercise::Answered &answered) const;
    void showFace(Face face) const;

    toolkit::Form &m_window;
    ExerciseControls m_controls = {};
    Operation m_operation;
    std::span<toolkit::Picture *const> m_faces;
    QString m_resetName; // Reset's own, which the verdict stands in for until the next deal
};

} // namespace drills
