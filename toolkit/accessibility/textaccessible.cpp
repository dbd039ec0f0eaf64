// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The text boxes and the score viewer's text as a screen reader reads them: whole, and by the
// program's own characters, words, sentences and lines.
#include "accessibility_p.h"

#include "textunits.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>

#include <algorithm>

namespace toolkit {

namespace {

using Finder = TextSpan (*)(QStringView, int, QAccessible::TextBoundaryType);

// The unit a screen reader asks for, from the program's own text units.
QString unitOf(const QString &all, int offset, int caret, QAccessible::TextBoundaryType unit,
               Finder find, int *startOffset, int *endOffset)
{
    // -1 asks about the end of the text, -2 about the caret.
    if (offset == -1)
        offset = int(all.size());
    else if (offset == -2)
        offset = caret;
    if (offset < 0 || offset > all.size()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    const TextSpan span = find(all, offset, unit);
    *startOffset = span.start;
    *endOffset = span.end;
    return all.mid(span.start, span.end - span.start);
}

// What the program's text boxes share: the interfaces they answer, one run of text attributes
// (Qt gives it as empty, so the last character went unread), and the program's own text units
// for the words, sentences and lines a screen reader asks for as the caret moves.
class OwnTextAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override
    {
        return heard().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(heard().size()); }

    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    // The box has one look throughout, so its one run of attributes is the whole text.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType unit, int *startOffset,
                             int *endOffset) const override
    {
        return unitOf(heard(), offset, cursorPosition(), unit, &unitBefore, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType unit, int *startOffset,
                         int *endOffset) const override
    {
        return unitOf(heard(), offset, cursorPosition(), unit, &unitAt, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType unit, int *startOffset,
                            int *endOffset) const override
    {
        return unitOf(heard(), offset, cursorPosition(), unit, &unitAfter, startOffset, endOffset);
    }

protected:
    // What a listener may hear: the text, or its stand-ins in a box that hides it.
    virtual QString heard() const = 0;

    // The state every box has, whether the learner may type in it or only read and select.
    QAccessible::State textState(bool readOnly) const
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !readOnly;
        state.readOnly = readOnly;
        state.selectableText = true;
        return state;
    }
};

// A text box as Qt's own line edit presents it, but for the words, sentences and lines a screen
// reader asks for as the caret moves, which Qt 6.4 searches for without end in a text of digits.
class TextBoxAccessible : public OwnTextAccessible
{
public:
    explicit TextBoxAccessible(QLineEdit *box)
        : OwnTextAccessible(box, QAccessible::EditableText)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = textState(box()->isReadOnly());
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return heard();
        QString text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Description)
            text = box()->placeholderText();
        return text;
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::setText(t, text);
        QString typed = text;
        int position = 0;
        if (!box()->validator() ||
            box()->validator()->validate(typed, position) == QValidator::Acceptable)
            box()->setText(typed);
    }

    // QAccessibleTextInterface
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }

    QRect characterRect(int offset) const override
    {
        const QString all = heard();
        if (offset < 0 || offset >= all.size())
            return {};
        // Measured from the caret, the one place the box tells.
        const QFontMetrics metrics(box()->font());
        const int caret = box()->cursorPosition();
        const QRect caretRect = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caretRect.center().x() +
                      (offset < caret ? -metrics.horizontalAdvance(all.mid(offset, caret - offset))
                                      : metrics.horizontalAdvance(all.mid(caret, offset - caret)));
        const int width = std::max(metrics.horizontalAdvance(all.mid(offset, 1)), 1);
        return QRect(box()->mapToGlobal(QPoint(x, caretRect.top())),
                     QSize(width, caretRect.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = box()->mapFromGlobal(point);
        return box()->rect().contains(inside) ? box()->cursorPositionAt(inside) : -1;
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

protected:
    QString heard() const override { return box()->displayText(); }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

// The score viewer's text as Qt presents a plain text box, but for its characters, words and
// lines, which Qt 6.4 cuts oddly (Ctrl+Right over "Mia On the" read "O", then nothing): the
// program's own text units answer, as they do for the answer boxes.
class TextAreaAccessible : public OwnTextAccessible
{
public:
    explicit TextAreaAccessible(QPlainTextEdit *area)
        : OwnTextAccessible(area, QAccessible::EditableText)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = textState(area()->isReadOnly());
        state.multiLine = true;
        return state;
    }

    // QAccessibleTextInterface
    int cursorPosition() const override { return area()->textCursor().position(); }
    void setCursorPosition(int position) override { area()->setTextCursor(at(position)); }

    int selectionCount() const override { return area()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = area()->textCursor();
        const bool some = index == 0 && cursor.hasSelection();
        *startOffset = some ? cursor.selectionStart() : 0;
        *endOffset = some ? cursor.selectionEnd() : 0;
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            area()->setTextCursor(at(cursorPosition()));
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            area()->setTextCursor(between(startOffset, endOffset));
    }

    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        QTextCursor cursor = at(offset);
        const QRect before = area()->cursorRect(cursor);
        cursor.movePosition(QTextCursor::NextCharacter);
        const QRect after = area()->cursorRect(cursor);
        const int width = after.top() == before.top() ? std::max(after.x() - before.x(), 1) : 1;
        return QRect(area()->viewport()->mapToGlobal(before.topLeft()),
                     QSize(width, before.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = area()->viewport()->mapFromGlobal(point);
        return area()->viewport()->rect().contains(inside)
                   ? area()->cursorForPosition(inside).position()
                   : -1;
    }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        between(startOffset, endOffset).insertText(text);
    }

protected:
    QString heard() const override { return area()->toPlainText(); }

private:
    QPlainTextEdit *area() const { return static_cast<QPlainTextEdit *>(widget()); }
    QTextCursor at(int offset) const
    {
        QTextCursor cursor(area()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        return cursor;
    }
    QTextCursor between(int startOffset, int endOffset) const
    {
        QTextCursor cursor = at(startOffset);
        cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
        return cursor;
    }
};

} // namespace

QAccessibleInterface *textBoxAccessible(QObject *box)
{
    return new TextBoxAccessible(static_cast<QLineEdit *>(box));
}

QAccessibleInterface *textAreaAccessible(QObject *area)
{
    return new TextAreaAccessible(static_cast<QPlainTextEdit *>(area));
}

} // namespace toolkit
