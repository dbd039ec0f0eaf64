// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "divisionwindow.h"

#include "drilltable/levels.h"
#include "progress/progresswindow.h"
#include "scores/scorerecord.h"
#include "scores/scorewindow.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace division {

void DivisionWindow::Form_Load()
{
    // The tallies start at 0 with the window, which each opening builds afresh.
    makeDefault(two.answerButton);
    m_random.reseed();
    m_view.showDealt(dealt(m_drill.designed[0].load()));
    two.correctAnswer->hide();
    two.leadIn->hide();
    two.answerBox->show();
    two.answerBox->setText(QString());
}

void DivisionWindow::cmdReset_Click()
{
    m_view.showAwaiting();
    m_random.reseed();
    m_view.showNewProblem(dealt(m_drill.designed[0].reset()));
}

QStringList DivisionWindow::dealt(std::span<const drilltable::Range> designed)
{
    // The level stands beside the window's name, where a learner at a level of their own reads it;
    // a learner changed meanwhile practises at their level from their next problem on.
    const drilltable::Level level = drilltable::levelInForce(QString::fromLatin1(m_drill.key));
    const QString caption = tr(m_drill.caption);
    setWindowTitle(level.isDesigned() ? caption
                                      : tr("%1 (%2)").arg(caption.trimmed(), level.title()));
    const QStringList captions = drilltable::dealCaptions(level, drilltable::Numbers::Two, m_random,
                                                          m_view.operandCaptions());
    return captions.isEmpty() ? m_exercise.deal(designed, m_random) : captions;
}

void DivisionWindow::cmdAnswer_Click()
{
    m_view.showAnswered(m_exercise.answer(m_view.operandCaptions(), two.answerBox->text()));
}

void DivisionWindow::cmdScore1_Click()
{
    m_view.showScore(m_exercise.score());
}

void DivisionWindow::cmdExit_Click()
{
    unload();
}

void DivisionWindow::mnuitemSaveScore_Click()
{
    // The count starts afresh only once the record is safely in the file.
    if (!scores::saveScore(this, m_drill.scores, {two.percent->text(), two.total->text()},
                           QDate::currentDate(), m_boxes))
        return;
    intTotalA = 0;
    intCorrectA = 0;
    two.percent->clear();
}

void DivisionWindow::mnuItemRetrievScores_Click()
{
    scores::displayScores(m_drill.scores);
}

void DivisionWindow::mnuItemProgress_Click()
{
    progress::showProgress(&m_drill);
}

void DivisionWindow::Timer1_Timer()
{
    m_view.showTick(m_exercise.tick(true), true);
}

void DivisionWindow::Timer2_Timer()
{
    m_view.showTick(m_exercise.tick(false), false);
}

QString DivisionWindow::lastSaid() const
{
    return m_view.lastSaid();
}

void DivisionWindow::boxEntered(QWidget *)
{
    if (isVisible() && std::exchange(m_opening, false))
        m_view.sayOpening(nullptr, true);
}

} // namespace division
