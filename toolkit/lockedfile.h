// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Score files as bytes on a POSIX file system, each open under a lock on the file itself:
// appending that leaves nothing half-written, a bounded read, and the pieces a replacing write
// builds on. Only regular files are opened, and every write reaches the disk before it counts.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <utility>

#include <sys/stat.h>

namespace toolkit {

// A write past the process's file size limit then fails with an error instead of ending the
// program before it could take its bytes back. The program calls it once at start.
void ignoreFileSizeSignal();

// Each function returns an empty string on success, or the reason it failed, ready for a message.
// Each waits while another program holds the file's lock: it calls the wait given, which waits a
// moment and says whether to go on waiting, or, given none, waits up to five seconds.
using LockWait = std::function<bool()>;

// Appends to the end without reading what is there; a missing file is created. A write that fails
// part-way is cut off again, back to the size the file had just before it.
QString appendBytes(const QString &fileName, QByteArrayView bytes, const LockWait &wait = {});

struct ReadBytes
{
    QByteArray bytes;
    bool missing = false;  // no such file: not an error, there are no bytes
    bool tooLarge = false; // beyond the limit, and so not read
    QString error;
};
// Reads no more than the limit allows, whatever size the file claims.
ReadBytes readBytes(const QString &fileName, qint64 limit, const LockWait &wait = {});

// An open file, closed (and so unlocked) when it goes.
class Descriptor
{
public:
    Descriptor() = default;
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    Descriptor(Descriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Descriptor();
    int get() const { return m_fd; }

private:
    int m_fd = -1;
};

struct Opened
{
    Descriptor fd;
    struct stat info = {}; // taken under the lock
    bool missing = false;  // only when the flags create no file
    QString error;
};

// Opens the file the name stands for with the open(2) flags and takes the flock(2) lock, waiting
// while another program holds it. Should the name come to stand for another file meanwhile, that
// one is opened instead. Opening never waits, not even for a pipe's other end, and anything but a
// regular file is refused.
Opened openLocked(const QString &fileName, int flags, int lock, const LockWait &wait);

// The system's words for an errno value.
QString reasonOf(int error);

// Zero, or the error that stopped the writing.
int writeAll(int fd, QByteArrayView bytes);

// Passes the file's bytes from an offset to another (or to the end, given -1), a piece at a time,
// to the consumer, which returns zero or the error that stops it. Zero, or the first error.
int readPieces(int fd, qint64 from, qint64 to, const std::function<int(QByteArrayView)> &consume);

// Has a new file's name reach the disk with its folder.
void syncFolderOf(const QString &fileName);

} // namespace toolkit
