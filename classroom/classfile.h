// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The class file, sumbrook-class.ini in the score folder: the learners, the levels they and the
// class practise at, the names they had before and when each level was set. Read and written as
// plain values; honoured only from the folder's owner or the person running Sumbrook.
#pragma once

#include "toolkit/files/replacefile.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace classroom {

inline constexpr char ClassFileName[] = "sumbrook-class.ini";
// The most a class file holds: larger files, and learners beyond the count, are left out.
inline constexpr qint64 LargestClassFile = 1024 * 1024;
inline constexpr int MostLearners = 500;
inline constexpr int LongestName = 100;

struct Learner
{
    QString name;
    QStringList formerNames;        // oldest first, joined through every rename
    QHash<QString, QString> levels; // by drill key ("addition"); a drill not named: the class's
    friend bool operator==(const Learner &, const Learner &) = default;
};

// A level set on a day, for the class (learner empty) or for one learner.
struct LevelChange
{
    QDate date;
    QString learner;
    QString drill;
    QString level;
    friend bool operator==(const LevelChange &, const LevelChange &) = default;
};

struct Rename
{
    QString from;
    QString to;
    friend bool operator==(const Rename &, const Rename &) = default;
};

struct ClassList
{
    QHash<QString, QString> classLevels;
    QList<Learner> learners;
    QList<Rename> renames; // in the order they were made
    QList<LevelChange> history;

    // The level the learner practises a drill at: their own, else the class's, else "designed".
    QString levelOf(const Learner &learner, const QString &drill) const;
    // Renames a learner, keeping the former name so that their records stay theirs.
    void rename(qsizetype index, const QString &newName);
    // Sets a level as of today, kept in the history; an empty learner sets the class's, an empty
    // level lets the learner follow the class's again.
    void setLevel(const QString &learner, const QString &drill, const QString &level, QDate today);
    friend bool operator==(const ClassList &, const ClassList &) = default;
};

// Whether a name holds what no name may: control or format characters.
bool hasControls(QStringView text);

// The class as the text says it, with a message for each line it could not take, naming the line.
// Unknown levels are kept out (the drill then deals as designed), as are learners beyond
// MostLearners, names with control characters and lines that are not UTF-8 text.
ClassList parseClass(QByteArrayView text, QStringList *problems);
// The class as the file holds it, in Qt's INI format.
QByteArray classText(const ClassList &list);

struct ClassFile
{
    ClassList list;
    bool missing = true;   // no class file: everyone practises as designed
    bool honoured = false; // it was read and is followed
    QStringList problems;  // why it is not honoured, or the lines it could not take
    toolkit::Fingerprint read;
    toolkit::FolderId folder;
    QString saveRefusal; // why this user may not change the class; empty where they may
};

// Reads the class file of the folder by the score files' rules. It is followed only when it
// belongs to the folder's owner or to this user and nobody else may write it.
ClassFile readClassFile(const QString &folder);
// Writes the class whole in place of the file as it was read. Empty, or why not.
QString writeClassFile(const QString &folder, const ClassFile &was, const ClassList &list,
                       const toolkit::LockWait &wait = {});

} // namespace classroom
