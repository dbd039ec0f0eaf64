// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lockedfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace toolkit {

namespace {

constexpr qint64 Chunk = 1024 * 1024;
// Another copy of the program holds the lock for one save or one write-back, well under this: how
// long a call given no wait of its own waits.
constexpr int LockWaitMs = 5000;

QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("toolkit::TextFile", "It is a folder, not a file.");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("toolkit::TextFile", "It is a named pipe, not a file.");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("toolkit::TextFile", "It is a socket, not a file.");
    return QCoreApplication::translate("toolkit::TextFile", "It is a device, not a file.");
}

} // namespace

Descriptor::~Descriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString reasonOf(int error)
{
    return qt_error_string(error);
}

Opened openLocked(const QString &fileName, int flags, int lock, const LockWait &wait)
{
    const QByteArray path = QFile::encodeName(fileName);
    const QDeadlineTimer deadline(LockWaitMs);
    const auto giveUp = [&] {
        if (wait)
            return !wait();
        QThread::msleep(2);
        return deadline.hasExpired();
    };
    for (;;) {
        Opened file;
        // A device is not even opened: opening some of them does something.
        struct stat atPath;
        if (::stat(path.constData(), &atPath) == 0 && !S_ISREG(atPath.st_mode)) {
            file.error = notAFile(atPath.st_mode);
            return file;
        }
        file.fd = Descriptor(::open(path.constData(), flags | O_NONBLOCK | O_CLOEXEC, 0666));
        const int fd = file.fd.get();
        if (fd < 0) {
            if (errno == ENOENT && !(flags & O_CREAT))
                file.missing = true;
            else
                file.error = reasonOf(errno);
            return file;
        }
        if (::fstat(fd, &file.info) != 0) {
            file.error = reasonOf(errno);
            return file;
        }
        if (!S_ISREG(file.info.st_mode)) {
            file.error = notAFile(file.info.st_mode);
            return file;
        }
        while (::flock(fd, lock | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                file.error = reasonOf(errno);
                return file;
            }
            if (giveUp()) {
                file.error = QCoreApplication::translate(
                    "toolkit::TextFile",
                    "Another program is using the file. Try again in a moment.");
                return file;
            }
        }
        if (::stat(path.constData(), &atPath) == 0 && atPath.st_dev == file.info.st_dev &&
            atPath.st_ino == file.info.st_ino) {
            if (::fstat(fd, &file.info) != 0)
                file.error = reasonOf(errno);
            return file;
        }
        if (giveUp()) {
            file.error = QCoreApplication::translate(
                "toolkit::TextFile", "The file keeps being replaced. Try again in a moment.");
            return file;
        }
    }
}

int writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes = bytes.sliced(written);
    }
    return 0;
}

int readPieces(int fd, qint64 from, qint64 to, const std::function<int(QByteArrayView)> &consume)
{
    QByteArray piece(Chunk, Qt::Uninitialized);
    while (to < 0 || from < to) {
        const qint64 wanted = to < 0 ? Chunk : std::min(Chunk, to - from);
        const ssize_t got = ::pread(fd, piece.data(), size_t(wanted), from);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return to < 0 ? 0 : EIO; // shorter than it said under the lock
        if (const int error = consume(QByteArrayView(piece.constData(), got)))
            return error;
        from += got;
    }
    return 0;
}

// Some file systems cannot sync a folder; the file's own bytes are on the disk by then, so that is
// no reason to fail.
void syncFolderOf(const QString &fileName)
{
    const QString folder = QFileInfo(QFileInfo(fileName).canonicalFilePath()).absolutePath();
    const Descriptor fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

QString appendBytes(const QString &fileName, QByteArrayView bytes, const LockWait &wait)
{
    Opened file = openLocked(fileName, O_WRONLY | O_APPEND, LOCK_EX, wait);
    const bool created = file.missing;
    if (created)
        file = openLocked(fileName, O_WRONLY | O_APPEND | O_CREAT, LOCK_EX, wait);
    if (!file.error.isEmpty())
        return file.error;
    const int fd = file.fd.get();
    const off_t before = file.info.st_size;
    int error = writeAll(fd, bytes);
    if (!error && ::fdatasync(fd) != 0)
        error = errno;
    if (error) {
        // Every writer waits for the lock, so the bytes past this size are this write's own.
        if (::ftruncate(fd, before) != 0)
            return QCoreApplication::translate("toolkit::TextFile",
                                               "%1 (and the part written stays in the file: %2)")
                .arg(reasonOf(error), reasonOf(errno));
        return reasonOf(error);
    }
    if (created) // its name reaches the disk with the folder
        syncFolderOf(fileName);
    return {};
}

ReadBytes readBytes(const QString &fileName, qint64 limit, const LockWait &wait)
{
    ReadBytes read;
    const Opened file = openLocked(fileName, O_RDONLY, LOCK_SH, wait);
    read.missing = file.missing;
    read.error = file.error;
    if (file.missing || !file.error.isEmpty())
        return read;

    // One byte past the limit tells a file above it, whatever size it claims.
    read.bytes.reserve(std::min<qint64>(file.info.st_size, limit) + 1);
    const int error = readPieces(file.fd.get(), 0, -1, [&](QByteArrayView piece) {
        read.bytes.append(
            piece.first(std::min<qint64>(piece.size(), limit + 1 - read.bytes.size())));
        return read.bytes.size() > limit ? EFBIG : 0;
    });
    if (error) {
        read.error = error == EFBIG ? QCoreApplication::translate("toolkit::TextFile",
                                                                  "It is larger than %1 bytes.")
                                          .arg(limit)
                                    : reasonOf(error);
        read.tooLarge = error == EFBIG;
        read.bytes.clear();
    }
    return read;
}

} // namespace toolkit
