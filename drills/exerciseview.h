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

#include <array>

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

// The controls of one exercise, where its window's design rows bind them. Each starts null, and a
// window whose rows leave one unbound stops with a message naming it.
struct ExerciseControls
{
    std::array<QLabel *, 3> operands{}; // the tiles that hold the problem, first to last
    QLineEdit *answerBox = nullptr;
    QLabel *correctAnswer = nullptr; // at the answer box's place
    QLabel *leadIn = nullptr;        // "The Correct Answer is "
    QPushButton *answerButton = nullptr;
    QPushButton *resetButton = nullptr;
    toolkit::Shape *answerRim = nullptr; // yellow, on the Answer button while it is disabled
    toolkit::Shape *resetRim = nullptr;  // yellow, on the Reset button while it is disabled
    toolkit::Shape *awaitingFrame = nullptr;
    toolkit::Shape *rightFrame = nullptr;
    toolkit::Shape *wrongFrame = nullptr;
    toolkit::Picture *picture = nullptr;
    QLabel *praise = nullptr;
    QTimer *firstTimer = nullptr;
    QTimer *secondTimer = nullptr;
    QLabel *correct = nullptr;
    QLabel *total = nullptr;
    QLabel *percent = nullptr;

    // The first control no row bound ("answerBox", "operands(1)"), or an empty text.
    QString unbound(qsizetype operandCount) const;
};

// What a screen reader hears follows the focus, since Orca reads the control that takes it: the
// answer box's name is its problem, and after an answer the focus lands on Reset, whose description
// says how it went.
class ExerciseView
{
    Q_DECLARE_TR_FUNCTIONS(ExerciseView)

public:
    // The operation its problems are read with, its controls with their number of operands, and
    // the faces the picture shows.
    ExerciseView(toolkit::Form &window, const OperationRow &operation,
                 const ExerciseControls &controls, qsizetype operandCount,
                 std::span<toolkit::Picture *const> faces);

    // Once the window has built its controls: stops with a message naming any left unbound.
    void controlsBuilt();

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

    // Reading aloud, as the window opens with the keyboard in this exercise: both problems, which
    // one has the keyboard and what to do. The other exercise is null in Division.
    void sayOpening(const ExerciseView *other, bool keyboardOnFirst) const;
    // What the exercise said last, its problem or its verdict, for F5 to say again; and when, to
    // tell the latest of a window's exercises.
    const QString &lastSaid() const { return m_lastSaid; }
    quint64 saidAt() const { return m_saidAt; }
    // Whether the control is one of the exercise's own, where the keyboard says it is current.
    bool holds(const QWidget *control) const;

private:
    QString pictureName(const Exercise::Answered &answered) const;
    void showFace(Face face) const;

    toolkit::Form &m_window;
    const ExerciseControls &m_controls;
    qsizetype m_operandCount;
    const OperationRow &m_operation;
    std::span<toolkit::Picture *const> m_faces;
    QString m_resetName; // Reset's own, which the verdict stands in for until the next deal
    mutable QString m_lastSaid;
    mutable quint64 m_saidAt = 0;
    void remember(const QString &sentence) const;
};

} // namespace drills
