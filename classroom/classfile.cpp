// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfile.h"

#include "drilltable/drills.h"
#include "drilltable/levels.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>

#include <limits>
#include <map>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace classroom {

namespace {

// The keys of the table's drills, in its order, as the file names them: "addition".
const QStringList DrillKeys = [] {
    QStringList keys;
    for (const drilltable::Drill &drill : drilltable::Drills)
        keys << QString::fromLatin1(drill.key);
    return keys;
}();

QString userName(uid_t user)
{
    struct passwd entry, *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(user, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(user);
}

QString unquoted(QString value)
{
    value = value.trimmed();
    if (value.size() < 2 || !value.startsWith(u'"') || !value.endsWith(u'"'))
        return value;
    QString plain;
    for (qsizetype i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == u'\\' && i + 2 < value.size())
            ++i;
        plain += value[i];
    }
    return plain;
}

QString quoted(const QString &value)
{
    static const QString special = QStringLiteral(";,\"=\\#[");
    if (value.trimmed() == value &&
        std::ranges::none_of(value, [](QChar c) { return special.contains(c); }))
        return value;
    QString text = value;
    text.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + text + u'"';
}

QString drillTitle(const QString &key)
{
    const qsizetype i = DrillKeys.indexOf(key);
    return i < 0 ? key : drilltable::title(drilltable::Drills[i]);
}

} // namespace

