// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoretext.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
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

namespace {

QList<QByteArrayView> recordsOf(QByteArrayView bytes)
{
    constexpr QByteArrayView Closing("\r\n\"\r\n");
    QList<QByteArrayView> records;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype end = at;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (bytes[at] == '"' && bytes.sliced(end).startsWith(Closing)) {
            records.append(bytes.sliced(at, end + Closing.size() - at));
            at = end + Closing.size();
            continue;
        }
        const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
        at = end + (crLf ? 2 : 1);
    }
    return records;
}

} // namespace

Records recordsNotShown(QByteArrayView shown, QByteArrayView now)
{
    // Saves only append: the records saved since stand after the last record that was shown.
    const QList<QByteArrayView> before = recordsOf(shown);
    const QList<QByteArrayView> after = recordsOf(now);
    QHash<QByteArrayView, qsizetype> times;
    for (const QByteArrayView record : before)
        ++times[record];
    // How often each record of the file was met up to it: beyond the times it was shown, it is
    // another save of the same words.
    QHash<QByteArrayView, qsizetype> met;
    QList<qsizetype> nth;
    for (const QByteArrayView record : after)
        nth.append(++met[record]);
    qsizetype tail = after.size();
    while (tail > 0 && nth[tail - 1] > times.value(after[tail - 1]))
        --tail;
    // Shown records gone from behind that one were edited elsewhere: as many records that follow
    // it are those edits, not new saves. A file that keeps no record shown was replaced whole.
    qsizetype edited = 0;
    if (tail > 0) {
        qsizetype at = -1;
        for (qsizetype seen = 0; seen < nth[tail - 1]; ++seen)
            at = before.indexOf(after[tail - 1], at + 1);
        edited = before.size() - 1 - at;
    }
    Records unseen;
    for (qsizetype i = tail + std::min(edited, after.size() - tail); i < after.size(); ++i) {
        unseen.bytes += after[i];
        ++unseen.count;
    }
    return unseen;
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
