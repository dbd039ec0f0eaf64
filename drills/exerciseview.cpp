// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exerciseview.h"

#include "sentences.h"

#include "toolkit/accessibility/accessibility.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/picture.h"
#include "toolkit/forms/shape.h"
#include "toolkit/forms/timers.h"
#include "toolkit/speech/readaloud.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace drills {

namespace {

// A button about to be disabled gives up the focus first: Qt would hand it on down the tab order,
// selecting a box's text, and a screen reader would read a control the learner never chose.
void disable(QPushButton *button)
{
    if (button->hasFocus())
        button->clearFocus();
    button->setEnabled(false);
}

} // namespace

QString ExerciseControls::unbound(qsizetype operandCount) const
{
    for (qsizetype i = 0; i < operandCount; ++i) {
        if (!operands[i])
            return QStringLiteral("operands(%1)").arg(i);
    }
    const std::pair<const QObject *, const char *> fields[] = {
        {answerBox, "answerBox"},     {correctAnswer, "correctAnswer"},
        {leadIn, "leadIn"},           {answerButton, "answerButton"},
        {resetButton, "resetButton"}, {answerRim, "answerRim"},
        {resetRim, "resetRim"},       {awaitingFrame, "awaitingFrame"},
        {rightFrame, "rightFrame"},   {wrongFrame, "wrongFrame"},
        {picture, "picture"},         {praise, "praise"},
        {firstTimer, "firstTimer"},   {secondTimer, "secondTimer"},
        {correct, "correct"},         {total, "total"},
        {percent, "percent"},
    };
    static_assert(sizeof(ExerciseControls) == sizeof(operands) + 17 * sizeof(QObject *),
                  "every field is in the list above");
    for (const auto &[control, name] : fields) {
        if (!control)
            return QLatin1String(name);
    }
    return {};
}

ExerciseView::ExerciseView(toolkit::Form &window, const OperationRow &operation,
                           const ExerciseControls &controls, qsizetype operandCount,
                           std::span<toolkit::Picture *const> faces)
    : m_window(window)
    , m_controls(controls)
    , m_operandCount(operandCount)
    , m_operation(operation)
    , m_faces(faces)
{}

void ExerciseView::controlsBuilt()
{
    const QString missing = m_controls.unbound(m_operandCount);
    if (!missing.isEmpty())
        qFatal("No control of %s is bound to %s of its %d-number exercise: its row has no .member",
               qPrintable(m_window.objectName()), qPrintable(missing), int(m_operandCount));
    for (std::size_t i = 0; i < m_faces.size(); ++i) {
        if (!m_faces[i])
            qFatal("No control of %s is bound to imgFace(%d)", qPrintable(m_window.objectName()),
                   int(i));
    }
    m_resetName = m_controls.resetButton->accessibleName();
}

QStringList ExerciseView::operandCaptions() const
{
    QStringList captions;
    for (qsizetype i = 0; i < m_operandCount; ++i)
        captions.append(m_controls.operands[i]->text());
    return captions;
}

QString ExerciseView::spokenProblem(const QStringList &captions) const
{
    return drills::spokenProblem(m_operation, captions);
}

void ExerciseView::showDealt(const QStringList &captions) const
{
    for (qsizetype i = 0; i < m_operandCount; ++i)
        m_controls.operands[i]->setText(captions.value(i));
    // Named before the focus lands, which has the screen reader read the problem.
    m_controls.answerBox->setAccessibleName(spokenProblem(captions));
    remember(m_controls.answerBox->accessibleName());
}

void ExerciseView::showAwaiting() const
{
    auto *answerButton = m_controls.answerButton;
    auto *resetButton = m_controls.resetButton;
    m_controls.resetRim->show();
    m_controls.answerRim->hide();
    m_controls.awaitingFrame->show();
    m_controls.rightFrame->hide();
    m_controls.wrongFrame->hide();
    m_controls.picture->hide();
    m_controls.praise->hide();
    m_controls.correctAnswer->hide();
    m_controls.leadIn->hide();
    disable(resetButton);
    resetButton->setAccessibleName(m_resetName);
    m_window.takeDefault(resetButton);
    m_window.makeDefault(answerButton);
    answerButton->setEnabled(true);
    toolkit::setEnabled(m_controls.secondTimer, false);
    toolkit::setEnabled(m_controls.firstTimer, false);
}

