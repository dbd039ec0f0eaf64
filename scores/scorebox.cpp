// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorebox.h"

#include "toolkit/files/codepage.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace scores {

namespace {

// A line's end is kept in the format of the line break that ends it, the character before the
// next line. The break goes with whatever removes it and comes back with whatever undoes that,
// where a block's own format would stay with the block Qt keeps when two lines are joined. A
// break with no line end of its own is CR LF, as are all that the user adds.
constexpr int LineEndProperty = QTextFormat::UserProperty + 1;

// Lines copied in the viewer carry their line ends to a paste in it: one digit per line break.
const QString LineEndsFormat = QStringLiteral("application/x-sumbrook-line-ends");

QTextCharFormat breakFormat(LineEnd end)
{
    QTextCharFormat format;
    if (end != LineEnd::CrLf)
        format.setProperty(LineEndProperty, int(end));
    return format;
}

// The line end of the line before the block.
LineEnd endBefore(const QTextBlock &block)
{
    const QVariant end = block.charFormat().property(LineEndProperty);
    return end.isValid() ? LineEnd(end.toInt()) : LineEnd::CrLf;
}

// Inserts lines joined by '\n', the nth break ending its line as the nth digit says, and CR LF
// where there is no digit.
void insertLines(QTextCursor &cursor, QStringView text, QByteArrayView ends)
{
    qsizetype breaks = 0;
    for (;;) {
        const qsizetype lineFeed = text.indexOf(u'\n');
        cursor.insertText(text.first(lineFeed < 0 ? text.size() : lineFeed).toString(),
                          QTextCharFormat());
        if (lineFeed < 0)
            return;
        const int digit = breaks < ends.size() ? ends[breaks] - '0' : 0;
        cursor.insertBlock(
            QTextBlockFormat(),
            breakFormat(digit >= 0 && digit <= int(LineEnd::Cr) ? LineEnd(digit) : LineEnd::CrLf));
        ++breaks;
        text = text.sliced(lineFeed + 1);
    }
}

} // namespace

ScoreBox::ScoreBox(QWidget *parent)
    : QPlainTextEdit(parent)
{}

void ScoreBox::load(QByteArrayView bytes)
{
    // The file goes in a piece at a time, so that its text is never held twice over: a large
    // file would cost twice the memory at once. Runs of lines ending in CR LF go in whole; a line
    // with another end gets that end on its break.
    constexpr qsizetype Piece = 64 * 1024;
    QTextDocument *document = this->document();
    clear();
    document->setUndoRedoEnabled(false); // like a text set whole, nothing to undo
    QTextCursor end(document);
    end.beginEditBlock();
    qsizetype start = 0; // of what is not in the box yet
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        const bool crLf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (!crLf && (c == '\r' || c == '\n')) {
            end.insertText(toolkit::decode(bytes.sliced(start, i - start)), QTextCharFormat());
            end.insertBlock(QTextBlockFormat(), breakFormat(c == '\r' ? LineEnd::Cr : LineEnd::Lf));
            start = i + 1;
            continue;
        }
        if (crLf)
            ++i; // a piece never ends between the two: they would read as two line ends
        if (i + 1 - start >= Piece) {
            end.insertText(toolkit::decode(bytes.sliced(start, i + 1 - start)), QTextCharFormat());
            start = i + 1;
        }
    }
    end.insertText(toolkit::decode(bytes.sliced(start)), QTextCharFormat());
    end.endEditBlock();
    document->setUndoRedoEnabled(true);
    moveCursor(QTextCursor::Start);
}

QString ScoreBox::fileText() const
{
    const QTextDocument *document = this->document();
    QString text;
    text.reserve(document->characterCount() + document->blockCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block != document->begin())
            text += textOf(endBefore(block));
        text += block.text();
    }
    // A line break typed with Shift+Enter ends a line within a block: the user began a line.
    text.replace(QChar::LineSeparator, QLatin1StringView("\r\n"));
    return text;
}

void ScoreBox::keyPressEvent(QKeyEvent *event)
{
    // Left to the box, a typed line break would take on the format, and so the line end, of the
    // break before it.
    if (event->matches(QKeySequence::InsertParagraphSeparator) && !isReadOnly()) {
        QTextCursor cursor = textCursor();
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ScoreBox::changeEvent(QEvent *event)
{
    // The font holds every character a score file can; looking through every other font for
    // control characters that none has cost 30 to 60 ms a key in long lines of them.
    if (event->type() == QEvent::FontChange && !(font().styleStrategy() & QFont::NoFontMerging)) {
        QFont own = font();
        own.setStyleStrategy(QFont::StyleStrategy(own.styleStrategy() | QFont::NoFontMerging));
        setFont(own);
    }
    QPlainTextEdit::changeEvent(event);
}

QMimeData *ScoreBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    QString text = cursor.selectedText();
    QByteArray ends;
    QTextBlock block = document()->findBlock(cursor.selectionStart());
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator) {
            block = block.next();
            ends += char('0' + int(endBefore(block)));
            c = u'\n';
        } else if (c == QChar::LineSeparator) {
            ends += char('0' + int(LineEnd::CrLf));
            c = u'\n';
        }
    }
    auto *data = new QMimeData;
    data->setText(text); // other programs take lines ended by '\n'
    data->setData(LineEndsFormat, ends);
    return data;
}

void ScoreBox::insertFromMimeData(const QMimeData *source)
{
    QString text = source->text();
    QByteArray ends = source->data(LineEndsFormat);
    // Another program's text breaks its lines as a file does.
    text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n")).replace(u'\r', u'\n');
    if (ends.size() != text.count(u'\n'))
        ends.clear();
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    insertLines(cursor, text, ends);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace scores
