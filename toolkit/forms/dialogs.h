// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal input and message boxes, behind one seam: a test answers the next boxes in advance,
// and the real box is shown when no answer is waiting.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace toolkit {

// The text typed when OK is pressed; a null string on Cancel. The box is wide enough for its
// title. The field holds one line: a line break typed or pasted into it becomes a blank, so that
// what is shown is what is returned.
QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                 const QString &text = QString());

// The button pressed. Esc or the box's close button give Cancel, whether or not the box shows a
// Cancel button: a question closed that way is called off, never answered No.
QMessageBox::StandardButton
messageBox(QWidget *parent, const QString &text, const QString &title,
           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
           QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
           QMessageBox::Icon icon = QMessageBox::NoIcon);

// A wait for another program to let go of a file's lock (toolkit::LockWait) that keeps the windows
// answering: they repaint and can be moved, a busy cursor shows at once, and after a moment a
// modal box says what is awaited, with Cancel to give up waiting. It ends with the last copy. A
// program without windows gets none: the call then waits as when given no wait.
std::function<bool()> lockWaitBox(QWidget *parent, const QString &fileName);

namespace dialogs {

// Answers are taken in the order given, one per box; a box of the other kind than the next answer
// is a fault in the test and stops the program.
void answerNextInput(const QString &text);                  // a null string is Cancel
void answerNextMessage(QMessageBox::StandardButton button); // Cancel is Esc
qsizetype pendingAnswers();
void clearAnswers();

// What a box asked, kept for each box that was answered in advance.
struct AnsweredBox
{
    enum Kind { Input, Message };
    Kind kind;
    QString text; // the prompt of an input box
    QString title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::Icon icon;
    QString field; // the text an input box starts with
};
QList<AnsweredBox> takeAnsweredBoxes();

} // namespace dialogs

} // namespace toolkit
