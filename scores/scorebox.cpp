// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorebox.h"

#include "toolkit/files/codepage.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

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

// The characters of a line that a stretch of it needs drawn, cut at tabs: what follows a tab
// starts at a tab stop, so it is laid out alone as it is in the whole line.
struct Part
{
    qsizetype from = 0;
    qsizetype to = 0;
    qreal x = 0; // where the part starts, from the line's start
};

qint64 units(qreal pixels)
{
    return qRound64(pixels * 64);
}

// The widths of runs between tabs, measured once: lines of short runs between tabs repeat them.
class RunWidths
{
public:
    explicit RunWidths(const QFontMetricsF &metrics)
        : m_metrics(metrics)
    {}

    qint64 operator()(QStringView run)
    {
        const QString key = run.toString();
        auto found = m_widths.constFind(key);
        if (found == m_widths.cend())
            found = m_widths.insert(key, units(m_metrics.horizontalAdvance(key)));
        return *found;
    }

private:
    QFontMetricsF m_metrics;
    QHash<QString, qint64> m_widths;
};

// Tab stops are worked out as Qt's text layout does, in its 1/64 pixel units, from the widths of
// the runs between tabs.
Part partBetween(QStringView text, RunWidths &widthOf, qreal tabStop, qreal left, qreal right)
{
    const qint64 stop = std::max<qint64>(units(tabStop), 1);
    Part part{0, text.size(), 0};
    qint64 x = 0;
    for (qsizetype from = 0, tab; (tab = text.indexOf(u'\t', from)) >= 0; from = tab + 1) {
        if (tab > from)
            x += widthOf(text.sliced(from, tab - from));
        if (x >= units(right)) {
            part.to = tab;
            break;
        }
        x = (x / stop + 1) * stop;
        if (x <= units(left))
            part = {tab + 1, text.size(), qreal(x) / 64};
    }
    return part;
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

void ScoreBox::paintEvent(QPaintEvent *event)
{
    // Qt draws a line piece by piece, each tab a piece of its own, wherever the line is seen: a
    // line of 10,000 tabs took 10 ms and more to draw, on each key and caret blink. Such a line is
    // drawn here from the part in view, laid out alone; the rest is drawn as the box does.
    struct Shown
    {
        QTextBlock block;
        QPointF at;
        Part part;
    };
    QRect area = event->rect();
    const QTextDocument *document = this->document();
    const QFont font = document->defaultFont();
    const QFontMetricsF metrics(font, viewport());
    // Tab stops scale as Qt's layout scales them, by the box's resolution against the screen's.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal scale =
        screen ? qreal(viewport()->logicalDpiY()) / qRound(screen->logicalDotsPerInchY()) : 1;
    // Beyond the stretch drawn, by as much as a glyph's ink can reach past its place.
    const qreal reach = metrics.height();
    RunWidths widths(metrics);
    QList<Shown> shown;
    bool cut = false;
    QPointF at = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && at.y() <= area.bottom();
         block = block.next()) {
        const QRectF bounds = blockBoundingRect(block).translated(at);
        if (block.isVisible() && bounds.bottom() >= area.top()) {
            Part part{0, block.length() - 1, 0};
            const QTextLayout *layout = block.layout();
            if (layout->lineCount() == 1 && layout->preeditAreaText().isEmpty()) {
                const qreal start = at.x() + layout->lineAt(0).x();
                part = partBetween(block.text(), widths, tabStopDistance() * scale,
                                   area.left() - start - reach, area.right() + 1 - start + reach);
                cut = cut || part.from > 0 || part.to < block.length() - 1;
            }
            shown.append({block, at, part});
        }
        at.ry() += bounds.height();
    }
    if (!cut) {
        QPlainTextEdit::paintEvent(event);
        return;
    }

    QPainter painter(viewport());
    const QPointF origin = contentOffset();
    painter.setBrushOrigin(origin);
    // As the box does: selections drawn to the full width leave the right margin clear.
    const qreal widest = document->documentLayout()->documentSize().width();
    area.setRight(
        std::min(area.right(), int(origin.x() + std::max<qreal>(viewport()->width(), widest) -
                                   document->documentMargin() + cursorWidth())));
    painter.setClipRect(area);
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    const bool caret = !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    for (const auto &[block, at, part] : shown) {
        const int first = block.position() + int(part.from);
        QList<QTextLayout::FormatRange> selections;
        for (const auto &selection : context.selections) {
            const int from = std::max(selection.cursor.selectionStart() - first, 0);
            const int to = selection.cursor.selectionEnd() - first;
            if (to > from && from <= part.to - part.from)
                selections.append(QTextLayout::FormatRange{from, to - from, selection.format});
        }
        const int position = context.cursorPosition - first;
        const bool atCaret = caret && position >= 0 && position <= part.to - part.from;
        QTextLayout *layout = block.layout();
        if (part.from == 0 && part.to == block.length() - 1) {
            layout->draw(&painter, at, selections, area);
            if (atCaret)
                layout->drawCursor(&painter, at, position, cursorWidth());
            else if (!isReadOnly() && context.cursorPosition < -1 &&
                     !layout->preeditAreaText().isEmpty())
                layout->drawCursor(&painter, at,
                                   layout->preeditAreaPosition() - (context.cursorPosition + 2),
                                   cursorWidth());
            continue;
        }
        const QTextLine line = layout->lineAt(0);
        QTextLayout alone(block.text().sliced(part.from, part.to - part.from), font, viewport());
        alone.setTextOption(option);
        alone.beginLayout();
        QTextLine aloneLine = alone.createLine();
        aloneLine.setLeadingIncluded(true);
        aloneLine.setLineWidth(line.naturalTextWidth());
        aloneLine.setPosition({0, line.y()});
        alone.endLayout();
        const QPointF aloneAt = at + QPointF(line.x() + part.x, 0);
        alone.draw(&painter, aloneAt, selections, area);
        if (atCaret)
            alone.drawCursor(&painter, aloneAt, position, cursorWidth());
    }
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
