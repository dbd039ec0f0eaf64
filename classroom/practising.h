// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Who is practising: the class as the score folder holds it, the learner chosen from it (or
// someone else), and the large buttons a child chooses their name with.
#pragma once

#include "classfile.h"

#include <QDialog>
#include <QIcon>

#include <functional>

class QPushButton;

namespace classroom {

// The class the chooser and the drills follow: as the Class window last saved it.
void setCurrentClass(const ClassFile &file);
// Reads the class file of the score folder; what it could not follow or take is returned, ready
// for one message.
QString loadClass();

// Makes the learner the one practising: the drills deal at their levels and Save Score offers
// their name. An empty name is someone else, who types their name and practises at the class's
// levels.
void practise(const QString &learner);
QString practising();

// The picture a learner's button shows: a colour and a shape, the same for the same name
// whatever the order of the class, and different from every classmate's where it can be.
struct Badge
{
    int colour = 0;
    int shape = 0;
};
QList<Badge> badgesOf(const ClassList &list);
QIcon badgeIcon(Badge badge);
QString badgeWords(Badge badge); // "red star", for a screen reader

// "Who is practising?": one large button per learner, and "Someone else".
class WhoIsPractising : public QDialog
{
    Q_OBJECT

public:
    explicit WhoIsPractising(const ClassList &list, QWidget *parent = nullptr);
    // The name chosen; empty for someone else.
    QString chosen() const { return m_chosen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Moves the focus to the button beside the one it is on, in the grid the buttons show.
    bool moveFocus(QPushButton *from, int key);

    QString m_chosen;
    QList<QPushButton *> m_buttons; // in reading order, "Someone else" last
    int m_columns = 1;
};

// Asks who is practising where the class lists learners, over the window (at start: none, alone
// in the middle of the screen), and then calls back with the name chosen; with nobody listed it
// calls back at once with someone else.
void askWhoIsPractising(QWidget *window, const std::function<void(const QString &)> &chosen);

} // namespace classroom
