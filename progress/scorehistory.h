// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files read back as records: who saved, when, and each exercise's percentage and
// questions, with each learner's latest and best. No widget; the Progress window shows it.
#pragma once

#include "drilltable/drills.h"
#include "scores/scorerecord.h"

#include <QByteArrayView>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
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

// A sentence read from the right, so that a name may hold any text, the sentence's own words
// included. Null where the line is no score sentence of that drill.
struct Sentence
{
    QByteArrayView name;
    QDate date;
    std::array<Result, 2> results;
};
std::optional<Sentence> readSentence(QByteArrayView sentence, const Drill &drill);

class History
{
public:
    // Adds a score file's records, as saved: a quote, the sentence, CR LF, a quote, CR LF. Lines
    // that are not records (edited in the viewer) are counted; empty lines are not.
    void read(const Drill &drill, QByteArrayView bytes);

    const QStringList &learners() const { return m_learners; }
    const std::vector<Record> &records() const { return m_records; }
    qsizetype notScores() const { return m_notScores; }

private:
    int learner(QByteArrayView name);

    QStringList m_learners;
    QHash<QByteArray, int> m_byName;
    std::vector<Record> m_records;
    qsizetype m_notScores = 0;
};

// What a learner has done in one exercise: the first, latest and best of the scored saves.
struct ExerciseSummary
{
    int scored = 0;
    double first = 0;
    double latest = 0;
    double best = 0;
};

struct LearnerSummary
{
    int learner = 0; // in History::learners
    QString name;
    int saves = 0;
    QDate last;
    std::array<ExerciseSummary, ExerciseCount> exercises;
};

// One row per learner, in the order of their names.
std::vector<LearnerSummary> summarize(const History &history);

} // namespace progress
