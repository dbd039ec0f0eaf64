// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The characters, words, sentences and lines of a text box's text, as a screen reader asks for
// them while the learner moves the caret.
#pragma once

#include <QAccessible>
#include <QStringView>

namespace toolkit {

// A stretch of text, from its first character to just past its last.
struct TextSpan
{
    int start = 0;
    int end = 0;
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// The units cut the text into pieces with nothing left over: a word runs up to the next word (its
// blanks and marks with it), a sentence up to the next sentence, and a line (or paragraph) up to
// and with its line feed; a box of one line is one line. A word is a run of letters and digits, and
// a point, comma or apostrophe between two of them keeps the run going, so "2.29" and "don't" are
// one word each. Every answer lies within the text, for every offset from 0 to its length.

// The unit the offset is in. At the end of the text, where the caret stands after typing, it is the
// last unit; only a character there is nothing.
TextSpan unitAt(QStringView text, int offset, QAccessible::TextBoundaryType unit);
// The unit just before that one, or nothing at the start of the text.
TextSpan unitBefore(QStringView text, int offset, QAccessible::TextBoundaryType unit);
// The unit just after it, or nothing at the end of the text.
TextSpan unitAfter(QStringView text, int offset, QAccessible::TextBoundaryType unit);

} // namespace toolkit
