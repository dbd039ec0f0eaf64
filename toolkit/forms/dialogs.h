// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The modal input and message boxes, and the interface through which a window asks for them.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace toolkit {

// What a one-line field keeps of a text typed or pasted into it: each line break (CR LF, LF, CR, a
// line or paragraph separator) becomes a blank; the cursor, if given, keeps its place.
QString oneLine(QStringView text, int *cursor = nullptr);

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

// The modal boxes a window asks through. Each window is handed the boxes it asks through, as it is
// handed its random source; the base class shows the real boxes above and the system's file
// dialogs.
class ModalBoxes
{
public:
    ModalBoxes() = default;
    ModalBoxes(const ModalBoxes &) = delete;
    ModalBoxes &operator=(const ModalBoxes &) = delete;
    virtual ~ModalBoxes() = default;

    virtual QString input(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &text = QString());
    virtual QMessageBox::StandardButton
    message(QWidget *parent, const QString &text, const QString &title,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
            QMessageBox::Icon icon = QMessageBox::NoIcon);
    // The folder or the file name to save under that was chosen; an empty string on Cancel.
    virtual QString folder(QWidget *parent, const QString &title, const QString &start);
    // A name typed without the suffix takes it before the box asks whether to replace a file.
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &proposed,
                                 const QString &filter, const QString &suffix);

    // The boxes a window is handed when none are named: the program's own, unless others were
    // installed in their place before the window was built (a null pointer puts them back).
    static ModalBoxes &instance();
    static void install(ModalBoxes *boxes);
};

} // namespace toolkit
