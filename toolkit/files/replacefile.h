// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A file replaced whole by new bytes, as the score viewer writes back what it shows: it keeps what
// was appended since the file was read and who may change it, never overwrites a file changed
// elsewhere unasked, and writes only the file it checked, in the folder it was read from.
#pragma once

#include "lockedfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace toolkit {

// Bytes as read from a file, known by their count and digest rather than kept.
struct Fingerprint
{
    qint64 size = 0;
    QByteArray digest;
    friend bool operator==(const Fingerprint &, const Fingerprint &) = default;
};
Fingerprint fingerprintOf(QByteArrayView bytes);

struct Replaced
{
    enum Outcome { Written, Changed, Moved, Failed };
    Outcome outcome = Written;
    QString error;        // Failed: why
    bool removed = false; // Changed: there is no such file any more
    Fingerprint found;    // Changed: the file as it is now
    QByteArray bytes;     // Changed: and its bytes
    FolderId folder;      // the folder the name was found in
};
// Replaces the file with the bytes, followed by what it holds beyond the bytes it was read with
// (records appended since), on a line of its own. A file that no longer begins with them is left as
// it is (Changed); replacing it all the same means calling again with the fingerprint found. Given
// the folder the file was read from, a name whose folder was renamed or replaced since is left
// alone (Moved). A new file is written in the folder and renamed over the very name that was
// checked, so a failure or a crash leaves the old content whole. It waits for the file's lock as
// lockedfile.h says.
Replaced replaceKeepingAppended(const QString &fileName, const Fingerprint &read,
                                QByteArrayView bytes, const LockWait &wait = {},
                                const FolderId *readFrom = nullptr);
// The same for a file that is only ever written whole (the class file): anything but the very
// bytes it was read with, appended ones too, leaves it as it is (Changed).
Replaced replaceIfUnchanged(const QString &fileName, const Fingerprint &read, QByteArrayView bytes,
                            const LockWait &wait = {}, const FolderId *readFrom = nullptr);

// Writes a file whole, as an export from the program: a new file takes the name only when it is
// whole and only where nothing has it meanwhile; an existing one is replaced as the score files
// are, keeping who may change it. Links are followed by the score files' link rule and never to a
// file that does not exist. Empty, or the reason it failed, ready for a message.
QString writeWholeFile(const QString &fileName, QByteArrayView bytes);

} // namespace toolkit
