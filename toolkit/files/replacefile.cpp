// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacefile.h"

#include "filerights.h"
#include "lockedfile_p.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace toolkit {

using namespace files;

namespace {

constexpr auto DigestKind = QCryptographicHash::Blake2b_256;
// The most of a file changed elsewhere that is read to show what it holds.
constexpr qint64 LargestChanged = qint64(64) * 1024 * 1024;

Replaced failed(const QString &error)
{
    Replaced replaced;
    replaced.outcome = Replaced::Failed;
    replaced.error = error;
    return replaced;
}

// The digest of the file's first bytes, or the error that stopped the reading.
std::pair<QByteArray, int> digestOf(int fd, qint64 size)
{
    QCryptographicHash hash(DigestKind);
    const int error = readPieces(fd, 0, size, [&](QByteArrayView piece) {
        hash.addData(piece);
        return 0;
    });
    return {hash.result(), error};
}

Replaced changedFile(int fd, qint64 size)
{
    Replaced replaced;
    replaced.outcome = Replaced::Changed;
    if (fd < 0) {
        replaced.removed = true;
        replaced.found = fingerprintOf({});
        return replaced;
    }
    if (size > LargestChanged)
        return failed(QCoreApplication::translate("toolkit::files",
                                                  "It was changed elsewhere and is now larger "
                                                  "than %1 bytes.")
                          .arg(LargestChanged));
    replaced.bytes.reserve(size);
    if (const int error = readPieces(fd, 0, size, [&](QByteArrayView piece) {
            replaced.bytes.append(piece);
            return 0;
        }))
        return failed(reasonOf(error));
    replaced.found = fingerprintOf(replaced.bytes);
    return replaced;
}

Replaced replace(const Locked &file, const Fingerprint &read, QByteArrayView bytes,
                 bool keepAppended = true)
{
    const int fd = file.fd.get(); // none where the file is missing
    const qint64 size = file.missing ? 0 : file.info.st_size;
    if (size < read.size || (!keepAppended && size != read.size))
        return changedFile(fd, size);
    if (read.size > 0) { // every file begins with no bytes
        const auto [begins, readError] = digestOf(fd, read.size);
        if (readError)
            return failed(reasonOf(readError));
        if (begins != read.digest)
            return changedFile(fd, size);
    }

    removeLeftovers(file.folder.get(), file.name);
    NewFile out(file.folder.get(), file.name);
    if (out.get() < 0)
        return failed(reasonOf(errno));
    if (file.missing) {
        struct stat folder, made;
        if (::fstat(file.folder.get(), &folder) != 0 || ::fstat(out.get(), &made) != 0 ||
            ::fchmod(out.get(), newFileMode(folder, made.st_gid)) != 0)
            return failed(reasonOf(errno));
    } else if (const QString lost = keepWhoMayChange(fd, file.info, out.get()); !lost.isEmpty()) {
        return failed(lost);
    }
    int error = writeAll(out.get(), bytes);
    if (!error && size > read.size) { // what was appended since it was read, on a line of its own
        char next = '\n';
        if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r' &&
            ::pread(fd, &next, 1, read.size) == 1 && next != '\n' && next != '\r')
            error = writeAll(out.get(), "\r\n");
        if (!error)
            error = readPieces(fd, read.size, size,
                               [&](QByteArrayView piece) { return writeAll(out.get(), piece); });
    }
    if (!error && ::fdatasync(out.get()) != 0)
        error = errno;
    if (!error)
        error = out.replace(file.name);
    if (error)
        return failed(reasonOf(error));
    ::fsync(file.folder.get()); // some file systems cannot: the bytes are on the disk already
    return {};
}

} // namespace

Fingerprint fingerprintOf(QByteArrayView bytes)
{
    return {bytes.size(), QCryptographicHash::hash(bytes, DigestKind)};
}

namespace {

Replaced replaceFile(const QString &fileName, const Fingerprint &read, QByteArrayView bytes,
                     const LockWait &wait, const FolderId *readFrom, bool keepAppended)
{
    const Locked file = openLocked(fileName, Access::Replace, wait, readFrom);
    if (file.moved) {
        Replaced moved;
        moved.outcome = Replaced::Moved;
        return moved;
    }
    if (!file.error.isEmpty())
        return failed(file.error);
    Replaced replaced = replace(file, read, bytes, keepAppended);
    replaced.folder = file.named;
    return replaced;
}

} // namespace

Replaced replaceKeepingAppended(const QString &fileName, const Fingerprint &read,
                                QByteArrayView bytes, const LockWait &wait,
                                const FolderId *readFrom)
{
    return replaceFile(fileName, read, bytes, wait, readFrom, true);
}

Replaced replaceIfUnchanged(const QString &fileName, const Fingerprint &read, QByteArrayView bytes,
                            const LockWait &wait, const FolderId *readFrom)
{
    return replaceFile(fileName, read, bytes, wait, readFrom, false);
}

QString writeWholeFile(const QString &fileName, QByteArrayView bytes)
{
    const Locked file = openLocked(fileName, Access::Export, {});
    if (!file.error.isEmpty())
        return file.error;
    if (!file.missing) {
        const auto [digest, error] = digestOf(file.fd.get(), file.info.st_size);
        if (error)
            return reasonOf(error);
        const Replaced replaced = replace(file, {file.info.st_size, digest}, bytes);
        if (replaced.outcome == Replaced::Changed) // between the two reads
            return QCoreApplication::translate("toolkit::files",
                                               "Another program changed it meanwhile. Try again "
                                               "in a moment.");
        return replaced.error;
    }
    NewFile out(file.folder.get(), file.name);
    struct stat folder, made;
    if (out.get() < 0 || ::fstat(file.folder.get(), &folder) != 0 ||
        ::fstat(out.get(), &made) != 0 ||
        ::fchmod(out.get(), newFileMode(folder, made.st_gid)) != 0)
        return reasonOf(errno);
    int error = writeAll(out.get(), bytes);
    if (!error && ::fdatasync(out.get()) != 0)
        error = errno;
    if (!error)
        error = out.place(file.name);
    if (error == EEXIST)
        return QCoreApplication::translate("toolkit::files",
                                           "Another program made a file by that name meanwhile. "
                                           "Try again in a moment.");
    if (error)
        return reasonOf(error);
    ::fsync(file.folder.get());
    return {};
}

} // namespace toolkit