void ExerciseView::showNewProblem(const QStringList &captions) const
{
    showDealt(captions);
    auto *box = m_controls.answerBox;
    box->show();
    // The long hint went with the window's first problem: a short one keeps each next one quick.
    box->setAccessibleDescription(tr("type the answer, then press Enter"));
    // The focus lands before the old answer goes: emptied first, the box would report its moved
    // caret, and Orca would take it as the focus silently, never reading the new problem. A box
    // that keeps the focus (Enter in an answered box) is not read again by Orca, whatever its
    // name: the problem is announced.
    const bool kept = box->hasFocus();
    box->setFocus();
    box->setText(QString());
    if (kept)
        toolkit::announce(&m_window, box->accessibleName());
    toolkit::speech::sayAlso(drills::openingSentence(box->accessibleName(), QString(), true));
}

void ExerciseView::showAnswered(const Exercise::Answered &answered) const
{
    auto *answerButton = m_controls.answerButton;
    auto *resetButton = m_controls.resetButton;
    auto *box = m_controls.answerBox;
    auto *correctAnswer = m_controls.correctAnswer;
    auto *picture = m_controls.picture;
    // What the learner hears first as the focus lands on Reset: right or wrong, the correct
    // answer, and the praise at its first showing, which would otherwise cut that short half a
    // second later. Reset's own description follows.
    const QString verdict =
        verdictSentence(spokenProblem(operandCaptions()), answered, m_controls.praise->text());

    m_controls.answerRim->show();
    m_controls.resetRim->hide();
    m_controls.awaitingFrame->hide();
    m_controls.rightFrame->hide();
    disable(answerButton);
    m_window.takeDefault(answerButton);
    resetButton->setAccessibleName(verdict);
    toolkit::speech::sayAlso(verdict);
    remember(verdict);
    resetButton->setEnabled(true);
    m_window.makeDefault(resetButton);
    resetButton->setFocus();
    picture->setAccessibleName(pictureName(answered));
    picture->show();
    correctAnswer->setText(answered.correctText);
    if (box->text() != answered.typedText)
        box->setText(answered.typedText);

    if (answered.right) {
        m_controls.rightFrame->show();
        if (answered.faceChanges)
            showFace(answered.face);
        if (answered.animationStarts)
            toolkit::setEnabled(m_controls.firstTimer, true);
    } else {
        m_controls.wrongFrame->show();
        box->hide();
        m_controls.leadIn->show();
        correctAnswer->show();
        showFace(answered.face);
    }
}

void ExerciseView::showTick(const Exercise::Ticked &ticked, bool firstTimer) const
{
    if (ticked.praiseShows)
        m_controls.praise->show();
    // The picture keeps the name it took with the answer: renamed at every tick, it would have
    // the desktop's accessibility bus hear of it twice a second.
    if (ticked.faceChanges)
        showFace(ticked.face);
    toolkit::setEnabled(firstTimer ? m_controls.firstTimer : m_controls.secondTimer, false);
    toolkit::setEnabled(firstTimer ? m_controls.secondTimer : m_controls.firstTimer, true);
}

void ExerciseView::showScore(const Exercise::Score &score) const
{
    m_controls.correct->setText(score.correct);
    m_controls.total->setText(score.total);
    m_controls.percent->setText(score.percent);
    // The focus stays on Score, and Orca on Qt 6.4 speaks no change of a focused control's name.
    toolkit::announce(&m_window, scoreSentence(score));
}

void ExerciseView::takeEnter() const
{
    auto *answerButton = m_controls.answerButton;
    m_window.makeDefault(answerButton->isEnabled() ? answerButton : m_controls.resetButton);
}

void ExerciseView::sayOpening(const ExerciseView *other, bool keyboardOnFirst) const
{
    toolkit::speech::sayAlso(openingSentence(m_controls.answerBox->accessibleName(),
                                             other ? other->lastSaid() : QString(),
                                             keyboardOnFirst));
}

bool ExerciseView::holds(const QWidget *control) const
{
    return control && (control == m_controls.answerBox || control == m_controls.answerButton ||
                       control == m_controls.resetButton);
}

void ExerciseView::remember(const QString &sentence) const
{
    static quint64 said = 0;
    m_lastSaid = sentence;
    m_saidAt = ++said;
}

QString ExerciseView::pictureName(const Exercise::Answered &answered) const
{
    if (!answered.right)
        return tr("wrong: %1").arg(m_faces[qsizetype(answered.face)]->accessibleName());
    if (answered.animationStarts)
        return tr("right: the faces take turns");
    return tr("right: %1").arg(m_faces[qsizetype(answered.face)]->accessibleName());
}

void ExerciseView::showFace(Face face) const
{
    auto *picture = m_controls.picture;
    const toolkit::Picture *shown = m_faces[qsizetype(face)];
    if (picture->picture() != shown->picture())
        picture->setPicture(*shown);
}

} // namespace drills
