// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Modal boxes answered in advance: including this installs them in place of the program's own, so
// every window built afterwards asks them; a box with no answer waiting is shown for real.
#pragma once

#include "toolkit/forms/dialogs.h"
#include "toolkit/speech/readaloud.h"

#include <QList>

#include <utility>
#include <variant>

namespace toolkit::dialogs {

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

class ScriptedBoxes : public ModalBoxes
{
public:
    using Answer = std::variant<QString, QMessageBox::StandardButton>;
    QList<Answer> answers;
    QList<AnsweredBox> answered;

    QString input(QWidget *parent, const QString &prompt, const QString &title,
                  const QString &text) override
    {
        if (answers.isEmpty())
            return ModalBoxes::input(parent, prompt, title, text);
        speech::sayAlso(text.isEmpty() ? prompt : prompt + QLatin1Char(' ') + text);
        answered.append({AnsweredBox::Input, prompt, title, {}, {}, {}, text});
        const QString typed = take<QString>("input");
        return typed.isNull() ? typed : oneLine(typed);
    }
    QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &title,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::Icon icon) override
    {
        if (answers.isEmpty())
            return ModalBoxes::message(parent, text, title, buttons, defaultButton, icon);
        speech::sayAlso(text);
        answered.append({AnsweredBox::Message, text, title, buttons, defaultButton, icon, {}});
        return take<QMessageBox::StandardButton>("message");
    }

private:
    // A box of another kind than the next answer is a fault in the test.
    template<class T>
    T take(const char *kind)
    {
        const Answer answer = answers.takeFirst();
        if (!std::holds_alternative<T>(answer))
            qFatal("A %s box came where the next answer was meant for another kind", kind);
        return std::get<T>(answer);
    }
};

inline ScriptedBoxes &scripted()
{
    static ScriptedBoxes boxes;
    return boxes;
}

// Installed before main(), so that windows built anywhere in the test ask the scripted boxes.
inline const bool scriptedInstalled = (ModalBoxes::install(&scripted()), true);

// Answers are taken in the order given, one per box.
inline void answerNextInput(const QString &text) // a null string is Cancel
{
    scripted().answers.append(text);
}
inline void answerNextMessage(QMessageBox::StandardButton button) // Cancel is Esc
{
    scripted().answers.append(button);
}
inline qsizetype pendingAnswers()
{
    return scripted().answers.size();
}
inline void clearAnswers()
{
    scripted().answers.clear();
    scripted().answered.clear();
}
inline QList<AnsweredBox> takeAnsweredBoxes()
{
    return std::exchange(scripted().answered, {});
}

} // namespace toolkit::dialogs
