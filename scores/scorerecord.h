// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a score: the sentence and record built from a drill window's summary captions, and the
// save command that asks for the name and appends the record to the drill's score file.
#pragma once

#include "toolkit/forms/dialogs.h"

#include <QDate>
#include <QString>

class QWidget;

namespace scores {

// A drill's score file and the texts its sentences name the exercises with; each drill's is in
// the table of drills.
struct ScoreFile
{
    const char *fileName;
    const char *firstText;
    const char *secondText; // null where the window has one exercise
};

// What the summary labels show, as the last Score press left them. The second exercise's pair is
// not read where the window has one exercise.
struct Captions
{
    QString lblPercentA = {};
    QString lblTotalA = {};
    QString lblPersent = {};
    QString lblTotal = {};
};

// The sentence, ending in CR LF; the date as mm/dd/yy.
QString scoreSentence(const ScoreFile &file, const QString &name, QDate date,
                      const Captions &captions);

// The sentence between double quotes, then CR LF; nothing inside is escaped.
QString scoreRecord(const QString &sentence);

// Before characters the code page cannot hold are stored as '?', lists them and asks whether to
// save all the same: true to save, false to go back to the name or the viewer's text.
enum class Holder { Name, Text };
bool saveDespiteUnencodable(QWidget *parent, QStringView text, Holder holder,
                            toolkit::ModalBoxes &boxes = toolkit::ModalBoxes::instance());

// The longest name a score holds: its record's sentence line, name and all, stays well within what
// the score viewer shows in a line.
inline constexpr qsizetype LongestName = 1000;

// The name as it is stored and said: control characters (a bell, an escape, a delete) left out,
// tabs and line ends as blanks.
QString withoutControls(const QString &name);

// "Saved for Mia. A new count starts.": what the learner hears once the record is on the disk.
QString savedNotice(const QString &name);

// The name Save Score offers, filled in and chosen, so that Enter saves it: the learner who is
// practising. Empty: the box starts empty.
void offerName(const QString &name);

// Asks for the name and appends the record to the score file in the current folder. True when
// the record is on the disk: the window then starts its tallies afresh. Nothing changes when the
// name is left empty; a name longer than LongestName is sent back to be shortened; a failed write
// is reported in a message and leaves the file as it was. A saved record is announced.
bool saveScore(QWidget *window, const ScoreFile &file, const Captions &captions,
               QDate today = QDate::currentDate(),
               toolkit::ModalBoxes &boxes = toolkit::ModalBoxes::instance());

} // namespace scores
