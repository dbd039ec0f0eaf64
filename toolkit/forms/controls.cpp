// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "picture.h"
#include "shape.h"
#include "toolkit/look/appearance.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace toolkit {

namespace {

Qt::Alignment alignment(unsigned flags)
{
    return (flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
}

// The row the keyboard is on, framed two pixels wide in the text's colour while the table has the
// keyboard: the style's own mark is a thin dotted cell.
class RowFocus : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
        if (!view || QApplication::focusWidget() != view ||
            view->currentIndex().row() != index.row())
            return;
        painter->save();
        // The text's colour stands out against the selection's and the table's alike.
        painter->setPen(QPen(option.palette.color(QPalette::Text), 2));
        const QRectF r = QRectF(option.rect).adjusted(1, 1, -1, -1);
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (index.column() == 0)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (index.column() == index.model()->columnCount() - 1)
            painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
};

// A control of the window's own class, made by its row, where the row has one.
template<class Widget>
Widget *made(const ControlRow &row, QWidget *window, const char *kind)
{
    if (!row.make)
        return new Widget(window);
    auto *widget = qobject_cast<Widget *>(row.make(window));
    if (!widget)
        qFatal("The control %s is made as no %s", row.name, kind);
    return widget;
}

QWidget *createWidget(const ControlRow &row, QWidget *window, const char *context)
{
    const unsigned flags = row.flags;
    const QString caption = QCoreApplication::translate(context, row.caption);
    const auto eachItem = [&](auto take) {
        for (const char *const *item = row.items; item && *item; ++item)
            take(QCoreApplication::translate(context, *item));
    };
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new QLabel(window);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        label->setAlignment(alignment(flags));
        label->setWordWrap(!(flags & (AutoSize | SingleLine)));
        if (flags & Selectable)
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
            auto *box = made<QPlainTextEdit>(row, window, "text box of many lines");
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
    case Kind::Choice: {
        auto *choice = new QComboBox(window);
        eachItem([choice](const QString &item) { choice->addItem(item); });
        return choice;
    }
    case Kind::Date: {
        auto *date = new QDateEdit(window);
        date->setCalendarPopup(true);
        return date;
    }
    case Kind::Table: {
        auto *table = made<QTableView>(row, window, "table");
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
        // Tab leaves the table, as it leaves every other control; the arrows move within it.
        table->setTabKeyNavigation(false);
        table->setItemDelegate(new RowFocus(table));
        // Columns fit the rows in view, not a hundred thousand of them.
        table->horizontalHeader()->setResizeContentsPrecision(200);
        return table;
    }
    case Kind::Meter:
        return new QProgressBar(window);
    case Kind::Pages: {
        auto *pages = new QTabWidget(window);
        eachItem([pages](const QString &caption) {
            auto *page = new QWidget(pages);
            new QVBoxLayout(page);
            pages->addTab(page, caption);
        });
        return pages;
    }
    case Kind::View:
        if (!row.make)
            qFatal("The view %s has no .make", row.name);
        return row.make(window);
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

    QWidget *widget = createWidget(row, window, context);
    widget->setFont(toQFont(row.font, window->font()));
    if (row.band == Band::Placed)
        widget->setGeometry(placeOf(row));
    if (row.flags & AutoSize)
        widget->adjustSize();
    widget->setEnabled(!(row.flags & Disabled));
    if (row.flags & Hidden)
        widget->hide();
    return widget;
}

} // namespace toolkit
