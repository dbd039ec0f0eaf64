// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every window: its controls built from a design table, named after the design and
// bound to the window's members and handlers, with a window-wide default button that Enter
// presses.
#pragma once

#include "coveredlabels.h"
#include "defaultbutton.h"
#include "design.h"
#include "toolkit/look/legibility.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <span>

class QAction;
class QMdiSubWindow;
class QMenu;
class QPushButton;

namespace toolkit {

class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(const WindowDesign &design, QWidget *parent = nullptr);

    const WindowDesign &design() const { return m_design; }

    // The design's client area: the size the window takes when it is not maximized.
    QSize sizeHint() const override;

    // Runs once when the window is loaded, before it is first shown.
    virtual void Form_Load() {}

    // Runs when the window is about to close, by any means; setting cancel keeps it open.
    virtual void Form_Unload(bool &cancel) { Q_UNUSED(cancel); }

    // Closes the window; its controls are destroyed with it.
    void unload();

    // The window's own menu bar entries, shown in the frame's menu bar while it is active.
    const QList<QMenu *> &menus() const { return m_menus; }

    void makeDefault(QPushButton *button) { m_default.make(button); }
    void takeDefault(QPushButton *button) { m_default.take(button); }

    // Whether a screen reader meets the control: not a fragment of a sentence said elsewhere.
    bool heard(const QWidget *control) const { return !m_unheard.contains(control); }

    // Puts the focus where typing goes: in the first text box of the tab order that can take it,
    // or else on the first control that can.
    void focusFirst();

    // Takes up the frame that shows the window inside the main window.
    void enterFrame(QMdiSubWindow *frame);

    // What reading aloud says again on F5: what the window's current exercise said last.
    virtual QString lastSaid() const { return {}; }

protected:
    // Runs when the focus enters one of the window's text boxes, by any means.
    virtual void boxEntered(QWidget *box) { Q_UNUSED(box); }

    // Builds the rows, back to front, and binds them to the window's members and handlers.
    void build(std::span<const ControlRow> rows);
    void buildMenus(std::span<const MenuRow> rows);

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Puts the rows that are not placed in their bands, each band in the order of its rows.
    void layOut(std::span<const ControlRow> rows);
    void connectHandler(QObject *control, Handler handler);

    const WindowDesign &m_design;
    QHash<QString, QObject *> m_controls;
    QList<QMenu *> m_menus;
    QList<QWidget *> m_tabOrder;
    QList<const QWidget *> m_unheard;
    Legibility m_legibility;
    CoveredLabels *m_covered;
    DefaultButton m_default;
    QPointer<QWidget> m_focusAcrossState; // where the focus was as the frame changed state
};

} // namespace toolkit
