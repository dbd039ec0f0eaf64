// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoretext.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace scores {

QLatin1StringView textOf(LineEnd end)
{
    switch (end) {
    case LineEnd::Lf:
        return QLatin1StringView("\n");
    case LineEnd::Cr:
        return QLatin1StringView("\r");
    case LineEnd::CrLf:
        break;
    }
    return QLatin1StringView("\r\n");
}

Lines linesOf(QByteArrayView bytes)
{
    Lines lines;
    qsizetype ends = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.longest = std::max(lines.longest, i - start);
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        ++ends;
        start = i + 1;
    }
    lines.longest = std::max(lines.longest, bytes.size() - start);
    lines.count = ends + (start < bytes.size() ? 1 : 0);
    return lines;
}

QString beyondLimits(bool tooManyBytes, const Lines &lines, const ViewerLimits &limits)
{
    const QLocale regional; // its digit grouping, as the windows' numbers have theirs
    if (tooManyBytes)
        return QCoreApplication::translate(
                   "scores::ScoreWindow",
                   "It is larger than %1, the most the score viewer shows. To see it here, open it "
                   "in a text editor and move older records into another file.")
            .arg(regional.formattedDataSize(limits.bytes, 0, QLocale::DataSizeIecFormat));
    if (lines.count > limits.lines)
        return QCoreApplication::translate(
                   "scores::ScoreWindow",
                   "It has %1 lines, more than the %2 the score viewer shows. To see it here, open "
                   "it in a text editor and move older records into another file.")
            .arg(regional.toString(lines.count), regional.toString(limits.lines));
    if (lines.longest > limits.lineLength)
        return QCoreApplication::translate(
                   "scores::ScoreWindow",
                   "One of its lines is %1 characters long, more than the %2 the score viewer "
                   "shows in a line. To see it here, open it in a text editor and break that line "
                   "up.")
            .arg(regional.toString(lines.longest), regional.toString(limits.lineLength));
    return {};
}

} // namespace scores
