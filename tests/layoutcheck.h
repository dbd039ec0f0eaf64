// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a built control against the design's own words for it, written out in the test: its
// caption, font and look. Places are checked as properties every window has. A wrong value in a
// window's table then fails.
#pragma once

#include "toolkit/forms/picture.h"
#include "toolkit/forms/shape.h"
#include "toolkit/look/appearance.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <span>

// A font as the design names it.
struct DesignedFont
{
    const char *family = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// What the design gives alike in every window, or one each for Addition, Subtraction and
// Multiplication; given or not.
template<class T>
struct EachWindow
{
    constexpr EachWindow() = default;
    constexpr EachWindow(T all)
        : values{all, all, all}
        , given(true)
    {}
    constexpr EachWindow(T addition, T subtraction, T multiplication)
        : values{addition, subtraction, multiplication}
        , given(true)
    {}
    constexpr T operator[](int window) const { return values[window]; }

    T values[3] = {};
    bool given = false;
};

// What the design gives one or more controls (their names blank-separated); what it leaves out
// is not checked, or is the control's default: shown, enabled, no border and so on.
struct DesignedLook
{
    const char *names;
    EachWindow<const char *> caption = {};
    const char *captionStart = nullptr; // where the design gives only the caption's start
    EachWindow<DesignedFont> font = {};
    std::optional<QRgb> back = {}; // a label's own background
    int systemBack = -1;           // or the system colour of that number
    bool border = false;
    bool centred = false;
    bool autoSize = false;
    bool oneLine = false;
    bool stretch = false;             // a picture's
    std::optional<QRgb> outline = {}; // a shape's
    bool outlineInText = false;       // or the window's text colour
    int outlineWidth = 0;
    bool rounded = false;
    bool filled = false; // in the outline's colour
    int interval = 0;    // a timer's, in milliseconds
    bool hidden = false;
    bool disabled = false;
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
inline QStringList builtControls(const QWidget &form)
{
    QStringList names;
    for (const QObject *child : form.children()) {
        const bool control = (child->isWidgetType() && !qobject_cast<const QMenu *>(child)) ||
                             qobject_cast<const QTimer *>(child);
        if (control && !child->objectName().isEmpty())
            names << child->objectName();
    }
    names.sort();
    return names;
}

// Checks the control of the current row that addDesignedRows() added against the design.
inline void checkDesignedControl(const QWidget &form, std::span<const DesignedLook> looks)
{
    QFETCH(int, window);
    QFETCH(QString, name);
    const DesignedLook &designed = *std::ranges::find_if(
        looks, [&](const DesignedLook &look) { return namesOf(look.names).contains(name); });
    QObject *object = form.findChild<QObject *>(name);
    QVERIFY2(object, qPrintable(name));
    if (auto *timer = qobject_cast<QTimer *>(object)) {
        QCOMPARE(timer->interval(), designed.interval);
        QVERIFY(!timer->isActive());
        return;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    QCOMPARE(widget->isHidden(), designed.hidden);
    QCOMPARE(widget->isEnabled(), !designed.disabled);
    if (auto *shape = qobject_cast<toolkit::Shape *>(widget)) {
        const QColor outline = designed.outlineInText ? form.palette().color(QPalette::WindowText)
                                                      : QColor::fromRgb(designed.outline.value());
        QCOMPARE(shape->style().outline, outline);
        QCOMPARE(shape->style().outlineWidth, designed.outlineWidth);
        QCOMPARE(shape->style().fill, designed.filled ? outline : QColor());
        QCOMPARE(shape->style().rounded, designed.rounded);
        return;
    }
    if (designed.font.given) {
        const DesignedFont font = designed.font[window];
        QCOMPARE(widget->font().family(), QString::fromLatin1(font.family));
        QCOMPARE(widget->font().pointSizeF(), font.points);
        QCOMPARE(widget->font().bold(), font.bold);
        QCOMPARE(widget->font().italic(), font.italic);
    }
    const auto checkCaption = [&](const QString &text) {
        if (designed.captionStart)
            QVERIFY2(text.startsWith(QString::fromLatin1(designed.captionStart)), qPrintable(text));
        else if (designed.caption.given)
            QCOMPARE(text, QString::fromLatin1(designed.caption[window]));
    };
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->alignment(), Qt::AlignCenter);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        checkCaption(button->text());
    } else if (auto *image = qobject_cast<toolkit::Picture *>(widget)) {
        QCOMPARE(image->hasScaledContents(), designed.stretch);
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        checkCaption(label->text());
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), designed.centred);
        QCOMPARE(label->wordWrap(), !designed.autoSize && !designed.oneLine);
        QCOMPARE(label->frameShape() == QFrame::Box, designed.border);
        QCOMPARE(label->autoFillBackground(), designed.back || designed.systemBack >= 0);
        if (designed.back)
            QCOMPARE(label->palette().color(label->backgroundRole()),
                     QColor::fromRgb(*designed.back));
        if (designed.systemBack >= 0)
            QCOMPARE(label->backgroundRole(), toolkit::systemRole(designed.systemBack));
    }
}
