// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a built control against the design's own words for it, written out in the test: its
// place in twips, caption, font and look. A wrong value in a window's table then fails.
#pragma once

#include "toolkit/forms/form.h"
#include "toolkit/forms/picture.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <span>

// What the design gives one or more controls (their names blank-separated). The caption is null
// where the design gives none, ends in '*' where it gives only its start, and holds the windows'
// captions between '|' where they differ; the font likewise, as "MS Sans Serif 18 bold". The
// words: hidden, disabled, auto-size, centred, one-line, border, stretch; a background or
// outline colour (#RRGGBB, sysN for system colour N, text for the window text); a shape's
// outline width (12px), rounded, filled; a timer's interval (500ms).
struct DesignedLook
{
    const char *names;
    const char *caption;
    const char *font;
    const char *words;
};

// Where the design puts controls (their names blank-separated): Left, Top, Width, Height in twips
// in each window that has them, the drills' in the order Addition, Subtraction, Multiplication. A
// frame has the place of the control it frames where it is given none of its own, the faces only
// a size (a negative Left).
struct DesignedPlace
{
    const char *names;
    QRect twips[3] = {};
    const char *as = nullptr;
};

inline QStringList namesOf(const char *names)
{
    return QString::fromLatin1(names).split(u' ');
}

// A row for each control of the looks in each window: the window's index, and the control's name.
inline void addDesignedRows(std::span<const DesignedLook> looks, const QStringList &windows)
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("name");
    for (int window = 0; window < windows.size(); ++window) {
        for (const DesignedLook &look : looks) {
            for (const QString &name : namesOf(look.names))
                QTest::addRow("%s %s", qPrintable(windows[window]), qPrintable(name))
                    << window << name;
        }
    }
}

// The names of the looks' controls, and of those the window built, each in order.
inline QStringList designedControls(std::span<const DesignedLook> looks)
{
    QStringList names;
    for (const DesignedLook &look : looks)
        names += namesOf(look.names);
    names.sort();
    return names;
}
inline QStringList builtControls(const toolkit::Form &form)
{
    QStringList names;
    for (const QObject *child : form.children()) {
        if (form.control(child->objectName()) == child)
            names << child->objectName();
    }
    names.sort();
    return names;
}

// Checks the control of the current row that addDesignedRows() added against the design.
inline void checkDesignedControl(const toolkit::Form &form, std::span<const DesignedLook> looks,
                                 std::span<const DesignedPlace> places)
{
    QFETCH(int, window);
    QFETCH(QString, name);
    const auto placeOf = [&](const QString &control, const auto &self) -> QRect {
        for (const DesignedPlace &place : places) {
            if (!namesOf(place.names).contains(control))
                continue;
            const QRect own = place.twips[window];
            return place.as && own.isNull() ? self(QString::fromLatin1(place.as), self) : own;
        }
        return {}; // a timer's
    };
    const QRect twips = placeOf(name, placeOf);
    const DesignedLook &designed = *std::ranges::find_if(
        looks, [&](const DesignedLook &look) { return namesOf(look.names).contains(name); });
    // One of the windows' values, where they are given between '|'; an empty caption is one.
    const auto forWindow = [window](const char *values) -> QString {
        if (!values)
            return {};
        const QStringList each = QString::fromLatin1(values).split(u'|');
        const QString value = each.value(window, each.first());
        return value.isNull() ? QStringLiteral("") : value;
    };
    const QString caption = forWindow(designed.caption);
    const QString font = forWindow(designed.font);
    const QStringList look = QString::fromLatin1(designed.words).split(u' ', Qt::SkipEmptyParts);
    QObject *object = form.control(name);
    QVERIFY2(object, qPrintable(name));
    const auto has = [&](const char *word) { return look.contains(QLatin1String(word)); };
    QColor colour;
    int outline = 0;
    for (const QString &word : look) {
        if (word.startsWith(u'#'))
            colour = QColor(word);
        else if (word == u"text")
            colour = form.palette().color(QPalette::WindowText);
        else if (word.endsWith(u"px"))
            outline = word.chopped(2).toInt();
    }
    if (auto *timer = qobject_cast<QTimer *>(object)) {
        QCOMPARE(timer->interval(), look.first().chopped(2).toInt());
        QVERIFY(!timer->isActive());
        return;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    QCOMPARE(widget->isHidden(), has("hidden"));
    QCOMPARE(widget->isEnabled(), !has("disabled"));
    const auto pixels = [](int twips) { return qRound(twips / 15.0); };
    const QRect place(pixels(twips.left()), pixels(twips.top()), pixels(twips.width()),
                      pixels(twips.height()));
    if (auto *shape = qobject_cast<toolkit::Shape *>(widget)) {
        QCOMPARE(shape->nominalGeometry(), place);
        QCOMPARE(shape->style().outline, colour);
        QCOMPARE(shape->style().outlineWidth, outline);
        QCOMPARE(shape->style().fill, has("filled") ? colour : QColor());
        QCOMPARE(shape->style().rounded, has("rounded"));
        return;
    }
    if (twips.left() < 0)
        QCOMPARE(widget->size(), place.size());
    else if (has("auto-size"))
        QCOMPARE(widget->geometry(), QRect(place.topLeft(), widget->sizeHint()));
    else
        QCOMPARE(widget->geometry(), place);
    if (!font.isEmpty()) {
        static const QRegularExpression parts(
            QStringLiteral("^(.+?) ([0-9.]+)( bold)?( italic)?$"));
        const auto designed = parts.match(font);
        QVERIFY2(designed.hasMatch(), qPrintable(font));
        QCOMPARE(widget->font().family(), designed.captured(1));
        QCOMPARE(widget->font().pointSizeF(), designed.captured(2).toDouble());
        QCOMPARE(widget->font().bold(), designed.hasCaptured(3));
        QCOMPARE(widget->font().italic(), designed.hasCaptured(4));
    }
    const auto checkCaption = [&](const QString &text) {
        if (caption.endsWith(u'*'))
            QVERIFY2(text.startsWith(caption.chopped(1)), qPrintable(text));
        else if (!caption.isNull())
            QCOMPARE(text, caption);
    };
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->alignment(), Qt::AlignCenter);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        checkCaption(button->text());
    } else if (auto *image = qobject_cast<toolkit::Picture *>(widget)) {
        QCOMPARE(image->hasScaledContents(), has("stretch"));
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        checkCaption(label->text());
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), has("centred"));
        QCOMPARE(label->wordWrap(), !has("auto-size") && !has("one-line"));
        QCOMPARE(label->frameShape() == QFrame::Box, has("border"));
        const auto system = look.filter(QRegularExpression(QStringLiteral("^sys\\d+$")));
        QCOMPARE(label->autoFillBackground(), colour.isValid() || !system.isEmpty());
        if (colour.isValid())
            QCOMPARE(label->palette().color(label->backgroundRole()), colour);
        if (!system.isEmpty())
            QCOMPARE(label->backgroundRole(), toolkit::systemRole(system.first().mid(3).toInt()));
    }
}
