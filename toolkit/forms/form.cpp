// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "binding.h"
#include "controls.h"
#include "menus.h"
#include "toolkit/accessibility/accessibility.h"
#include "toolkit/look/appearance.h"
#include "toolkit/speech/readaloud.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace toolkit {

void detail::wrongKind(const QObject *control, const char *wanted)
{
    qFatal("The control %s is bound to a member that wants a %s", qPrintable(control->objectName()),
           wanted);
}

void detail::unbound(const QObject *window, std::string_view member)
{
    qFatal("No row of %s binds its member %.*s: the row named %.*s has no .member",
           qPrintable(window->objectName()), int(member.size()), member.data(), int(member.size()),
           member.data());
}

void MemberBinder::operator()(Form &window, QObject *control) const
{
    if (!member.empty()) {
        QString own = QString::fromLatin1(member.data(), qsizetype(member.size()));
        if (index >= 0)
            own += QStringLiteral("(%1)").arg(index);
        if (own != control->objectName())
            qFatal("The control \"%s\" of %s is bound to the member %s, named after another "
                   "control",
                   qPrintable(control->objectName()), qPrintable(window.objectName()),
                   qPrintable(own));
    }
    bind(window, control);
}

Form::Form(const WindowDesign &design, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
    , m_covered(new CoveredLabels(this))
{
    putAccessibilityFirst();
    setObjectName(QString::fromLatin1(design.name));
    if (design.icon)
        setWindowIcon(designIcon(design.icon));
    setFont(windowFont());
    setAutoFillBackground(true);
    setBackgroundRole(systemRole(SystemColour::ButtonFace.value));
    resize(design.clientArea.toPixels());
}

QSize Form::sizeHint() const
{
    return m_design.clientArea.toPixels();
}

void Form::build(std::span<const ControlRow> rows)
{
    // The design's texts are translated in the window's own context, as its tr() is.
    const char *context = metaObject()->className();
    setWindowTitle(QCoreApplication::translate(context, m_design.caption));

    std::map<int, QWidget *> tabOrder;
    int laidOut = int(rows.size()); // laid-out controls take the tab order of their rows
    for (const ControlRow &row : rows) {
        QObject *control = createControl(row, this, context);
        const QString name = QString::fromLatin1(row.name);
        control->setObjectName(name);
        m_controls.insert(name, control);
        if (row.member)
            row.member(*this, control);
        if (row.handler)
            connectHandler(control, row.handler);
        if (auto *widget = qobject_cast<QWidget *>(control)) {
            describe(widget, row, context);
            if (row.flags & Unheard)
                m_unheard.append(widget);
            if (row.tabIndex >= 0)
                tabOrder.emplace(row.tabIndex, widget);
            else if (row.band != Band::Placed && widget->focusPolicy() != Qt::NoFocus)
                tabOrder.emplace(laidOut++, widget);
        }
        // To see a box take the focus, or hidden with it, and Tab in a box of many lines.
        if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control))
            control->installEventFilter(this);
    }

    for (const auto &[index, widget] : tabOrder) {
        if (!m_tabOrder.isEmpty())
            QWidget::setTabOrder(m_tabOrder.last(), widget);
        m_tabOrder.append(widget);
    }
    layOut(rows);
    m_legibility.track(rows, m_controls);
    m_legibility.apply(*this);
    m_covered->track(rows, m_controls);
}

void Form::layOut(std::span<const ControlRow> rows)
{
    if (std::ranges::all_of(rows, [](const ControlRow &r) { return r.band == Band::Placed; }))
        return;
    auto *window = new QVBoxLayout(this);
    auto *above = new QHBoxLayout;
    auto *body = new QVBoxLayout;
    auto *below = new QHBoxLayout;
    window->addLayout(above);
    window->addLayout(body, 1);
    window->addLayout(below);
    QTabWidget *pages = nullptr;
    for (const ControlRow &row : rows) {
        auto *control = qobject_cast<QWidget *>(m_controls.value(QString::fromLatin1(row.name)));
        QBoxLayout *band = nullptr;
        switch (row.band) {
        case Band::Placed:
            continue;
        case Band::Above:
            band = above;
            break;
        case Band::Body:
            band = body;
            break;
        case Band::Page:
            if (!pages || row.page >= pages->count())
                qFatal("The control %s stands on page %d of no pages before it", row.name,
                       row.page);
            band = static_cast<QBoxLayout *>(pages->widget(row.page)->layout());
            break;
        case Band::Below:
            band = below;
            break;
        }
        if (row.flags & Apart)
            band->addStretch(1);
        band->addWidget(control, row.stretch);
        if (row.kind == Kind::Pages)
            pages = static_cast<QTabWidget *>(control);
    }
}

