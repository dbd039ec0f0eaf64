// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's controls and menu items found by their design names, and its default button by the
// state a screen reader reads, as accessibility tools find them; a modal box answered as it shows.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

// The control of that name; a name the window does not hold stops the test program, naming it.
template<class T = QWidget>
T *control(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(window.objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Presses the button of that name as a user does: a disabled one does nothing.
inline void press(const QObject &window, const QString &name)
{
    control<QAbstractButton>(window, name)->click();
}

// The timer of that name ticks at once.
inline void tick(const QObject &window, const QString &name)
{
    QMetaObject::invokeMethod(control<QTimer>(window, name), "timeout");
}

inline QAction *menuItem(const QObject &window, const QString &name)
{
    return control<QAction>(window, name);
}

// Save Score: mnuitemSaveScore in some windows, mnuItemSaveScore in the others.
inline QAction *saveScoreItem(const QObject &window)
{
    for (QAction *item : window.findChildren<QAction *>()) {
        if (item->objectName().compare(u"mnuItemSaveScore", Qt::CaseInsensitive) == 0)
            return item;
    }
    qFatal("%s has no Save Score item", qPrintable(window.objectName()));
}

// The one button Enter presses, or none.
inline QPushButton *defaultButton(const QWidget &window)
{
    for (QPushButton *button : window.findChildren<QPushButton *>(Qt::FindDirectChildrenOnly)) {
        if (button->isDefault())
            return button;
    }
    return nullptr;
}

// Answers the next modal box once it shows, handing the test the box itself.
inline void whenModal(const std::function<void(QWidget *)> &answer)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            poll->stop(); // once only, even while the answer opens a box of its own
            poll->deleteLater();
            answer(box);
        }
    });
    poll->start(20);
}
