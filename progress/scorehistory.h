// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files read back as records: who saved, when, and each exercise's percentage and
// questions, and for each file what was skipped and why. No widget; the Progress window shows it.
#pragma once

#include "drilltable/drills.h"
#include "scores/scorerecord.h"

#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <optional>
#include <vector>

namespace progress {

using drilltable::Drill;
using drilltable::ExerciseCount;
using drilltable::exerciseIndex;

// One exercise's part of a record, as its last Score press showed it.
struct Result
{
    double percent = 0;
    bool scored = false; // false: the record was saved without a Score press
    int answered = -1;   // -1 where the total was empty
};

struct Record
{
    int learner = 0; // in History::learners
    QDate date;
    const Drill *drill = drilltable::Drills;
    std::array<Result, 2> results; // the second unused in Division
};

// Why a line was not taken for a score.
enum class Skip : std::uint8_t {
    NotARecord, // not a score sentence of the file's drill (typed or edited in the viewer)
    Unreadable, // a date no calendar has, or not a date
    Ambiguous,  // typed by hand with another separator, and both day-month orders are dates
    Future,     // after today: a typed year such as "62"
};
inline constexpr int SkipCount = 4;

// A sentence read from the right, so that a name may hold any text, the sentence's own words
// included. Null where the line is no score sentence of that drill; a sentence whose date cannot
// be taken says why in dateProblem.
struct Sentence
{
    QByteArrayView name;
    QDate date;
    std::array<Result, 2> results;
    std::optional<Skip> dateProblem;
};
std::optional<Sentence> readSentence(QByteArrayView sentence, const Drill &drill);

// What reading one file met: its size, whether it was read only up to the limit, the encoding
// it was found in where it is not the one Sumbrook writes, and how many lines were skipped, why.
struct FileReport
{
    QString fileName;
    qint64 size = 0;
    bool cut = false;
    QString encoding; // empty for Windows-1252; "UTF-8", "UTF-16"
    QString error;
    std::array<qsizetype, SkipCount> skipped{};
    qsizetype records = 0;
    // How far the bytes were read, the last of them and the file's identity: a save appends, and
    // then only what it added needs reading.
    qint64 parsed = 0;
    QByteArray tail;
    quint64 identity = 0;
    qsizetype skippedLines() const;
};

// Where a reading thread is, and whether it should stop.
struct ReadProgress
{
    std::atomic<qint64> bytes{0};
    std::atomic<bool> stop{false};
};

class History
{
public:
    // Adds a score file's records, as saved: a quote, the sentence, CR LF, a quote, CR LF. Lines
    // that are not records (edited in the viewer) and records whose date cannot be taken are
    // counted in the report, by reason; empty lines are not. A file with a byte-order mark, or
    // of UTF-16 without one, is read in its own encoding.
    FileReport read(const Drill &drill, QByteArrayView bytes, QDate today = QDate::currentDate(),
                    ReadProgress *progress = nullptr);

    const QStringList &learners() const { return m_learners; }
    const std::vector<Record> &records() const { return m_records; }
    qsizetype notScores() const { return m_notScores; }

private:
    int learner(QByteArrayView name, bool utf8);

    QStringList m_learners;
    QHash<QByteArray, int> m_byName;
    std::vector<Record> m_records;
    qsizetype m_notScores = 0;
};

} // namespace progress
