// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classview.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <map>

namespace progress {

QString Roster::learnerOf(const QString &saved) const
{
    QString name = saved.trimmed();
    // A chain of renames ends in the name used now; a loop typed by mistake ends too.
    for (int step = 0; step < 16 && renamedTo.contains(name); ++step)
        name = renamedTo.value(name);
    if (learners.contains(name))
        return name;
    const QString folded = name.simplified();
    QString found;
    for (const QString &learner : learners) {
        if (learner.simplified().compare(folded, Qt::CaseInsensitive) == 0) {
            if (!found.isEmpty())
                return name; // two learners it might be: it is neither
            found = learner;
        }
    }
    return found.isEmpty() ? name : found;
}

std::optional<QString> Roster::levelAt(const QString &learner, const Drill &drill, QDate day) const
{
    // The learner's own history before the class's; the latest mark on or before the day.
    std::optional<QString> own, common;
    QDate ownFrom, commonFrom;
    const QLatin1String key(drill.key);
    for (const LevelMark &mark : levels) {
        if (mark.drill != key || mark.from > day)
            continue;
        if (mark.learner == learner && (!own || mark.from >= ownFrom)) {
            own = mark.level;
            ownFrom = mark.from;
        } else if (mark.learner.isEmpty() && (!common || mark.from >= commonFrom)) {
            common = mark.level;
            commonFrom = mark.from;
        }
    }
    return own ? own : common;
}

QDate weekOf(QDate day)
{
    return day.addDays(1 - day.dayOfWeek());
}

Period periodOf(PeriodKind kind, QDate today, QDate since)
{
    switch (kind) {
    case PeriodKind::ThisWeek:
        return {weekOf(today), today};
    case PeriodKind::ThisMonth:
        return {QDate(today.year(), today.month(), 1), today};
    case PeriodKind::Since:
        return {since.isValid() && since <= today ? since : today, today};
    case PeriodKind::SchoolYear:
        return {QDate(today.month() >= 9 ? today.year() : today.year() - 1, 9, 1), today};
    }
    return {today, today};
}

Period periodBefore(PeriodKind kind, const Period &period)
{
    switch (kind) {
    case PeriodKind::ThisWeek:
        return {period.from.addDays(-7), period.from.addDays(-1)};
    case PeriodKind::ThisMonth:
        return {period.from.addMonths(-1), period.from.addDays(-1)};
    case PeriodKind::SchoolYear:
        return {period.from.addYears(-1), period.from.addDays(-1)};
    case PeriodKind::Since:
        break;
    }
    return {period.from.addDays(-period.days()), period.from.addDays(-1)};
}

qint64 rightOf(const Result &result)
{
    return result.scored && result.answered > 0
               ? std::llround(result.percent * result.answered / 100.0)
               : 0;
}

void Tally::add(const Result &result)
{
    if (!result.scored)
        return;
    ++scored;
    percents += result.percent;
    if (result.answered > 0) {
        right += rightOf(result);
        questions += result.answered;
    }
}

std::optional<double> Tally::average() const
{
    if (questions > 0)
        return 100.0 * double(right) / double(questions);
    if (scored > 0)
        return percents / scored;
    return std::nullopt;
}

Tally &Tally::operator+=(const Tally &other)
{
    saves += other.saves;
    right += other.right;
    questions += other.questions;
    percents += other.percents;
    scored += other.scored;
    return *this;
}

namespace {

// Each file's learners as rows of the view, resolved once per name rather than per record.
template<typename Row>
std::vector<int> rowsOf(const History &file, const Roster &roster, std::vector<Row> &rows,
                        QHash<QString, int> &byName)
{
    std::vector<int> map;
    map.reserve(file.learners().size());
    for (const QString &saved : file.learners()) {
        const QString name = roster.learnerOf(saved);
        auto found = byName.constFind(name);
        if (found == byName.cend()) {
            found = byName.insert(name, int(rows.size()));
            rows.push_back({});
            rows.back().name = name;
            rows.back().inClass = roster.learners.isEmpty();
        }
        map.push_back(*found);
    }
    return map;
}

} // namespace

ClassView classView(std::span<const History *const> files, const Roster &roster, PeriodKind kind,
                    QDate today, QDate since, const Drill *only)
{
    ClassView view;
    view.period = periodOf(kind, today, since);
    view.before = periodBefore(kind, view.period);
    std::vector<ClassRow> rows;
    QHash<QString, int> byName;
    for (const QString &learner : roster.learners) {
        byName.insert(learner, int(rows.size()));
        rows.push_back({});
        rows.back().name = learner;
    }
    std::vector<QSet<QDate>> days(rows.size());
    for (const History *file : files) {
        const std::vector<int> rowOf = rowsOf(*file, roster, rows, byName);
        days.resize(rows.size());
        for (const Record &record : file->records()) {
            ClassRow &row = rows[rowOf[record.learner]];
            DrillTally &drill = row.drills[drilltable::indexOf(*record.drill)];
            const bool shown = !only || only == record.drill;
            if (shown)
                row.last = std::max(row.last, record.date);
            const bool now = view.period.contains(record.date);
            if (!now && !view.before.contains(record.date))
                continue;
            Tally &tally = now ? drill.now : drill.before;
            ++tally.saves;
            for (int i = 0; i < record.drill->exercises(); ++i)
                tally.add(record.results[i]);
            if (now && shown)
                days[rowOf[record.learner]].insert(record.date);
        }
    }
    int members = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].days = double(days[i].size());
        if (rows[i].inClass) {
            ++members;
            for (size_t d = 0; d < drilltable::DrillCount; ++d) {
                view.average.drills[d].now += rows[i].drills[d].now;
                view.average.drills[d].before += rows[i].drills[d].before;
            }
            view.average.days += rows[i].days;
            view.average.last = std::max(view.average.last, rows[i].last);
        }
    }
    if (members > 0)
        view.average.days /= members;
    // The class in its list's order; the others, and everyone where there is no list, by name.
    const auto apart = std::stable_partition(rows.begin(), rows.end(),
                                             [](const ClassRow &row) { return row.inClass; });
    const auto byText = [](const ClassRow &a, const ClassRow &b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    };
    std::stable_sort(roster.learners.isEmpty() ? rows.begin() : apart, rows.end(), byText);
    view.learners = std::move(rows);
    return view;
}

