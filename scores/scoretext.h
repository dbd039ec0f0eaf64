// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A score file's text as the viewer reads it: its lines and their ends, and the limits within
// which the viewer shows a file promptly.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

#include <cstdint>

namespace scores {

enum class LineEnd : std::uint8_t { CrLf, Lf, Cr };

QLatin1StringView textOf(LineEnd end);

// The lines of a file's bytes as the text box breaks them: CR LF, a lone LF and a lone CR each end
// one line. What follows the last line end is the last line, which has none; a final line end
// begins no line of its own, as a text editor counts them.
struct Lines
{
    qsizetype count = 0;
    qsizetype longest = 0; // bytes in the longest line
};
Lines linesOf(QByteArrayView bytes);

// The most the viewer shows, chosen from measurements of its worst cases so that a file within
// them is shown in under 3 s and 500 MiB, and a typed character repaints in under 50 ms.
struct ViewerLimits
{
    qint64 bytes;
    qsizetype lines;
    qsizetype lineLength;
};
inline constexpr ViewerLimits ShownLimits{qint64(12) * 1024 * 1024, 250000, 10000};

// The records of a file's bytes, as Save Score writes them (a line opening with a double quote,
// then a line holding only a double quote, each ended by CR LF), saved since the bytes shown in
// the viewer were read: those after the last record shown, less as many as stand in for shown
// records that are gone from the file's end (edited elsewhere, not saved anew).
struct Records
{
    QByteArray bytes;
    qsizetype count = 0;
};
Records recordsNotShown(QByteArrayView shown, QByteArrayView now);

// Which limit the file passes, and how to see it all the same; empty when it is within them.
QString beyondLimits(bool tooManyBytes, const Lines &lines,
                     const ViewerLimits &limits = ShownLimits);

} // namespace scores