void Form::connectHandler(QObject *control, Handler handler)
{
    const auto run = [this, handler] { handler(*this); };
    if (auto *button = qobject_cast<QPushButton *>(control))
        connect(button, &QPushButton::clicked, this, run);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        connect(box, &QLineEdit::textChanged, this, run);
    else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        connect(box, &QPlainTextEdit::textChanged, this, run);
    else if (auto *timer = qobject_cast<QTimer *>(control))
        connect(timer, &QTimer::timeout, this, run);
    else if (auto *choice = qobject_cast<QComboBox *>(control))
        connect(choice, &QComboBox::currentIndexChanged, this, run);
    else if (auto *date = qobject_cast<QDateEdit *>(control))
        connect(date, &QDateEdit::dateChanged, this, run);
    else
        qFatal("The control %s has no event for a handler", qPrintable(control->objectName()));
}

void Form::buildMenus(std::span<const MenuRow> rows)
{
    m_menus = toolkit::buildMenus(*this, rows, metaObject()->className());
}

void Form::unload()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void Form::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Form::focusFirst()
{
    const auto canTake = [](const QWidget *w) {
        return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() &&
               !w->isHidden();
    };
    const auto box = std::ranges::find_if(m_tabOrder, [&](const QWidget *w) {
        return canTake(w) &&
               (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w));
    });
    const auto first = box != m_tabOrder.end() ? box : std::ranges::find_if(m_tabOrder, canTake);
    if (first != m_tabOrder.end())
        (*first)->setFocus(Qt::TabFocusReason);
}

void Form::enterFrame(QMdiSubWindow *frame)
{
    frame->installEventFilter(this);
    // Tab goes round the window's own controls. A stop on the frame would only hand the focus on
    // to the window, and have a screen reader speak of the frame instead.
    frame->setFocusPolicy(Qt::ClickFocus);
    // Maximizing, restoring or minimizing hides the frame for a moment, and Qt then hands the focus
    // to the first box, its text selected for the next key to replace: it goes back where it was.
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates after) {
                if (!((before ^ after) & (Qt::WindowMinimized | Qt::WindowMaximized)))
                    return;
                QWidget *focus = m_focusAcrossState;
                m_focusAcrossState = nullptr;
                if (focus && focus->isVisible() && focus->isEnabled())
                    focus->setFocus(Qt::OtherFocusReason);
            });
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (m_default.press(event, this))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QPlainTextEdit *>(watched)) {
        // Tab moves on as it does from every other control, or stays where it is when the box
        // is all there is: it never types a tab into the text.
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (event->type() == QEvent::Hide && qobject_cast<QLineEdit *>(watched))
        m_default.takeFocusFrom(static_cast<QWidget *>(watched), this);
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit *>(watched)) {
        // Tab would select the box's text, and Qt reports a selection before the focus: Orca then
        // takes the box as the focus silently, and never reads its problem. It comes in plainly.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(watched, &plain);
            return true;
        }
        // Read aloud too: its name is the problem it awaits.
        speech::sayAlso(static_cast<QWidget *>(watched)->accessibleName());
        boxEntered(static_cast<QWidget *>(watched));
    }
    if (watched != parentWidget())
        return QWidget::eventFilter(watched, event);
    // The frame's own state changes, not those it passes on while it changes.
    if (event->type() == QEvent::WindowStateChange &&
        !static_cast<QWindowStateChangeEvent *>(event)->isOverride()) {
        QWidget *focus = QApplication::focusWidget();
        m_focusAcrossState = isAncestorOf(focus) ? focus : nullptr;
    }
    // Enter where the focus rests on the frame around the window still presses the default button.
    if (event->type() == QEvent::KeyPress && m_default.press(static_cast<QKeyEvent *>(event), this))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        m_legibility.apply(*this);
    QWidget::changeEvent(event);
}

} // namespace toolkit
