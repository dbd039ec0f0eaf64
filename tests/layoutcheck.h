// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks one built control against its design row: place, caption, font, colours and state.
#pragma once

#include "toolkit/appearance.h"
#include "toolkit/controls.h"
#include "toolkit/design.h"
#include "toolkit/form.h"
#include "toolkit/shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

inline void checkControl(const toolkit::Form &form, const toolkit::ControlRow &design)
{
    using toolkit::Kind;
    QObject *object = form.control(design.name);
    QVERIFY(object);
    QCOMPARE(object->objectName(), QString::fromLatin1(design.name));
    if (design.kind == Kind::Timer) {
        auto *timer = qobject_cast<QTimer *>(object);
        QCOMPARE(timer->interval(), 500);
        QVERIFY(!timer->isActive());
        return;
    }
    auto *widget = qobject_cast<QWidget *>(object);
    QCOMPARE(widget->isHidden(), bool(design.flags & toolkit::Hidden));
    QCOMPARE(widget->isEnabled(), !(design.flags & toolkit::Disabled));

    const QRect expected = toolkit::placeOf(design);
    if (auto *shape = qobject_cast<toolkit::Shape *>(widget)) {
        QCOMPARE(shape->nominalGeometry(), expected);
        QCOMPARE(shape->style().outline, toolkit::resolve(design.outline, form.palette()));
        QCOMPARE(shape->style().outlineWidth, design.outlineWidth);
        QCOMPARE(shape->style().fill.isValid(), design.back.isSet());
        QCOMPARE(shape->style().rounded, bool(design.flags & toolkit::Rounded));
        return;
    }
    if (design.flags & toolkit::AutoSize) {
        QCOMPARE(widget->pos(), expected.topLeft());
        QCOMPARE(widget->size(), widget->sizeHint());
    } else {
        QCOMPARE(widget->geometry(), expected);
    }
    if (design.font.face) {
        QCOMPARE(widget->font().pointSizeF(), design.font.points);
        QCOMPARE(widget->font().bold(), design.font.bold);
        QCOMPARE(widget->font().italic(), design.font.italic);
        const QString family = QFontInfo(widget->font()).family();
        QVERIFY2(family.startsWith("Liberation"), qPrintable(family));
    }
    const QString caption = QString::fromLatin1(design.caption);
    if (auto *label = qobject_cast<QLabel *>(widget); label && design.kind == Kind::Label) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(bool(label->alignment() & Qt::AlignHCenter),
                 bool(design.flags & toolkit::Centred));
        QCOMPARE(label->wordWrap(), !(design.flags & (toolkit::AutoSize | toolkit::SingleLine)));
        if (design.back.source == toolkit::Colour::Rgb) {
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(label->backgroundRole()),
                     QColor::fromRgb(design.back.value));
        }
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->alignment(), Qt::AlignCenter);
    }
}