namespace {

// Calls `each` with every record of the learner's, under any of their names, in the period and
// the drill (every drill where none is named).
template<typename Each>
void forEachRecordOf(std::span<const History *const> files, const Roster &roster,
                     const QString &learner, const Period &period, const Drill *only, Each each)
{
    for (const History *file : files) {
        std::vector<bool> theirs;
        for (const QString &saved : file->learners())
            theirs.push_back(roster.learnerOf(saved) == learner);
        for (const Record &record : file->records()) {
            if (theirs[record.learner] && period.contains(record.date) &&
                (!only || only == record.drill))
                each(record);
        }
    }
}

} // namespace

std::vector<ExerciseWeeks> learnerWeeks(std::span<const History *const> files, const Roster &roster,
                                        const QString &learner, const Period &period,
                                        const Drill *only)
{
    std::array<std::map<QDate, Tally>, ExerciseCount> weeks;
    std::array<std::vector<Point>, ExerciseCount> saves;
    forEachRecordOf(files, roster, learner, period, only, [&](const Record &record) {
        for (int i = 0; i < record.drill->exercises(); ++i) {
            const Result &result = record.results[i];
            if (!result.scored)
                continue;
            const int exercise = exerciseIndex(*record.drill, i);
            weeks[exercise][weekOf(record.date)].add(result);
            saves[exercise].push_back({record.date, result.percent, 1});
        }
    });
    std::vector<ExerciseWeeks> shown;
    for (int exercise = 0; exercise < ExerciseCount; ++exercise) {
        if (weeks[exercise].empty())
            continue;
        ExerciseWeeks one{exercise, {}, std::move(saves[exercise])};
        std::ranges::stable_sort(one.saves, {}, &Point::day);
        QDate previous;
        for (const auto &[monday, tally] : weeks[exercise]) {
            if (!previous.isValid() || previous.daysTo(monday) > 7)
                one.runs.emplace_back();
            // A week's average stands in its middle, within the period.
            const QDate middle = std::clamp(monday.addDays(3), period.from, period.to);
            one.runs.back().push_back({middle, tally.average().value_or(0), tally.scored});
            previous = monday;
        }
        shown.push_back(std::move(one));
    }
    return shown;
}

LearnerData learnerData(std::span<const History *const> files, const Roster &roster,
                        const QString &learner, const Period &period, const Drill *only)
{
    LearnerData data{learner, period, {}, {}};
    if (learner.isEmpty())
        return data;
    forEachRecordOf(files, roster, learner, period, only, [&](const Record &record) {
        for (int i = 0; i < record.drill->exercises(); ++i)
            data.lines.push_back({record.date, exerciseIndex(*record.drill, i), record.results[i],
                                  roster.levelAt(learner, *record.drill, record.date)});
    });
    // Saves of one day stay in the order they were made.
    std::ranges::stable_sort(data.lines, {}, &LearnerData::Line::date);
    data.weeks = learnerWeeks(files, roster, learner, period, only);
    return data;
}

} // namespace progress
