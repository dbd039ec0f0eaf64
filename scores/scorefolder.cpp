// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <unistd.h>

namespace scores {

namespace {

ScoreFolder &current()
{
    static ScoreFolder folder{QDir::currentPath(), {}, true};
    return folder;
}

} // namespace

ScoreFolder chooseScoreFolder(const QString &given)
{
    QString path = given;
    if (path.isEmpty()) {
        // The desktop's configuration folders first, as the desktop entry's session has them
        // (Qt 6.4's system scope reads only its own), then Qt's.
        QStringList files;
        for (const QString &dir :
             qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts))
            files << dir + QStringLiteral("/Sumbrook/Sumbrook.conf");
        files << QSettings(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Sumbrook"),
                           QStringLiteral("Sumbrook"))
                     .fileName();
        for (const QString &file : files) {
            path = QSettings(file, QSettings::IniFormat).value(QStringLiteral("folder")).toString();
            if (!path.isEmpty())
                break;
        }
    }
    if (path.isEmpty())
        path = QDir::currentPath();
    ScoreFolder folder{QDir::cleanPath(QDir::current().absoluteFilePath(path)), {}, true};
    const QFileInfo info(folder.path);
    if (!info.isDir()) {
        folder.exists = false;
        folder.refusal = QCoreApplication::translate(
                             "scores::ScoreFolder",
                             "The score folder \"%1\" does not exist: no score can be saved.")
                             .arg(folder.path);
    } else if (::access(QFile::encodeName(folder.path).constData(), W_OK | X_OK) != 0) {
        folder.refusal = QCoreApplication::translate(
                             "scores::ScoreFolder",
                             "The score folder \"%1\" cannot be written: no score can be saved.")
                             .arg(folder.path);
    }
    return folder;
}

void useScoreFolder(const ScoreFolder &folder)
{
    current() = folder;
    // The score files are named relative to it; a folder that is not there leaves them nowhere.
    if (folder.exists)
        QDir::setCurrent(folder.path);
}

const ScoreFolder &scoreFolder()
{
    return current();
}

} // namespace scores
