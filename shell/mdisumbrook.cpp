// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdisumbrook.h"

#include "about/aboutwindow.h"
#include "classroom/classwindow.h"
#include "classroom/practising.h"
#include "drillwindows.h"
#include "progress/progresswindow.h"
#include "scores/scorefolder.h"
#include "scores/scorewindow.h"
#include "toolkit/accessibility/accessibility.h"
#include "toolkit/application.h"
#include "toolkit/forms/design.h"
#include "toolkit/forms/dialogs.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/windowinstance.h"
#include "toolkit/look/appearance.h"
#include "toolkit/speech/readaloud.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>

namespace shell {

namespace {

constexpr toolkit::WindowDesign Design{.name = "mdiSumbrook",
                                       .caption = "Sumbrook",
                                       .clientArea = {7695, 4965},
                                       .icon = "target",
                                       .mdiChild = false};

} // namespace

mdiSumbrook::mdiSumbrook(QWidget *parent)
    : QMainWindow(parent)
    , m_area((toolkit::putAccessibilityFirst(), new QMdiArea(this)))
    , m_mnuSumbrook(new QMenu(QStringLiteral("Sumbrook"), this))
{
    // The workspace above was made with the program's accessible interfaces first, so a screen
    // reader does not name it at each change of window.
    setObjectName(QString::fromLatin1(Design.name));
    setWindowTitle(QString::fromLatin1(Design.caption));
    setWindowIcon(toolkit::designIcon(Design.icon));
    showWorkspaceColour();
    setCentralWidget(m_area);

    const auto action = [this](const char *name, const char *caption, auto handler) {
        auto *a = new QAction(tr(caption), this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    m_mnuSumbrook->setObjectName(QStringLiteral("mnuSumbrook"));
    for (const drilltable::Drill &drill : drilltable::Drills) {
        m_mnuSumbrook->addAction(
            action(drill.menuName, drill.menuCaption, [this, &drill] { openDrill(drill); }));
    }
    // The "Sumbrook" list holds the drills, in the table's order, then Progress (each learner's
    // progress in every drill), who is practising and the class; no separators, access keys or
    // shortcuts. The program's name stays as it is in every language.
    m_mnuSumbrook->addAction(action("mnuItemProgress",
                                    QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Progress"),
                                    &mdiSumbrook::mnuItemProgress_Click));
    m_mnuSumbrook->addAction(action("mnuItemChangeLearner",
                                    QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Change Learner"),
                                    &mdiSumbrook::mnuItemChangeLearner_Click));
    m_mnuSumbrook->addAction(action("mnuItemClass",
                                    QT_TRANSLATE_NOOP("shell::mdiSumbrook", "Class"),
                                    &mdiSumbrook::mnuItemClass_Click));
    // The signs are drawn as the menu first opens: start-up stays as quick as before.
    connect(m_mnuSumbrook, &QMenu::aboutToShow, this, [this] {
        for (const drilltable::Drill &drill : drilltable::Drills) {
            for (QAction *a : m_mnuSumbrook->actions()) {
                if (a->objectName() == QLatin1String(drill.menuName) && a->icon().isNull())
                    a->setIcon(toolkit::designIcon(drill.icon));
            }
        }
    });
    m_mnuAbout = action("mnuAbout", QT_TRANSLATE_NOOP("shell::mdiSumbrook", "About Sumbrook"),
                        &mdiSumbrook::mnuAbout_Click);
    showMenusOf(nullptr);
    // The restored client area lies below the menu bar.
    const QSize client = Design.clientArea.toPixels();
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));

    // Alt alone reaches the menu bar already; F10, as on Windows, opens its first menu. It goes
    // the way Alt and Down go, so that the bar keeps the keyboard: Right then moves to a command
    // of the bar itself ("About Sumbrook"), which Enter takes and a screen reader names. The first
    // item is chosen, so that Enter alone takes it.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        if (menuBar()->actions().isEmpty())
            return;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent alt(type, Qt::Key_Alt,
                          type == QEvent::KeyPress ? Qt::AltModifier : Qt::NoModifier);
            QCoreApplication::sendEvent(this, &alt);
        }
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(menuBar(), &down);
        if (QMenu *menu = menuBar()->actions().first()->menu(); menu && !menu->activeAction())
            menu->setActiveAction(menu->actions().value(0));
    });

    // News of reading aloud goes to the status line, never into a box a child must close.
    toolkit::speech::setNewsShower([this](const QString &news) {
        statusBar()->setObjectName(QStringLiteral("statusBar"));
        statusBar()->showMessage(news);
        if (!news.isEmpty())
            toolkit::announce(this, news);
    });

    // Reading aloud: its keys work in every window, and its switch joins the first menu shown.
    addAction(toolkit::speech::readAloudAction());
    addAction(toolkit::speech::sayAgainAction());
    connect(toolkit::speech::sayAgainAction(), &QAction::triggered, this,
            &mdiSumbrook::sayTheProblemAgain);

    toolkit::WindowInstance::setMdiArea(m_area);
    // The windows it opens are prepared unseen, once it is on screen, so their first opening is
    // as quick as the next.
    toolkit::WindowInstance::prepareAllAfterFirstPaint(m_area->viewport());
    connect(m_area, &QMdiArea::subWindowActivated, this, &mdiSumbrook::showMenusOf);
    connect(m_area, &QMdiArea::subWindowActivated, this, &mdiSumbrook::keepTheFocus);
}

