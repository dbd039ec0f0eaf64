// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: a multiple-document frame whose menu opens the drill windows.
#pragma once

#include "drilltable/drills.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace shell {

class mdiSumbrook : public QMainWindow
{
    Q_OBJECT

public:
    explicit mdiSumbrook(QWidget *parent = nullptr);
    ~mdiSumbrook() override;

    QMdiArea *mdiArea() const { return m_area; }

    // What each drill's item in the "Sumbrook" list does (mnuitemAddition, mnuItemSubtraction,
    // ...).
    void openDrill(const drilltable::Drill &drill);
    // The learner practising stands in the title.
    void showPractising(const QString &learner);

protected:
    // Children close first, each with its own unload steps; one that stays open keeps the frame.
    void closeEvent(QCloseEvent *event) override;
    // The workspace takes the desktop's colour afresh when its scheme changes.
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void mnuAbout_Click();
    void mnuItemProgress_Click();
    void mnuItemChangeLearner_Click();
    void mnuItemClass_Click();
    // The active child's menu bar takes the place of the frame's while it has one.
    void showMenusOf(QMdiSubWindow *child);
    // With its last child closed the frame itself takes the focus, so that a screen reader says
    // where the user is and the keys go on from there.
    void keepTheFocus();
    void showWorkspaceColour();
    // Reading aloud's switch and its key to say the problem again, in the menu the frame shows.
    void offerReadingAloud(QMenu *menu);
    void sayTheProblemAgain();

    QMdiArea *m_area = nullptr;
    QMenu *m_mnuSumbrook = nullptr;
    QAction *m_mnuAbout = nullptr;
};

// The program's start: says what keeps scores from being saved or the class from being followed,
// then asks who is practising where the class lists learners, alone on the screen. The main window
// is built only once they have answered (at once without a class), so the question shows as soon
// as the main window alone would; shown calls back with the learner chosen.
void startPractising(const std::function<void(const QString &learner)> &shown);

} // namespace shell
