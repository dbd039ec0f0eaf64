// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Text files in the Windows-1252 code page, the score files' single-byte text: encoding, appending
// that leaves nothing half-written, a bounded read, and a replace that keeps what others appended.
// Every write holds an exclusive lock on the file itself and reaches the disk before it counts.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace toolkit {

// A character the code page cannot hold becomes '?'.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// The characters that encode() would turn into '?', each once, in the order they first appear.
QStringList unencodable(QStringView text);

// A write past the process's file size limit then fails with an error instead of ending the
// program before it could take its bytes back. The program calls it once at start.
void ignoreFileSizeSignal();

// Bytes as read from a file, known by their count and digest rather than kept.
struct Fingerprint
{
    qint64 size = 0;
    QByteArray digest;
    friend bool operator==(const Fingerprint &, const Fingerprint &) = default;
};
Fingerprint fingerprintOf(QByteArrayView bytes);

// Each function returns an empty string on success, or the reason it failed, ready for a message.
// Each waits while another program holds the file's lock: it calls the wait given, which waits a
// moment and says whether to go on waiting, or, given none, waits up to five seconds.
using LockWait = std::function<bool()>;

// Appends to the end without reading what is there; a missing file is created. A write that fails
// part-way is cut off again, back to the size the file had just before it.
QString appendBytes(const QString &fileName, QByteArrayView bytes, const LockWait &wait = {});
QString appendText(const QString &fileName, QStringView text, const LockWait &wait = {});

struct ReadBytes
{
    QByteArray bytes;
    Fingerprint fingerprint; // of the bytes
    bool missing = false;    // no such file: not an error, there are no bytes
    bool tooLarge = false;   // beyond the limit, and so not read
    QString error;
};
// Reads no more than the limit allows, whatever size the file claims.
ReadBytes readBytes(const QString &fileName, qint64 limit, const LockWait &wait = {});

struct Replaced
{
    enum Outcome { Written, Changed, Failed };
    Outcome outcome = Written;
    QString error;        // Failed: why
    bool removed = false; // Changed: there is no such file any more
    Fingerprint found;    // Changed: the file as it is now
};
// Replaces the file with the bytes, followed by what it holds beyond the bytes it was read with
// (records appended since). A file that no longer begins with them is left as it is (Changed);
// replacing it all the same means calling again with the fingerprint found. A new file is written
// beside the old one and renamed over it, so a failure or a crash leaves the old content whole.
Replaced replaceKeepingAppended(const QString &fileName, const Fingerprint &read,
                                QByteArrayView bytes, const LockWait &wait = {});

} // namespace toolkit
