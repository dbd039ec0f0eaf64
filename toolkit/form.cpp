#include "form.h"

#include "appearance.h"
#include "picture.h"
#include "shape.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace toolkit {

namespace {

// Text boxes and buttons lie above labels, images and shapes; filled panels lie beneath the
// labels drawn on them. Within a layer the table's order holds.
int stackingLayer(const ControlRow &row)
{
    switch (row.kind) {
    case Kind::Shape:
        return row.back.isSet() ? 0 : 1;
    case Kind::TextBox:
    case Kind::Button:
        return 3;
    default:
        return 2;
    }
}

Qt::Alignment alignment(unsigned flags)
{
    return (flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

std::function<void(QWidget *)> &announcementListener()
{
    static std::function<void(QWidget *)> listener;
    return listener;
}

// A shape whose colours come from the desktop's scheme has to be drawn again when it changes.
bool followsPalette(const ControlRow &row)
{
    return (row.kind == Kind::Shape || row.kind == Kind::Line) &&
           (row.line.source != Colour::Rgb || row.back.source == Colour::System);
}

Shape::Style shapeStyle(const Colour &line, const Colour &back, int lineWidth, bool rounded,
                        const QPalette &palette)
{
    Shape::Style style;
    style.outline = line.isSet() ? resolve(line, palette) : palette.color(QPalette::WindowText);
    style.outlineWidth = lineWidth;
    style.fill = resolve(back, palette);
    style.rounded = rounded;
    return style;
}

} // namespace

void announce(QWidget *control)
{
    if (const auto &listener = announcementListener())
        listener(control);
    // With nobody listening, Windows would still play its alert sound.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

void setAnnouncementListener(std::function<void(QWidget *)> listener)
{
    announcementListener() = std::move(listener);
}

Form::Form(const WindowDesign &design, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    // Inside the frame the window is no top-level window, whose title a screen reader would read.
    setAccessibleName(windowTitle().trimmed());
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

void Form::makeDefault(QPushButton *button)
{
    if (m_default && m_default != button)
        m_default->setDefault(false);
    m_default = button;
    button->setDefault(true);
}

void Form::takeDefault(QPushButton *button)
{
    if (m_default != button)
        return;
    button->setDefault(false);
    m_default = nullptr;
}

QAction *Form::menuItem(const QString &name) const
{
    return findChild<QAction *>(name);
}

void Form::focusFirst()
{
    for (QWidget *w : std::as_const(m_tabOrder)) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() && !w->isHidden()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::enterFrame(QMdiSubWindow *frame)
{
    frame->installEventFilter(this);
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

void Form::build(std::span<const ControlRow> rows)
{
    QList<const ControlRow *> order;
    for (const ControlRow &row : rows)
        order.append(&row);
    std::stable_sort(order.begin(), order.end(), [](const ControlRow *a, const ControlRow *b) {
        return stackingLayer(*a) < stackingLayer(*b);
    });

    const auto geometryOf = [rows](const ControlRow &row) {
        if (row.kind == Kind::Line) {
            const Twips &ends = row.geometry; // x1, y1, x2, y2
            return QRect(QPoint(pixels(ends.left), pixels(ends.top)),
                         QSize(pixels(ends.width) - pixels(ends.left),
                               pixels(ends.height) - pixels(ends.top)));
        }
        if (!row.follows)
            return row.geometry.toPixels();
        const auto followed = std::find_if(rows.begin(), rows.end(), [&](const ControlRow &r) {
            return qstrcmp(r.name, row.follows) == 0;
        });
        Q_ASSERT(followed != rows.end());
        return followed->geometry.toPixels();
    };

    for (const ControlRow *row : std::as_const(order)) {
        QObject *object = create(*row, geometryOf(*row));
        object->setObjectName(QString::fromLatin1(row->name));
        m_controls.insert(object->objectName(), object);
    }

    for (const ControlRow &row : rows) {
        if (row.kind != Kind::TextBox)
            continue;
        auto *box = control<QWidget>(QString::fromLatin1(row.name));
        for (const ControlRow &under : rows) {
            if (under.kind == Kind::Label && geometryOf(under).intersects(box->geometry()))
                m_covered.push_back({box, control<QLabel>(QString::fromLatin1(under.name))});
        }
        box->installEventFilter(this);
        cover(box);
    }

    for (const ControlRow &row : rows) {
        Colours colours{
            QString::fromLatin1(row.name), row.kind, row.back, row.line, {}, row.lineWidth,
            bool(row.flags & Rounded)};
        if (row.kind == Kind::Label && !row.back.isSet()) {
            const QPoint centre = geometryOf(row).center();
            const auto panel = std::find_if(rows.begin(), rows.end(), [&](const ControlRow &r) {
                return r.kind == Kind::Shape && r.back.isSet() && geometryOf(r).contains(centre);
            });
            if (panel != rows.end())
                colours.backdrop = panel->back;
        }
        if (row.kind == Kind::Label || followsPalette(row))
            m_colours.push_back(colours);
    }
    applyColours();
}

void Form::describe(std::span<const AccessibleRow> rows)
{
    for (const AccessibleRow &row : rows) {
        QWidget *widget = qstrcmp(row.name, m_design.name) == 0
                              ? this
                              : control<QWidget>(QString::fromLatin1(row.name));
        Q_ASSERT_X(widget, "Form::describe", row.name);
        if (row.accessibleName)
            widget->setAccessibleName(QString::fromLatin1(row.accessibleName));
        if (row.description)
            widget->setAccessibleDescription(QString::fromLatin1(row.description));
        if (row.announced && !m_announced.contains(widget)) {
            m_announced.append(widget);
            widget->installEventFilter(this);
        }
    }
}

void Form::applyColours()
{
    const QPalette &face = palette();
    for (const Colours &c : m_colours) {
        if (c.kind != Kind::Label) {
            const Shape::Style style = shapeStyle(c.line, c.back, c.lineWidth, c.rounded, face);
            control<Shape>(c.name)->setColours(style.outline, style.fill);
            continue;
        }
        auto *label = control<QLabel>(c.name);
        // Only what is set here overrides what the label takes from the window.
        QPalette own;
        if (c.back.source == Colour::Rgb)
            own.setColor(QPalette::Window, resolve(c.back, face));
        const Colour &under = c.back.isSet() ? c.back : c.backdrop;
        const QColor backdrop = under.isSet() ? resolve(under, face) : face.color(backgroundRole());
        const QColor designed =
            c.line.isSet() ? resolve(c.line, face) : face.color(QPalette::WindowText);
        own.setColor(QPalette::WindowText, legibleText(designed, backdrop, face));
        label->setPalette(own);
    }
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        applyColours();
    QWidget::changeEvent(event);
}

QObject *Form::create(const ControlRow &row, const QRect &geometry)
{
    const unsigned flags = row.flags;
    const QString caption = QString::fromLatin1(row.caption);
    QWidget *widget = nullptr;

    switch (row.kind) {
    case Kind::Timer: {
        auto *timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(row.interval);
        return timer;
    }
    case Kind::Label: {
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(alignment(flags));
        label->setWordWrap(!(flags & (AutoSize | SingleLine)));
        if (flags & Border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            // A framed label would otherwise set its text in by half an "x", from the top too.
            label->setIndent(0);
        }
        setBackground(label, row.back); // its text colour comes in applyColours()
        widget = label;
        break;
    }
    case Kind::Image: {
        auto *image = new Picture(this);
        image->setScaledContents(flags & Stretch);
        if (!caption.isEmpty())
            image->setPicture(caption);
        widget = image;
        break;
    }
    case Kind::TextBox: {
        if (flags & MultiLine) {
            auto *box = new QPlainTextEdit(caption, this);
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            widget = box;
            break;
        }
        auto *box = new QLineEdit(this);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        widget = box;
        break;
    }
    case Kind::Button: {
        auto *button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        button->setFocusPolicy(flags & TabStop ? Qt::StrongFocus : Qt::ClickFocus);
        widget = button;
        break;
    }
    case Kind::Shape:
    case Kind::Line: {
        const Shape::Style style =
            shapeStyle(row.line, row.back, row.lineWidth, flags & Rounded, palette());
        auto *shape = new Shape(geometry, style, this);
        if (flags & Hidden)
            shape->hide();
        return shape;
    }
    }

    widget->setFont(toQFont(row.font, font()));
    widget->setGeometry(geometry);
    if (flags & AutoSize)
        widget->adjustSize();
    widget->setEnabled(!(flags & Disabled));
    if (flags & Hidden)
        widget->hide();
    return widget;
}

void Form::buildMenus(std::span<const MenuRow> rows)
{
    QHash<QString, QMenu *> entries;
    for (const MenuRow &row : rows) {
        const QString name = QString::fromLatin1(row.name);
        const QString caption = QString::fromLatin1(row.caption);
        if (!row.parent) {
            auto *menu = new QMenu(caption, this);
            menu->setObjectName(name);
            entries.insert(name, menu);
            m_menus.append(menu);
            continue;
        }
        auto *item = new QAction(caption, this);
        item->setObjectName(name);
        entries.value(QString::fromLatin1(row.parent))->addAction(item);
    }
}

void Form::setTabOrder(std::span<const char *const> names)
{
    m_tabOrder.clear();
    for (const char *name : names)
        m_tabOrder.append(control<QWidget>(QString::fromLatin1(name)));
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

bool Form::defaultUsable() const
{
    return m_default && m_default->isEnabled() && m_default->isVisibleTo(this);
}

bool Form::pressDefault(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !defaultUsable())
        return false;
    m_default->click();
    return true;
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (pressDefault(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void Form::cover(const QWidget *box)
{
    // While the box is shown, the label beneath it shows nothing beside it, even where it is
    // taller than the box.
    for (const Covered &c : m_covered) {
        if (c.box != box)
            continue;
        if (box->isHidden())
            c.label->clearMask();
        else
            c.label->setMask(QRegion(box->geometry().translated(-c.label->pos())));
    }
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && m_announced.contains(watched))
        announce(static_cast<QWidget *>(watched));
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
        cover(static_cast<QWidget *>(watched));
    // Qt would hand the focus of a box hidden on its own on to the next box, with all of its text
    // selected for the next key to replace: the default button takes it instead, and Enter
    // presses it. A box hidden with its window keeps the focus for the window's return.
    if (const auto *box = qobject_cast<QLineEdit *>(watched);
        box && event->type() == QEvent::Hide && box->isHidden() && box->hasFocus() &&
        defaultUsable())
        m_default->setFocus(Qt::OtherFocusReason);
    // The frame's own state changes, not those it passes on while it changes.
    if (watched == parentWidget() && event->type() == QEvent::WindowStateChange &&
        !static_cast<QWindowStateChangeEvent *>(event)->isOverride()) {
        QWidget *focus = QApplication::focusWidget();
        m_focusAcrossState = isAncestorOf(focus) ? focus : nullptr;
    }
    // Enter where the focus rests on the frame around the window still presses the default button.
    if (watched == parentWidget() && event->type() == QEvent::KeyPress &&
        pressDefault(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace toolkit