bool hasControls(QStringView text)
{
    return std::ranges::any_of(text, [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
}

QString ClassList::levelOf(const Learner &learner, const QString &drill) const
{
    return learner.levels.value(drill, classLevels.value(drill, QStringLiteral("designed")));
}

void ClassList::rename(qsizetype index, const QString &newName)
{
    Learner &learner = learners[index];
    if (learner.name == newName)
        return;
    renames.append({learner.name, newName});
    learner.formerNames.append(learner.name);
    learner.name = newName;
}

void ClassList::setLevel(const QString &learner, const QString &drill, const QString &level,
                         QDate today)
{
    QHash<QString, QString> *levels = &classLevels;
    for (Learner &l : learners)
        if (!learner.isEmpty() && l.name == learner)
            levels = &l.levels;
    if (levels->value(drill) == level)
        return;
    // A learner's level left empty follows the class's: that is the level they practise now.
    QString practised = level;
    if (level.isEmpty() && levels != &classLevels) {
        levels->remove(drill);
        practised = classLevels.value(drill, QStringLiteral("designed"));
    } else {
        levels->insert(drill, level);
    }
    // One change a day for each learner and drill: the last one that day is the one practised.
    if (!history.isEmpty() && history.last().date == today && history.last().learner == learner &&
        history.last().drill == drill)
        history.removeLast();
    history.append({today, learner, drill, practised});
}

ClassList parseClass(QByteArrayView text, QStringList *problems)
{
    ClassList list;
    const auto problem = [problems](int line, const QString &what) {
        problems->append(
            QCoreApplication::translate("classroom::ClassFile", "Line %1: %2").arg(line).arg(what));
    };
    // What the numbered entries of a section hold, by number, with the line each began on.
    struct Entry
    {
        int line = 0;
        QHash<QString, QString> fields;
    };
    std::map<int, Entry> learners, renames, history;
    QString section;
    bool tooMany = false;
    int line = 0;
    for (QByteArrayView rest = text; !rest.isEmpty();) {
        ++line;
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView bytes = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString lineText = decode(bytes);
        if (decode.hasError() || hasControls(QString(lineText).remove(u'\t'))) {
            problem(line, QCoreApplication::translate("classroom::ClassFile",
                                                      "it is not text, and is left out."));
            continue;
        }
        const QString trimmed = lineText.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            if (!QStringList{"class", "learners", "renames", "history"}.contains(section))
                problem(line,
                        QCoreApplication::translate("classroom::ClassFile",
                                                    "there is no section \"%1\"; it is left out.")
                            .arg(section));
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals < 1) {
            problem(line, QCoreApplication::translate("classroom::ClassFile",
                                                      "it is not a setting, and is left out."));
            continue;
        }
        const QString key = trimmed.left(equals).trimmed();
        const QString value = unquoted(trimmed.mid(equals + 1));
        if (section == u"class") {
            if (!DrillKeys.contains(key))
                problem(line, QCoreApplication::translate("classroom::ClassFile",
                                                          "there is no drill \"%1\".")
                                  .arg(key));
            else if (!drilltable::Level::fromName(key, value))
                problem(line, QCoreApplication::translate(
                                  "classroom::ClassFile",
                                  "\"%1\" is not a level of %2: it is practised as designed.")
                                  .arg(value, drillTitle(key)));
            else
                list.classLevels.insert(key, value);
            continue;
        }
        auto *entries = section == u"learners"  ? &learners
                        : section == u"renames" ? &renames
                        : section == u"history" ? &history
                                                : nullptr;
        if (!entries)
            continue; // its section was said already
        if (key == u"size")
            continue; // the entries are counted as they come
        const qsizetype slash = key.indexOf(u'\\');
        bool isNumber = false;
        const int number = key.left(slash).toInt(&isNumber);
        if (slash < 0 || !isNumber || number < 1) {
            problem(line, QCoreApplication::translate(
                              "classroom::ClassFile",
                              "\"%1\" is not a setting of the class, and is left out.")
                              .arg(key));
            continue;
        }
        if (number > MostLearners * (entries == &learners ? 1 : 100)) {
            if (!std::exchange(tooMany, true))
                problem(line, QCoreApplication::translate(
                                  "classroom::ClassFile",
                                  "a class holds up to %1 learners; the rest are left out.")
                                  .arg(MostLearners));
            continue;
        }
        Entry &entry = (*entries)[number];
        if (!entry.line)
            entry.line = line;
        const QString field = key.mid(slash + 1);
        if (entries == &learners && field != u"name" && !DrillKeys.contains(field)) {
            problem(line, QCoreApplication::translate(
                              "classroom::ClassFile",
                              "\"%1\" is not a setting of a learner, and is left out.")
                              .arg(field));
        } else if (entries == &learners && field != u"name" &&
                   !drilltable::Level::fromName(field, value)) {
            problem(line, QCoreApplication::translate(
                              "classroom::ClassFile",
                              "\"%1\" is not a level of %2: it is practised as designed.")
                              .arg(value, drillTitle(field)));
        } else {
            entry.fields.insert(field, value);
        }
    }

    const auto goodName = [&](const QString &name, int line) {
        if (name.isEmpty())
            problem(line, QCoreApplication::translate("classroom::ClassFile",
                                                      "the learner has no name, and is left out."));
        else if (name.size() > LongestName)
            problem(line, QCoreApplication::translate(
                              "classroom::ClassFile",
                              "a name holds up to %1 characters; the learner is left out.")
                              .arg(LongestName));
        else if (std::ranges::any_of(list.learners,
                                     [&](const Learner &l) { return l.name == name; }))
            problem(line, QCoreApplication::translate(
                              "classroom::ClassFile",
                              "\"%1\" is in the class already; the second is left out.")
                              .arg(name));
        else
            return true;
        return false;
    };
    for (const auto &[number, entry] : learners) {
        Learner learner;
        learner.name = entry.fields.value(QStringLiteral("name")).trimmed();
        if (!goodName(learner.name, entry.line))
            continue;
        for (const QString &drill : DrillKeys)
            if (entry.fields.contains(drill))
                learner.levels.insert(drill, entry.fields.value(drill));
        list.learners.append(learner);
    }
    for (const auto &[number, entry] : renames) {
        const Rename rename{entry.fields.value(QStringLiteral("from")),
                            entry.fields.value(QStringLiteral("to"))};
        if (rename.from.isEmpty() || rename.to.isEmpty())
            problem(entry.line,
                    QCoreApplication::translate("classroom::ClassFile",
                                                "a rename needs the name before and after it."));
        else
            list.renames.append(rename);
    }
    for (const auto &[number, entry] : history) {
        const LevelChange change{
            QDate::fromString(entry.fields.value(QStringLiteral("date")), Qt::ISODate),
            entry.fields.value(QStringLiteral("learner")),
            entry.fields.value(QStringLiteral("drill")),
            entry.fields.value(QStringLiteral("level"))};
        if (!change.date.isValid() || !DrillKeys.contains(change.drill) ||
            !drilltable::Level::fromName(change.drill, change.level))
            problem(entry.line, QCoreApplication::translate(
                                    "classroom::ClassFile",
                                    "the level change is not complete, and is left out."));
        else
            list.history.append(change);
    }
    // Each learner's former names, through every rename that led to their name.
    for (Learner &learner : list.learners) {
        QStringList names{learner.name};
        for (auto r = list.renames.crbegin(); r != list.renames.crend(); ++r)
            if (names.contains(r->to) && !names.contains(r->from))
                names.prepend(r->from);
        names.removeLast();
        learner.formerNames = names;
    }
    return list;
}

QByteArray classText(const ClassList &list)
{
    QString text = QStringLiteral("[class]\n");
    for (const QString &drill : DrillKeys)
        if (list.classLevels.contains(drill))
            text += drill + u'=' + list.classLevels.value(drill) + u'\n';
    const auto array = [&text](const char *section, qsizetype size) {
        text += QStringLiteral("\n[%1]\nsize=%2\n").arg(QLatin1String(section)).arg(size);
    };
    const auto field = [&text](qsizetype i, const char *name, const QString &value) {
        text += QStringLiteral("%1\\%2=%3\n").arg(i + 1).arg(QLatin1String(name), quoted(value));
    };
    array("learners", list.learners.size());
    for (qsizetype i = 0; i < list.learners.size(); ++i) {
        field(i, "name", list.learners[i].name);
        for (const QString &drill : DrillKeys)
            if (list.learners[i].levels.contains(drill))
                text += QStringLiteral("%1\\%2=%3\n")
                            .arg(i + 1)
                            .arg(drill, list.learners[i].levels.value(drill));
    }
    if (!list.renames.isEmpty()) {
        array("renames", list.renames.size());
        for (qsizetype i = 0; i < list.renames.size(); ++i) {
            field(i, "from", list.renames[i].from);
            field(i, "to", list.renames[i].to);
        }
    }
    if (!list.history.isEmpty()) {
        array("history", list.history.size());
        for (qsizetype i = 0; i < list.history.size(); ++i) {
            const LevelChange &c = list.history[i];
            field(i, "date", c.date.toString(Qt::ISODate));
            field(i, "learner", c.learner);
            field(i, "drill", c.drill);
            field(i, "level", c.level);
        }
    }
    return text.toUtf8();
}

ClassFile readClassFile(const QString &folder)
{
    ClassFile file;
    struct stat folderInfo = {};
    if (::stat(QFile::encodeName(folder).constData(), &folderInfo) != 0)
        return file;
    const uid_t me = ::geteuid();
    const QString owner = userName(folderInfo.st_uid);
    const QString name = QDir(folder).filePath(QLatin1String(ClassFileName));
    const toolkit::ReadBytes read = toolkit::readBytes(name, LargestClassFile);
    file.missing = read.missing;
    file.folder = read.folder;
    bool mayWrite = me == folderInfo.st_uid;
    if (read.missing) {
    } else if (!read.error.isEmpty()) {
        file.problems << QCoreApplication::translate("classroom::ClassFile",
                                                     "The class file \"%1\" is not followed: %2")
                             .arg(name, read.error);
    } else if (read.owner != folderInfo.st_uid && read.owner != me) {
        file.problems << QCoreApplication::translate(
                             "classroom::ClassFile",
                             "The class file \"%1\" belongs to %2, not to the folder's owner "
                             "(%3) or to you: it is not followed, and everyone practises as "
                             "designed.")
                             .arg(name, userName(read.owner), owner);
    } else if (read.mode & (S_IWGRP | S_IWOTH)) {
        file.problems << QCoreApplication::translate(
                             "classroom::ClassFile",
                             "The class file \"%1\" may be changed by others than its owner (%2): "
                             "it is not followed. Its owner can allow only themselves to change "
                             "it (chmod go-w).")
                             .arg(name, userName(read.owner));
    } else {
        file.honoured = true;
        file.list = parseClass(read.bytes, &file.problems);
        mayWrite = mayWrite || read.owner == me;
    }
    if (!read.error.isEmpty() || read.tooLarge)
        file.read = {std::numeric_limits<qint64>::max(), {}}; // never written over unread
    else
        file.read = toolkit::fingerprintOf(read.bytes);
    if (!mayWrite)
        file.saveRefusal =
            QCoreApplication::translate("classroom::ClassFile",
                                        "Only the folder's owner (%1) can change the class.")
                .arg(owner);
    else if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        file.saveRefusal = QCoreApplication::translate("classroom::ClassFile",
                                                       "The folder \"%1\" cannot be written.")
                               .arg(folder);
    return file;
}

QString writeClassFile(const QString &folder, const ClassFile &was, const ClassList &list,
                       const toolkit::LockWait &wait)
{
    if (!was.saveRefusal.isEmpty())
        return was.saveRefusal;
    const QString name = QDir(folder).filePath(QLatin1String(ClassFileName));
    const toolkit::Replaced replaced =
        toolkit::replaceIfUnchanged(name, was.read, classText(list), wait, &was.folder);
    switch (replaced.outcome) {
    case toolkit::Replaced::Written:
        break;
    case toolkit::Replaced::Changed:
        return QCoreApplication::translate(
            "classroom::ClassFile",
            "The class file was changed elsewhere since it was opened. Open the Class "
            "window again to see it.");
    case toolkit::Replaced::Moved:
        return QCoreApplication::translate(
            "classroom::ClassFile",
            "The folder was moved or replaced since the class file was read.");
    case toolkit::Replaced::Failed:
        return replaced.error;
    }
    // The file takes the folder's group, as the scores do, but only its owner may change it.
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info = {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid())
        ::fchmod(fd, info.st_mode & 07777 & ~(S_IWGRP | S_IWOTH));
    if (fd >= 0)
        ::close(fd);
    return {};
}

} // namespace classroom
