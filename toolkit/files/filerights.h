// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Who may change a score file, carried over to the file that takes its place or to its lock.
#pragma once

#include <QString>

#include <sys/stat.h>

namespace toolkit::files {

// Gives the file `to` the owner, group, mode and access ACL of the file `from` (as `old` describes
// it), as far as this user may: only root gives a file away, and only a member of a group gives it
// that group. An owner or group not kept is named in the ACL with the rights it had, where it
// would not keep them otherwise, so that all who could change the file still can. With writeOnly,
// every right to read is left out. Empty, or why the file would lose one of them.
QString keepWhoMayChange(int from, const struct stat &old, int to, bool writeOnly = false);

// Whether every one who may write the file `from` (as `old` describes it) may write `to` too, by
// its mode or its ACL.
bool writersKept(int from, const struct stat &old, int to, const struct stat &now);

} // namespace toolkit::files
