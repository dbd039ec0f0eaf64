// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "picture.h"
#include "shape.h"
#include "toolkit/look/appearance.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace toolkit {

namespace {

Qt::Alignment alignment(unsigned flags)
{
    return (flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

QWidget *createWidget(const ControlRow &row, QWidget *window, const QString &caption)
{
    const unsigned flags = row.flags;
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new QLabel(window);
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
        setBackground(label, row.back); // its text colour comes with the window's legibility
        return label;
    }
    case Kind::Image: {
        auto *image = new Picture(window);
        image->setScaledContents(flags & Stretch);
        if (row.picture)
            image->setPicture(QString::fromLatin1(row.picture));
        return image;
    }
    case Kind::TextBox: {
        if (flags & MultiLine) {
            auto *box = row.make ? qobject_cast<QPlainTextEdit *>(row.make(window))
                                 : new QPlainTextEdit(window);
            if (!box)
                qFatal("The control %s is made as no text box of many lines", row.name);
            box->setPlainText(caption);
            box->setLineWrapMode(QPlainTextEdit::NoWrap);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return box;
        }
        auto *box = new QLineEdit(window);
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        return box;
    }
    case Kind::Button: {
        auto *button = new QPushButton(caption, window);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::Shape:
    case Kind::Line:
    case Kind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QRect placeOf(const ControlRow &row)
{
    if (row.kind == Kind::Line) {
        const QPoint from(pixels(row.ends.x1), pixels(row.ends.y1));
        const QPoint to(pixels(row.ends.x2), pixels(row.ends.y2));
        return QRect(from, QSize(to.x() - from.x(), to.y() - from.y()));
    }
    return row.geometry.toPixels();
}

QObject *createControl(const ControlRow &row, QWidget *window, const char *context)
{
    if (row.kind == Kind::Timer) {
        auto *timer = new QTimer(window);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(row.interval);
        return timer;
    }
    if (row.kind == Kind::Shape || row.kind == Kind::Line) {
        // Its colours follow the desktop's palette, so the window sets them.
        Shape::Style style;
        style.outlineWidth = row.outlineWidth;
        style.rounded = row.flags & Rounded;
        auto *shape = new Shape(placeOf(row), style, window);
        if (row.flags & Hidden)
            shape->hide();
        return shape;
    }

    QWidget *widget = createWidget(row, window, QCoreApplication::translate(context, row.caption));
    widget->setFont(toQFont(row.font, window->font()));
    widget->setGeometry(placeOf(row));
    if (row.flags & AutoSize)
        widget->adjustSize();
    widget->setEnabled(!(row.flags & Disabled));
    if (row.flags & Hidden)
        widget->hide();
    return widget;
}

} // namespace toolkit