mdiSumbrook::~mdiSumbrook()
{
    // The area reports a last activation while it is being destroyed.
    disconnect(m_area, nullptr, this, nullptr);
    if (toolkit::WindowInstance::mdiArea() == m_area)
        toolkit::WindowInstance::setMdiArea(nullptr);
}

void mdiSumbrook::openDrill(const drilltable::Drill &drill)
{
    windowOf(drill).show();
}

void mdiSumbrook::mnuAbout_Click()
{
    about::frmAbout().show();
}

void mdiSumbrook::mnuItemProgress_Click()
{
    progress::showProgress();
}

void mdiSumbrook::mnuItemChangeLearner_Click()
{
    classroom::askWhoIsPractising(this, [this](const QString &name) { showPractising(name); });
}

void mdiSumbrook::mnuItemClass_Click()
{
    classroom::frmClass().show();
}

void mdiSumbrook::showPractising(const QString &learner)
{
    setWindowTitle(learner.isEmpty()
                       ? QString::fromLatin1(Design.caption)
                       : tr("%1 - %2").arg(QString::fromLatin1(Design.caption), learner));
}

void mdiSumbrook::closeEvent(QCloseEvent *event)
{
    // The viewer may keep itself open to keep unsaved edits: it is asked first, so that the drill
    // windows are still as they were when it does.
    if (const toolkit::Form *viewer = scores::frmScore().form()) {
        if (!viewer->parentWidget()->close()) {
            event->ignore();
            return;
        }
    }
    m_area->closeAllSubWindows();
    if (!m_area->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void mdiSumbrook::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+F4 closes the active child, as on Windows. A child window makes it its shortcut only
    // where the desktop's keys say so; an X11 desktop's Close is Ctrl+W, and the key comes here.
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::ControlModifier &&
        m_area->activeSubWindow()) {
        m_area->closeActiveSubWindow();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void mdiSumbrook::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        showWorkspaceColour();
    QMainWindow::changeEvent(event);
}

void mdiSumbrook::showWorkspaceColour()
{
    m_area->setBackground(
        palette().brush(toolkit::systemRole(toolkit::SystemColour::AppWorkspace.value)));
}

void mdiSumbrook::showMenusOf(QMdiSubWindow *child)
{
    // An inactive frame reports no active child; its current one still owns the menu bar.
    if (!child)
        child = m_area->currentSubWindow();
    const auto *form = child ? qobject_cast<toolkit::Form *>(child->widget()) : nullptr;
    // What to do first, for a screen reader and for reading aloud, while no window is open: with
    // one open, F10 opens that window's own menu.
    setAccessibleDescription(child ? QString() : tr("Press F10 to choose a drill"));
    menuBar()->clear();
    if (form && !form->menus().isEmpty()) {
        for (QMenu *menu : form->menus())
            menuBar()->addAction(menu->menuAction());
        offerReadingAloud(form->menus().first());
        return;
    }
    menuBar()->addAction(m_mnuSumbrook->menuAction());
    menuBar()->addAction(m_mnuAbout);
    offerReadingAloud(m_mnuSumbrook);
}

void mdiSumbrook::offerReadingAloud(QMenu *menu)
{
    if (menu->actions().contains(toolkit::speech::readAloudAction()))
        return;
    menu->addSeparator();
    menu->addAction(toolkit::speech::readAloudAction());
    menu->addAction(toolkit::speech::sayAgainAction());
}

void mdiSumbrook::sayTheProblemAgain()
{
    QMdiSubWindow *child = m_area->currentSubWindow();
    if (const auto *form = child ? qobject_cast<toolkit::Form *>(child->widget()) : nullptr)
        toolkit::speech::say(form->lastSaid());
    else if (!child)
        toolkit::speech::say(accessibleDescription());
}

void mdiSumbrook::keepTheFocus()
{
    if (m_area->subWindowList().isEmpty() && isActiveWindow() && !QApplication::focusWidget()) {
        setFocus();
        toolkit::speech::sayAlso(accessibleDescription());
    }
}

void startPractising(const std::function<void(const QString &learner)> &shown)
{
    // What keeps scores from being saved, or the class from being followed, is said first.
    if (const QString refusal = scores::scoreFolder().refusal; !refusal.isEmpty())
        toolkit::ModalBoxes::instance().message(
            nullptr, refusal, QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Ok,
            QMessageBox::Ok, QMessageBox::Warning);
    if (const QString problems = classroom::loadClass(); !problems.isEmpty())
        toolkit::ModalBoxes::instance().message(
            nullptr, problems, QString::fromLatin1(toolkit::ApplicationTitle), QMessageBox::Ok,
            QMessageBox::Ok, QMessageBox::Warning);
    classroom::askWhoIsPractising(nullptr, shown);
}

} // namespace shell
