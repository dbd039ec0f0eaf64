// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textunits.h"

#include <QList>

#include <algorithm>

namespace toolkit {

namespace {

char32_t codePointAt(QStringView text, qsizetype i)
{
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
        return QChar::surrogateToUcs4(text[i - 1], text[i]);
    return text[i].unicode();
}

// A character of two halves, or a mark on the character before it, is never cut off.
bool canCutBefore(QStringView text, qsizetype i)
{
    return !QChar::isMark(codePointAt(text, i)) &&
           !(text[i].isLowSurrogate() && text[i - 1].isHighSurrogate());
}

bool isWordCharacter(QStringView text, qsizetype i)
{
    const char32_t c = codePointAt(text, i);
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

bool inWord(QStringView text, qsizetype i)
{
    if (isWordCharacter(text, i))
        return true;
    const QChar c = text[i];
    const bool joiner = c == u'.' || c == u',' || c == u'\'' || c == QChar(0x2019);
    return joiner && i > 0 && i + 1 < text.size() && isWordCharacter(text, i - 1) &&
           isWordCharacter(text, i + 1);
}

// Whether a sentence ends with the blank at i: its last mark before the blanks ends a sentence. A
// point inside a number ("2.29") has no blank after it.
bool endsSentence(QStringView text, qsizetype i)
{
    while (i >= 0 && text[i].isSpace())
        --i;
    return i >= 0 && (text[i] == u'.' || text[i] == u'!' || text[i] == u'?' || text[i] == u'…');
}

// Where each unit starts, then the length: unit i runs from cuts[i] to cuts[i + 1].
QList<int> cuts(QStringView text, QAccessible::TextBoundaryType unit)
{
    QList<int> starts{0};
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (!canCutBefore(text, i))
            continue;
        bool cut = false;
        switch (unit) {
        case QAccessible::CharBoundary:
            cut = true;
            break;
        case QAccessible::WordBoundary:
            cut = inWord(text, i) && !inWord(text, i - 1);
            break;
        case QAccessible::SentenceBoundary:
            cut = !text[i].isSpace() && text[i - 1].isSpace() && endsSentence(text, i - 1);
            break;
        case QAccessible::ParagraphBoundary:
        case QAccessible::LineBoundary:
            cut = text[i - 1] == u'\n';
            break;
        case QAccessible::NoBoundary:
            break;
        }
        if (cut)
            starts.append(int(i));
    }
    starts.append(int(text.size()));
    return starts;
}

// The unit that holds the offset; at the very end, the last.
int unitHolding(const QList<int> &cuts, int offset)
{
    return int(std::upper_bound(cuts.begin(), cuts.end() - 1, offset) - cuts.begin()) - 1;
}

TextSpan unitSpan(const QList<int> &cuts, int index)
{
    return {cuts[index], cuts[index + 1]};
}

} // namespace

TextSpan unitAt(QStringView text, int offset, QAccessible::TextBoundaryType unit)
{
    const int length = int(text.size());
    offset = std::clamp(offset, 0, length);
    if (unit == QAccessible::CharBoundary && offset == length)
        return {length, length};
    const QList<int> at = cuts(text, unit);
    return unitSpan(at, unitHolding(at, offset));
}

TextSpan unitBefore(QStringView text, int offset, QAccessible::TextBoundaryType unit)
{
    const TextSpan at = unitAt(text, offset, unit);
    if (at.start == 0)
        return {0, 0};
    const QList<int> all = cuts(text, unit);
    return unitSpan(all, unitHolding(all, at.start - 1));
}

TextSpan unitAfter(QStringView text, int offset, QAccessible::TextBoundaryType unit)
{
    const int length = int(text.size());
    const TextSpan at = unitAt(text, offset, unit);
    if (at.end >= length)
        return {length, length};
    const QList<int> all = cuts(text, unit);
    return unitSpan(all, unitHolding(all, at.end));
}

} // namespace toolkit
