// The steps one exercise runs on its own controls and tallies: deal, reset, answer, animate and
// summarise. The two exercises of an integer drill window and the Division window share them.
#pragma once

#include "drilldesign.h"

#include <QList>
#include <QString>

#include <functional>
#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace toolkit {
class Form;
class Picture;
class Shape;
} // namespace toolkit

namespace drills {

struct Exercise
{
    toolkit::Form *form = nullptr;
    QList<QLabel *> operands;
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
    std::span<toolkit::Picture *const> faces;
    QTimer *firstTimer = nullptr;
    QTimer *secondTimer = nullptr;
    QLabel *correctLabel = nullptr;
    QLabel *totalLabel = nullptr;
    QLabel *percentLabel = nullptr;
    qint16 *total = nullptr;
    qint16 *correct = nullptr;
    qint16 *reward = nullptr;
    qint16 *step = nullptr;
    int rightFace = 2; // the face of a right answer that starts no animation

    // The correct answer, written as the answer box must hold it, from the operand values.
    std::function<QString(const QList<double> &)> correctText;
    // Rewrites the typed answer before the comparison; none for the whole-number drills.
    std::function<void(QLineEdit *)> rewriteTyped;

    void showStepFace() const;
    // Shows a face in the feedback picture; its accessible name says the verdict and the face.
    void showFace(int face, bool right) const;
    void nameFace(int face, bool right) const;
    int faceShown() const;

    // Writes new operands into the tiles, one random draw each, in tile order.
    void deal(std::span<const Range> ranges) const;
    // Back to awaiting an answer, with a new problem.
    void reset(std::span<const Range> ranges) const;
    // Checks the typed answer, counts it and shows the feedback; every fifth right answer starts
    // the reward animation.
    void answer() const;
    // The reward animation: the pair of timers hands over every tick, stepping through the faces.
    void firstTimerTick() const;
    void secondTimerTick() const;
    // Right answers, questions answered (1 when none) and the percentage.
    void showScore() const;
};

// The written result of applying the drill's operation to the operands from left to right.
QString resultText(Drill drill, const QList<double> &operands);

} // namespace drills
