// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The class at a glance and one learner over a period, worked out from the records read: who is
// in the class, each one's averages, right answers, change and days practised. No widget.
#pragma once

#include "scorehistory.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace progress {

// A level a learner (or, with no learner, the whole class) practised a drill at from a day on.
struct LevelMark
{
    QString learner;
    QString drill; // its key in the table of drills: "addition"
    QDate from;
    QString level; // its name in the class file: "sums-to-10"
};

// The class as its class file lists it; empty where there is none, and then the learners are
// those who saved.
struct Roster
{
    QStringList learners;
    QHash<QString, QString> renamedTo; // a name saved before, and the name it is now
    QList<LevelMark> levels;
    QString name; // the class's own, for headings on paper

    // The learner a saved name belongs to: renamed, then as the list writes it where only one of
    // its names differs from it by case and blanks alone.
    QString learnerOf(const QString &saved) const;
    std::optional<QString> levelAt(const QString &learner, const Drill &drill, QDate day) const;
};

enum class PeriodKind : std::uint8_t { ThisWeek, ThisMonth, Since, SchoolYear };
inline constexpr int PeriodKinds = 4;

// The days from the first to the last, both included.
struct Period
{
    QDate from;
    QDate to;
    bool contains(QDate day) const { return day >= from && day <= to; }
    qint64 days() const { return from.daysTo(to) + 1; }
    // Long periods are read by the month, short ones by the week.
    bool byMonths() const { return days() > 92; }
    friend bool operator==(const Period &, const Period &) = default;
};

// The week from Monday, the month, the days since a date, or the school year from 1 September,
// each up to today.
Period periodOf(PeriodKind kind, QDate today, QDate since = {});
// What the change is measured against: the week or month before, or as many days before.
Period periodBefore(PeriodKind kind, const Period &period);

// Scores added up: the saves, the right answers out of the questions, the percentages.
struct Tally
{
    int saves = 0;
    qint64 right = 0;
    qint64 questions = 0;
    double percents = 0;
    int scored = 0;

    void add(const Result &result);
    // Right answers over questions; where no total was kept, the mean of the percentages.
    std::optional<double> average() const;
    Tally &operator+=(const Tally &other);
};

// The right answers a percentage of a count stands for.
qint64 rightOf(const Result &result);

struct DrillTally
{
    Tally now;
    Tally before;
};

struct ClassRow
{
    QString name;
    bool inClass = true;
    std::array<DrillTally, drilltable::DrillCount> drills;
    double days = 0; // days practised in the period; the class's mean in its average row
    QDate last;      // last practised, in or before the period
};

struct ClassView
{
    Period period;
    Period before;
    std::vector<ClassRow> learners; // the class's, in the list's order, then those not in it
    ClassRow average;               // of the class's learners
};

// The class in a period; days and last practised count only the drill given, or every drill.
ClassView classView(std::span<const History *const> files, const Roster &roster, PeriodKind kind,
                    QDate today, QDate since = {}, const Drill *only = nullptr);

// One week's or one save's score of an exercise, at the day it stands on the chart.
struct Point
{
    QDate day;
    double percent = 0;
    int saves = 1;
};

// A learner's exercise in a period: the weekly averages, each run of weeks with scores apart so
// that a gap is not bridged, and each save.
struct ExerciseWeeks
{
    int exercise = 0;
    std::vector<std::vector<Point>> runs;
    std::vector<Point> saves;
};
std::vector<ExerciseWeeks> learnerWeeks(std::span<const History *const> files, const Roster &roster,
                                        const QString &learner, const Period &period,
                                        const Drill *only);

// The chosen learner in a period: each exercise of each record, in the order of the days, with
// the level it was practised at, and the chart's weeks.
struct LearnerData
{
    struct Line
    {
        QDate date;
        int exercise = 0;
        Result result;
        std::optional<QString> level; // its name in the class file
    };
    QString name;
    Period period;
    std::vector<Line> lines;
    std::vector<ExerciseWeeks> weeks;
};
LearnerData learnerData(std::span<const History *const> files, const Roster &roster,
                        const QString &learner, const Period &period, const Drill *only);

// The Monday of a day's week.
QDate weekOf(QDate day);

} // namespace progress
