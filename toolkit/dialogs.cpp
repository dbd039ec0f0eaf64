// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QInputDialog>
#include <QList>
#include <QPushButton>

#include <variant>

namespace toolkit {

namespace {

using Answer = std::variant<QString, QMessageBox::StandardButton>;

QList<Answer> &answers()
{
    static QList<Answer> queue;
    return queue;
}

QList<dialogs::AnsweredBox> &answered()
{
    static QList<dialogs::AnsweredBox> boxes;
    return boxes;
}

template<class T>
T takeAnswer(const char *kind)
{
    const Answer answer = answers().takeFirst();
    if (!std::holds_alternative<T>(answer))
        qFatal("A %s box came where the next answer was meant for another kind", kind);
    return std::get<T>(answer);
}

} // namespace

QString inputBox(QWidget *parent, const QString &prompt, const QString &title, const QString &text)
{
    if (!answers().isEmpty()) {
        answered().append({dialogs::AnsweredBox::Input, prompt, title, {}, {}, {}, text});
        return takeAnswer<QString>("input");
    }
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
    return ok ? typed : QString();
}

QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, const QString &title,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton,
                                       QMessageBox::Icon icon)
{
    if (!answers().isEmpty()) {
        answered().append(
            {dialogs::AnsweredBox::Message, text, title, buttons, defaultButton, icon, {}});
        return takeAnswer<QMessageBox::StandardButton>("message");
    }
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // Left to itself, a box with Yes and No answers No to Esc and to its close button.
    QAbstractButton *cancel = box.button(QMessageBox::Cancel);
    if (!cancel) {
        cancel = box.addButton(QMessageBox::Cancel);
        cancel->hide();
    }
    box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::Cancel;
}

namespace dialogs {

void answerNextInput(const QString &text)
{
    answers().append(text);
}

void answerNextMessage(QMessageBox::StandardButton button)
{
    answers().append(button);
}

qsizetype pendingAnswers()
{
    return answers().size();
}

void clearAnswers()
{
    answers().clear();
    answered().clear();
}

QList<AnsweredBox> takeAnsweredBoxes()
{
    return std::exchange(answered(), {});
}

} // namespace dialogs

} // namespace toolkit
