// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Score files as bytes on a POSIX file system, in a folder that several accounts may share:
// appending that leaves nothing half-written, a bounded read, each under a lock that only those
// who may write the scores can take. Only regular files are opened, a symbolic link only where
// its maker could have made the file themselves, and every write reaches the disk before it
// counts.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

#include <sys/types.h>

namespace toolkit {

// A write past the process's file size limit then fails with an error instead of ending the
// program before it could take its bytes back. The program calls it once at start.
void ignoreFileSizeSignal();

// Each function returns an empty string on success, or the reason it failed, ready for a message.
// Each waits while another program holds the file's lock: it calls the wait given, which waits a
// moment and says whether to go on waiting, or, given none, waits up to five seconds.
using LockWait = std::function<bool()>;

// Appends to the end without reading what is there, starting a line of its own: where the file
// does not end in a line end, CR LF goes first. A missing file is created, writable by the group
// that may write its folder. A write that fails part-way is cut off again, back to the size the
// file had just before it.
QString appendLine(const QString &fileName, QByteArrayView bytes, const LockWait &wait = {});

// Which folder a file's name was found in, so that a later write can tell whether the folder was
// renamed or replaced meanwhile.
struct FolderId
{
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FolderId &, const FolderId &) = default;
};

struct ReadBytes
{
    QByteArray bytes;
    bool missing = false;  // no such file: not an error, there are no bytes
    bool tooLarge = false; // beyond the limit: not read, or read only up to it
    QString error;
    FolderId folder;
    uid_t owner = 0; // of the file read, and its mode
    mode_t mode = 0;
};
// Reads no more than the limit allows, whatever size the file claims. A file beyond it is refused,
// or, where its first bytes are worth having, read up to the limit.
enum class Beyond : std::uint8_t { Refuse, KeepFirst };
ReadBytes readBytes(const QString &fileName, qint64 limit, const LockWait &wait = {},
                    Beyond beyond = Beyond::Refuse);

} // namespace toolkit
