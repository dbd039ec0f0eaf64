// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A score file's text as the viewer holds it: the line end each line was read with, kept in step
// with the edits, and the limits within which the viewer shows a file promptly.
#pragma once

#include <QByteArrayView>
#include <QLatin1StringView>
#include <QString>

#include <cstdint>
#include <vector>

namespace scores {

enum class LineEnd : std::uint8_t { CrLf, Lf, Cr };

QLatin1StringView textOf(LineEnd end);

// The lines of a file's bytes as the text box breaks them: CR LF, a lone LF and a lone CR each end
// one line. What follows the last line end is the last line, which has none; a final line end
// begins no line of its own, as a text editor counts them.
struct Lines
{
    std::vector<LineEnd> ends;
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

// Which limit the file passes, and how to see it all the same; empty when it is within them.
QString beyondLimits(bool tooManyBytes, const Lines &lines,
                     const ViewerLimits &limits = ShownLimits);

// The line ends of a text being edited, one for each line but the last, which has none. Line
// breaks the user adds are CR LF.
class LineEnds
{
public:
    void assign(std::vector<LineEnd> ends) { m_ends = std::move(ends); }

    // An edit took out the line breaks ending the lines from `first` on, `removed` of them, and
    // put `added` new ones in their place. The line end of the line the edit ended in stays with
    // that line.
    void replace(qsizetype first, qsizetype removed, qsizetype added);

    LineEnd at(qsizetype line) const { return m_ends[size_t(line)]; }
    qsizetype size() const { return qsizetype(m_ends.size()); }

private:
    std::vector<LineEnd> m_ends;
};

} // namespace scores
