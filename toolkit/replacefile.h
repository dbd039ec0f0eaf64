// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A file replaced whole by new bytes, as the score viewer writes back what it shows: it keeps what
// was appended since the file was read and who may change it, and never overwrites a file changed
// elsewhere unasked.
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
// It waits for the file's lock as lockedfile.h says.
Replaced replaceKeepingAppended(const QString &fileName, const Fingerprint &read,
                                QByteArrayView bytes, const LockWait &wait = {});

} // namespace toolkit
