// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorehistory.h"

#include "toolkit/files/codepage.h"

#include <algorithm>
#include <charconv>

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

// mm/dd/yy with any one separator, the regional one included; years run from 2000.
QDate readDate(QByteArrayView text)
{
    const auto separator = [&](qsizetype i) { return text[i] < '0' || text[i] > '9'; };
    if (!separator(2) || !separator(5))
        return {};
    const int month = twoDigits(text, 0);
    const int day = twoDigits(text, 3);
    const int year = twoDigits(text, 6);
    if (month < 0 || day < 0 || year < 0)
        return {};
    return QDate(2000 + year, month, day);
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
    sentence.date = readDate(rest.last(DateLength));
    rest.chop(DateLength);
    if (!sentence.date.isValid() || !takeSuffix(rest, OnTheDayOf))
        return std::nullopt;
    sentence.name = rest;
    return sentence;
}

void History::read(const Drill &drill, QByteArrayView bytes)
{
    bool closing = false; // the line before began a record, whose closing quote may follow
    while (!bytes.isEmpty()) {
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
        if (line.startsWith('"')) {
            if (const auto sentence = readSentence(line.sliced(1), drill)) {
                m_records.push_back({.learner = learner(sentence->name),
                                     .date = sentence->date,
                                     .drill = &drill,
                                     .results = sentence->results});
                closing = true;
                continue;
            }
        }
        ++m_notScores;
    }
}

int History::learner(QByteArrayView name)
{
    // Thousands of records come from a class's few dozen names: each is decoded once.
    const QByteArray key = name.toByteArray();
    const auto found = m_byName.constFind(key);
    if (found != m_byName.cend())
        return *found;
    // Shown and said without the control characters another program may have written.
    const QString shown = scores::withoutControls(toolkit::decode(name));
    qsizetype index = m_learners.indexOf(shown);
    if (index < 0) {
        m_learners.append(shown);
        index = m_learners.size() - 1;
    }
    return *m_byName.insert(key, int(index));
}

std::vector<LearnerSummary> summarize(const History &history)
{
    std::vector<LearnerSummary> learners(history.learners().size());
    for (qsizetype i = 0; i < history.learners().size(); ++i) {
        learners[i].learner = int(i);
        learners[i].name = history.learners()[i];
    }
    // Records stand in the order they were saved, so the last scored one is the latest.
    for (const Record &record : history.records()) {
        LearnerSummary &learner = learners[record.learner];
        ++learner.saves;
        learner.last = std::max(learner.last, record.date);
        for (int i = 0; i < record.drill->exercises(); ++i) {
            const Result &result = record.results[i];
            if (!result.scored)
                continue;
            ExerciseSummary &exercise = learner.exercises[exerciseIndex(*record.drill, i)];
            if (exercise.scored++ == 0)
                exercise.first = exercise.best = result.percent;
            exercise.latest = result.percent;
            exercise.best = std::max(exercise.best, result.percent);
        }
    }
    std::ranges::sort(learners, [](const LearnerSummary &a, const LearnerSummary &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return learners;
}

} // namespace progress
