// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the scores and the class file are kept in: given on the command line, else set for
// every account by the administrator, else the folder Sumbrook was started in.
#pragma once

#include <QString>

namespace scores {

struct ScoreFolder
{
    QString path;    // absolute
    QString refusal; // why scores cannot be saved there; empty where they can
    bool exists = true;
};

// The folder given (--folder), else the system-wide setting `folder` (Sumbrook/Sumbrook.conf in
// the desktop's configuration folders, XDG_CONFIG_DIRS, then Qt's: /etc/xdg on most systems),
// else the current folder.
ScoreFolder chooseScoreFolder(const QString &given);
// Makes it the folder the score files are named in, and the one saving asks about.
void useScoreFolder(const ScoreFolder &folder);
const ScoreFolder &scoreFolder();

} // namespace scores
