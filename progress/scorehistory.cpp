// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorehistory.h"

#include "toolkit/files/codepage.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <numeric>

namespace progress {

namespace {

constexpr QByteArrayView OnTheDayOf = " On the Day of ";
constexpr QByteArrayView GotA = " Got A ";
constexpr QByteArrayView FirstOutOf = " Out of ";
constexpr QByteArrayView SecondOutOf = " out of ";
constexpr qsizetype DateLength = 8; // mm/dd/yy

bool takeSuffix(QByteArrayView &rest, QByteArrayView suffix)
{
    if (!rest.endsWith(suffix))
        return false;
    rest.chop(suffix.size());
    return true;
}

// The caption after the last piece; rest keeps what stands before the piece. A caption is a
// number and never holds a piece, so the last one found is the sentence's own, whatever the name.
std::optional<QByteArrayView> takeCaption(QByteArrayView &rest, QByteArrayView piece)
{
    const qsizetype at = rest.lastIndexOf(piece);
    if (at < 0)
        return std::nullopt;
    const QByteArrayView caption = rest.sliced(at + piece.size());
    rest.truncate(at);
    return caption;
}

QByteArrayView trimmed(QByteArrayView text)
{
    // Blanks and the no-break space that some regional formats put before the sign.
    const auto blank = [](char c) { return c == ' ' || c == '\xa0'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

// "80.00%", or with a regional comma "80,00%"; empty when no Score was pressed.
bool readPercent(QByteArrayView caption, Result &result)
{
    caption = trimmed(caption);
    if (caption.isEmpty())
        return true;
    if (!caption.endsWith('%'))
        return false;
    caption = trimmed(caption.chopped(1));
    char number[32];
    if (caption.isEmpty() || caption.size() >= qsizetype(sizeof number))
        return false;
    std::ranges::transform(caption, number, [](char c) { return c == ',' ? '.' : c; });
    const char *end = number + caption.size();
    const auto [stop, error] = std::from_chars(number, end, result.percent);
    // Beyond the range a Score press can give (or no number at all, as "inf"), it is no score.
    if (error != std::errc() || stop != end || !(result.percent >= 0 && result.percent <= 100))
        return false;
    result.scored = true;
    return true;
}

bool readTotal(QByteArrayView caption, Result &result)
{
    caption = trimmed(caption);
    if (caption.isEmpty())
        return true;
    const char *end = caption.data() + caption.size();
    const auto [stop, error] = std::from_chars(caption.data(), end, result.answered);
    return error == std::errc() && stop == end && result.answered >= 0;
}

int twoDigits(QByteArrayView text, qsizetype at)
{
    const auto digit = [&](qsizetype i) {
        const char c = text[i];
        return c >= '0' && c <= '9' ? c - '0' : -100;
    };
    return digit(at) * 10 + digit(at + 1);
}

struct DateRead
{
    QDate date;
    std::optional<Skip> problem;
};

// mm/dd/yy, as Save Score writes it, always with a slash; years run from 2000. A date typed by
// hand with another separator may be either day-month order: it is taken where only one order
// is a date, and left unguessed where both are ("08.12.26").
DateRead readDate(QByteArrayView text)
{
    const auto separator = [&](qsizetype i) { return text[i] < '0' || text[i] > '9'; };
    if (!separator(2) || !separator(5))
        return {{}, Skip::Unreadable};
    const int first = twoDigits(text, 0);
    const int second = twoDigits(text, 3);
    const int year = twoDigits(text, 6);
    if (first < 0 || second < 0 || year < 0)
        return {{}, Skip::Unreadable};
    const QDate saved(2000 + year, first, second);
    if (text[2] == '/' && text[5] == '/')
        return {saved, saved.isValid() ? std::nullopt : std::optional(Skip::Unreadable)};
    const QDate swapped(2000 + year, second, first);
    if (saved.isValid() && swapped.isValid() && saved != swapped)
        return {{}, Skip::Ambiguous};
    if (!saved.isValid() && !swapped.isValid())
        return {{}, Skip::Unreadable};
    return {saved.isValid() ? saved : swapped, std::nullopt};
}

// The encoding a file was found in where it is not Windows-1252: a byte-order mark says so, and
// UTF-16 without one shows by a zero byte beside nearly every letter.
QString encodingOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xef\xbb\xbf"))
        return QStringLiteral("UTF-8");
    if (bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff"))
        return QStringLiteral("UTF-16");
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 512));
    if (start.size() >= 8 && start.count('\0') * 3 >= start.size())
        return QStringLiteral("UTF-16");
    return {};
}

} // namespace

std::optional<Sentence> readSentence(QByteArrayView rest, const Drill &drill)
{
    const scores::ScoreFile &file = drill.scores;
    Sentence sentence;
    if (file.secondText) {
        if (!takeSuffix(rest, file.secondText))
            return std::nullopt;
        const auto total = takeCaption(rest, SecondOutOf);
        const auto percent = total ? takeCaption(rest, file.firstText) : std::nullopt;
        if (!percent || !readTotal(*total, sentence.results[1]) ||
            !readPercent(*percent, sentence.results[1]))
            return std::nullopt;
    } else if (!takeSuffix(rest, file.firstText)) {
        return std::nullopt;
    }
    const auto total = takeCaption(rest, FirstOutOf);
    const auto percent = total ? takeCaption(rest, GotA) : std::nullopt;
    if (!percent || !readTotal(*total, sentence.results[0]) ||
        !readPercent(*percent, sentence.results[0]) || rest.size() < OnTheDayOf.size() + DateLength)
        return std::nullopt;
    const DateRead date = readDate(rest.last(DateLength));
    rest.chop(DateLength);
    if (!takeSuffix(rest, OnTheDayOf))
        return std::nullopt;
    sentence.date = date.date;
    sentence.dateProblem = date.problem;
    sentence.name = rest;
    return sentence;
}

qsizetype FileReport::skippedLines() const
{
    return std::accumulate(skipped.begin(), skipped.end(), qsizetype(0));
}

FileReport History::read(const Drill &drill, QByteArrayView bytes, QDate today,
                         ReadProgress *progress)
{
    FileReport report;
    report.fileName = QLatin1String(drill.scores.fileName);
    report.encoding = encodingOf(bytes);
    // The sentence's words are ASCII in UTF-8 as in Windows-1252: UTF-16 is read as UTF-8.
    QByteArray converted;
    if (report.encoding == u"UTF-16") {
        const bool big = bytes.startsWith("\xfe\xff") ||
                         (!bytes.startsWith("\xff\xfe") && !bytes.isEmpty() && bytes[0] == 0);
        QStringDecoder decoder(big ? QStringDecoder::Utf16BE : QStringDecoder::Utf16LE);
        converted = QString(decoder(bytes)).toUtf8();
        bytes = converted;
    }
    const bool utf8 = !report.encoding.isEmpty();
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes = bytes.sliced(3);

    bool closing = false; // the line before began a record, whose closing quote may follow
    const qsizetype size = bytes.size();
    qsizetype told = 0;
    for (int lines = 1; !bytes.isEmpty(); ++lines) {
        if (progress && lines % 8192 == 0) {
            progress->bytes += size - bytes.size() - told;
            told = size - bytes.size();
            if (progress->stop)
                break;
        }
        const qsizetype end = bytes.indexOf('\n');
        QByteArrayView line = end < 0 ? bytes : bytes.first(end);
        bytes = bytes.sliced(end < 0 ? bytes.size() : end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const bool closes = closing && line == "\"";
        closing = false;
        if (closes)
            continue;
        std::optional<Sentence> sentence;
        if (line.startsWith('"'))
            sentence = readSentence(line.sliced(1), drill);
        if (!sentence) {
            ++report.skipped[int(Skip::NotARecord)];
            continue;
        }
        closing = true;
        if (!sentence->dateProblem && sentence->date > today)
            sentence->dateProblem = Skip::Future;
        if (sentence->dateProblem) {
            ++report.skipped[int(*sentence->dateProblem)];
            continue;
        }
        m_records.push_back({.learner = learner(sentence->name, utf8),
                             .date = sentence->date,
                             .drill = &drill,
                             .results = sentence->results});
        ++report.records;
    }
    if (progress)
        progress->bytes += size - told;
    m_notScores += report.skippedLines();
    return report;
}

int History::learner(QByteArrayView name, bool utf8)
{
    // Thousands of records come from a class's few dozen names: each is decoded once.
    const QByteArray key = name.toByteArray();
    const auto found = m_byName.constFind(key);
    if (found != m_byName.cend())
        return *found;
    // Shown and said without the control characters another program may have written.
    const QString shown =
        scores::withoutControls(utf8 ? QString::fromUtf8(name) : toolkit::decode(name));
    qsizetype index = m_learners.indexOf(shown);
    if (index < 0) {
        m_learners.append(shown);
        index = m_learners.size() - 1;
    }
    return *m_byName.insert(key, int(index));
}

} // namespace progress
