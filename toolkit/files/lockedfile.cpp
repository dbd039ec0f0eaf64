// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lockedfile.h"

#include "filerights.h"
#include "lockedfile_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace toolkit {

using namespace files;

namespace files {

namespace {

constexpr qint64 Chunk = 1024 * 1024;
// Another copy of the program holds the lock for one save or one write-back, well under this: how
// long a call given no wait of its own waits.
constexpr int LockWaitMs = 5000;
// Links followed one after another before giving up, as the system gives up on a loop.
constexpr int MostLinks = 8;

QString tr(const char *text)
{
    return QCoreApplication::translate("toolkit::files", text);
}

QString notAFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return tr("It is a folder, not a file.");
    if (S_ISFIFO(mode))
        return tr("It is a named pipe, not a file.");
    if (S_ISSOCK(mode))
        return tr("It is a socket, not a file.");
    return tr("It is a device, not a file.");
}

QString userName(uid_t user)
{
    std::vector<char> buffer(16384);
    passwd entry;
    passwd *found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(user);
}

mode_t processUmask()
{
    // Read, not set and set back: another thread creating a file meanwhile would get no umask.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    return 022;
}

// Where the name leads by the link rule: a link is followed only where its maker is this user or
// owns the folder it is in, as the system's own rule for shared sticky folders has it.
struct Found
{
    Descriptor folder;
    struct stat folderInfo = {};
    QByteArray name;
    struct stat info = {};
    bool exists = false;
    bool throughLink = false;
    QString error;
};

Found follow(Descriptor folder, QByteArray name)
{
    Found found;
    for (int links = 0;; ++links) {
        found.folder = std::move(folder);
        found.name = name;
        if (::fstat(found.folder.get(), &found.folderInfo) != 0) {
            found.error = reasonOf(errno);
            return found;
        }
        if (::fstatat(found.folder.get(), name.constData(), &found.info, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno != ENOENT)
                found.error = reasonOf(errno);
            return found;
        }
        found.exists = true;
        if (!S_ISLNK(found.info.st_mode)) {
            if (!S_ISREG(found.info.st_mode))
                found.error = notAFile(found.info.st_mode);
            return found;
        }
        found.exists = false;
        found.throughLink = true;
        const uid_t maker = found.info.st_uid;
        if (maker != ::geteuid() && maker != found.folderInfo.st_uid) {
            found.error = tr("It is a symbolic link made by another user (%1): it is not "
                             "followed.")
                              .arg(userName(maker));
            return found;
        }
        // The folder's owner could have made any file in their folder, and no other.
        const bool withinFolder = maker != ::geteuid();
        if (links == MostLinks) {
            found.error = reasonOf(ELOOP);
            return found;
        }
        QByteArray target(4096, Qt::Uninitialized);
        const ssize_t size =
            ::readlinkat(found.folder.get(), name.constData(), target.data(), target.size());
        if (size < 0 || size == target.size()) {
            found.error = reasonOf(size < 0 ? errno : ENAMETOOLONG);
            return found;
        }
        target.truncate(size);
        const qsizetype slash = target.lastIndexOf('/');
        name = target.mid(slash + 1);
        if (name.isEmpty() || name == "." || name == "..") {
            found.error = notAFile(S_IFDIR);
            return found;
        }
        if (slash >= 0) {
            const QByteArray path = slash == 0 ? QByteArray("/") : target.left(slash);
            folder = Descriptor(
                ::openat(found.folder.get(), path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (folder.get() < 0) {
                found.error = reasonOf(errno);
                return found;
            }
        } else {
            folder = std::move(found.folder);
        }
        struct stat next;
        if (withinFolder &&
            (::fstat(folder.get(), &next) != 0 || next.st_dev != found.folderInfo.st_dev ||
             next.st_ino != found.folderInfo.st_ino)) {
            found.error = tr("It is a symbolic link made by the folder's owner (%1) to a file in "
                             "another folder: it is not followed.")
                              .arg(userName(maker));
            return found;
        }
    }
}

// Takes the flock(2) lock, calling giveUp while another program holds it. Empty, or why not.
QString lock(int fd, int kind, const std::function<bool()> &giveUp)
{
    while (::flock(fd, kind | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return reasonOf(errno);
        if (giveUp())
            return tr("Another program is using the file. Try again in a moment.");
    }
    return {};
}

// Gives the lock the score file's rights to write and none to read, or those a new score file
// gets where there is none yet.
void giveLockItsRights(int lock, const Found &found, int scores)
{
    if (found.exists && scores >= 0) {
        keepWhoMayChange(scores, found.info, lock, true);
    } else {
        struct stat info;
        if (::fstat(lock, &info) == 0)
            ::fchmod(lock, newFileMode(found.folderInfo, info.st_gid) & 0222);
    }
}

struct LockFile
{
    Descriptor fd;
    bool partial = false; // some who may write the scores cannot open it
};

// The lock beside the file, which only those who may write the scores can open: nobody who may
// only read them can hold a save back. It is made whole, with its rights, before it takes its
// name, so a kill never leaves a lock that some writers cannot open; one left so by other means
// (an ACL given later) is mended by its owner when writing, and until then its holders take the
// score file's lock too. Only a file this program made is ever a lock: a link to another file
// under its name is refused. Null where this user may not open or make it.
LockFile openLockFile(const Found &found, bool create, QString &error, bool mend = false)
{
    const QByteArray name = '.' + found.name + ".lock";
    const QString shown = QFile::decodeName(name);
    const int flags = O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const Descriptor scores(found.exists ? ::openat(found.folder.get(), found.name.constData(),
                                                    O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                                         : -1);
    LockFile lock{Descriptor(::openat(found.folder.get(), name.constData(), flags))};
    if (lock.fd.get() < 0 && errno == ENOENT && create) {
        NewFile made(found.folder.get(), found.name);
        if (made.get() >= 0) {
            giveLockItsRights(made.get(), found, scores.get());
            if (made.place(name) == 0)
                lock.fd = Descriptor(::fcntl(made.get(), F_DUPFD_CLOEXEC, 0));
        }
        if (lock.fd.get() < 0) // made meanwhile by another, or this user may not make it
            lock.fd = Descriptor(::openat(found.folder.get(), name.constData(), flags));
    }
    if (lock.fd.get() < 0) {
        if (errno == ELOOP)
            error = tr("The lock file \"%1\" is a symbolic link. Ask the folder's owner to "
                       "remove it.")
                        .arg(shown);
        return {};
    }
    struct stat info;
    if (::fstat(lock.fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = tr("The lock file \"%1\" is not a file. Ask the folder's owner to remove it.")
                    .arg(shown);
        return {};
    }
    if (info.st_nlink != 1 ||
        (found.exists && info.st_dev == found.info.st_dev && info.st_ino == found.info.st_ino)) {
        error = tr("The lock file \"%1\" is another name of a file. Ask the folder's owner to "
                   "remove it.")
                    .arg(shown);
        return {};
    }
    // Mended or not, this write takes the score file's lock too: a writer who could not open the
    // lock a moment ago may hold that one now.
    if (found.exists && !writersKept(scores.get(), found.info, lock.fd.get(), info)) {
        // Never by a reader, who takes no lock on the score file: a writer who could not open
        // the lock may be appending to it right now.
        if (mend && info.st_uid == ::geteuid()) {
            giveLockItsRights(lock.fd.get(), found, scores.get());
            ::fstat(lock.fd.get(), &info);
        }
        lock.partial = true;
    }
    // Made readable elsewhere: a reader who could open it could hold the writers back.
    if ((info.st_mode & 0444) && info.st_uid == ::geteuid())
        ::fchmod(lock.fd.get(), info.st_mode & 07333);
    return lock;
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

mode_t newFileMode(const struct stat &folder, gid_t fileGroup)
{
    const mode_t mode = 0666 & ~processUmask();
    return fileGroup == folder.st_gid && (folder.st_mode & S_IWGRP) ? mode | 0060 : mode;
}

QByteArray leftoverPrefix(const QByteArray &name)
{
    return '.' + name + ".new-";
}

void removeLeftovers(int folder, const QByteArray &name)
{
    const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR *entries = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!entries) {
        if (copy >= 0)
            ::close(copy);
        return;
    }
    const QByteArray prefix = leftoverPrefix(name);
    while (const dirent *entry = ::readdir(entries)) {
        if (QByteArrayView(entry->d_name).startsWith(prefix))
            ::unlinkat(folder, entry->d_name, 0); // a folder by that name is no leftover: kept
    }
    ::closedir(entries);
}

NewFile::NewFile(int folder, const QByteArray &name)
    : m_folder(folder)
    , m_prefix(leftoverPrefix(name))
{
    if (::access("/proc/self/fd", X_OK) == 0)
        m_fd = Descriptor(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (m_fd.get() >= 0)
        return;
    do {
        m_name = freshName();
        m_fd = Descriptor(::openat(folder, m_name.constData(),
                                   O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600));
    } while (m_fd.get() < 0 && errno == EEXIST);
    if (m_fd.get() < 0)
        m_name.clear();
}

NewFile::~NewFile()
{
    if (!m_name.isEmpty())
        ::unlinkat(m_folder, m_name.constData(), 0);
}

QByteArray NewFile::freshName() const
{
    return m_prefix + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

int NewFile::named()
{
    while (m_name.isEmpty()) {
        const QByteArray fresh = freshName();
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd.get());
        if (::linkat(AT_FDCWD, self.constData(), m_folder, fresh.constData(), AT_SYMLINK_FOLLOW) ==
            0)
            m_name = fresh;
        else if (errno != EEXIST)
            return errno;
    }
    return 0;
}

int NewFile::replace(const QByteArray &name)
{
    if (const int error = named())
        return error;
    if (::renameat(m_folder, m_name.constData(), m_folder, name.constData()) != 0)
        return errno;
    m_name.clear();
    return 0;
}

int NewFile::place(const QByteArray &name)
{
    if (m_name.isEmpty()) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd.get());
        return ::linkat(AT_FDCWD, self.constData(), m_folder, name.constData(),
                        AT_SYMLINK_FOLLOW) == 0
                   ? 0
                   : errno;
    }
    if (::linkat(m_folder, m_name.constData(), m_folder, name.constData(), 0) != 0)
        return errno;
    return 0; // the leftover name goes with this
}

Locked openLocked(const QString &fileName, Access access, const LockWait &wait,
                  const FolderId *expected)
{
    const QByteArray path = QFile::encodeName(fileName);
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folderPath = slash < 0 ? "." : slash == 0 ? "/" : path.left(slash);
    const QDeadlineTimer deadline(LockWaitMs);
    const auto giveUp = [&] {
        if (wait)
            return !wait();
        QThread::msleep(2);
        return deadline.hasExpired();
    };

    for (;;) {
        Locked file;
        Descriptor named(::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat namedInfo;
        if (named.get() < 0 || ::fstat(named.get(), &namedInfo) != 0) {
            file.error =
                errno == ENOENT
                    ? tr("Its folder \"%1\" is no longer there.").arg(QFile::decodeName(folderPath))
                    : reasonOf(errno);
            return file;
        }
        file.named = {namedInfo.st_dev, namedInfo.st_ino};
        if (expected && file.named != *expected) {
            file.moved = true;
            return file;
        }
        Found found = follow(std::move(named), path.mid(slash + 1));
        if (!found.error.isEmpty()) {
            file.error = found.error;
            return file;
        }
        if (!found.exists && found.throughLink && access != Access::Read) {
            file.error = tr("It is a symbolic link to a file that does not exist: nothing is "
                            "created through it.");
            return file;
        }

        QString lockError;
        LockFile lockFile =
            openLockFile(found, access == Access::Append || access == Access::Replace, lockError,
                         access != Access::Read);
        file.lock = std::move(lockFile.fd);
        // A reader goes on without a lock that is none, as without one it may not open.
        if (!lockError.isEmpty() && access != Access::Read) {
            file.error = lockError;
            return file;
        }
        if (file.lock.get() >= 0) {
            file.error = lock(file.lock.get(), access == Access::Read ? LOCK_SH : LOCK_EX, giveUp);
            if (!file.error.isEmpty())
                return file;
        }

        int flags = (access == Access::Append ? O_RDWR | O_APPEND : O_RDONLY) | O_NOFOLLOW |
                    O_NONBLOCK | O_CLOEXEC;
        if (access == Access::Append && !found.exists)
            flags |= O_CREAT | O_EXCL;
        file.fd = Descriptor(::openat(found.folder.get(), found.name.constData(), flags, 0666));
        if (file.fd.get() < 0) {
            if (errno == ENOENT && access != Access::Append) {
                file.missing = true;
                file.folder = std::move(found.folder);
                file.name = found.name;
                return file;
            }
            // The name came to stand for a link or another file since it was looked at.
            if (errno == ELOOP || errno == EEXIST || errno == ENOENT) {
                if (giveUp()) {
                    file.error = tr("The file keeps being replaced. Try again in a moment.");
                    return file;
                }
                continue;
            }
            file.error = reasonOf(errno);
            return file;
        }
        file.created = (flags & O_CREAT) != 0;
        if (::fstat(file.fd.get(), &file.info) != 0) {
            file.error = reasonOf(errno);
            return file;
        }
        if (!S_ISREG(file.info.st_mode)) {
            file.error = notAFile(file.info.st_mode);
            return file;
        }
        if (file.created) {
            const mode_t mode = newFileMode(found.folderInfo, file.info.st_gid);
            if ((file.info.st_mode & 0777) != mode && ::fchmod(file.fd.get(), mode) == 0)
                file.info.st_mode = (file.info.st_mode & ~0777) | mode;
        }
        // Without a lock file of its own (a folder this user may not write), the file itself is
        // locked, as copies without one do; so is it while some writers cannot open the lock.
        if ((file.lock.get() < 0 || lockFile.partial) && access != Access::Read) {
            file.error = lock(file.fd.get(), LOCK_EX, giveUp);
            if (!file.error.isEmpty())
                return file;
            // Its owner may have mended the lock file meanwhile: then it is taken first, as all
            // who can open it take it, so that no two writers wait for each other's lock.
            QString ignored;
            if (file.lock.get() < 0 && access != Access::Export &&
                openLockFile(found, false, ignored).fd.get() >= 0)
                continue;
            // A write-back may have put another file in its place before the lock was had.
            struct stat named;
            if (::fstatat(found.folder.get(), found.name.constData(), &named,
                          AT_SYMLINK_NOFOLLOW) != 0 ||
                named.st_dev != file.info.st_dev || named.st_ino != file.info.st_ino) {
                if (giveUp()) {
                    file.error = tr("The file keeps being replaced. Try again in a moment.");
                    return file;
                }
                continue;
            }
            // Its size as it is now: another writer may have added to it while this one waited.
            if (::fstat(file.fd.get(), &file.info) != 0) {
                file.error = reasonOf(errno);
                return file;
            }
        }
        // A reader who holds such a lock waits for those who locked the score file, as writers
        // do, so as not to read half a record.
        if (access == Access::Read && lockFile.partial) {
            file.error = lock(file.fd.get(), LOCK_SH, giveUp);
            if (!file.error.isEmpty())
                return file;
            if (::fstat(file.fd.get(), &file.info) != 0) {
                file.error = reasonOf(errno);
                return file;
            }
        }
        file.folder = std::move(found.folder);
        file.name = found.name;
        return file;
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

} // namespace files

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

QString appendLine(const QString &fileName, QByteArrayView bytes, const LockWait &wait)
{
    const Locked file = openLocked(fileName, Access::Append, wait);
    if (!file.error.isEmpty())
        return file.error;
    removeLeftovers(file.folder.get(), file.name);
    const int fd = file.fd.get();
    const off_t before = file.info.st_size;
    char last = '\n';
    int error = before > 0 && ::pread(fd, &last, 1, before - 1) != 1 ? (errno ? errno : EIO) : 0;
    // One write: a kill between a line end and the record would leave the line end alone.
    if (!error)
        error = writeAll(fd, last != '\n' && last != '\r' ? "\r\n" + bytes.toByteArray() : bytes);
    if (!error && ::fdatasync(fd) != 0)
        error = errno;
    if (error) {
        // Every writer waits for the lock, so the bytes past this size are this write's own.
        if (::ftruncate(fd, before) != 0)
            return QCoreApplication::translate("toolkit::files",
                                               "%1 (and the part written stays in the file: %2)")
                .arg(reasonOf(error), reasonOf(errno));
        return reasonOf(error);
    }
    if (file.created) // its name reaches the disk with the folder
        ::fsync(file.folder.get());
    return {};
}

ReadBytes readBytes(const QString &fileName, qint64 limit, const LockWait &wait, Beyond beyond)
{
    ReadBytes read;
    const Locked file = openLocked(fileName, Access::Read, wait);
    read.missing = file.missing;
    read.error = file.error;
    read.folder = file.named;
    read.owner = file.info.st_uid;
    read.mode = file.info.st_mode;
    if (file.missing || !file.error.isEmpty())
        return read;

    // One byte past the limit tells a file above it, whatever size it claims.
    read.bytes.reserve(std::min<qint64>(file.info.st_size, limit) + 1);
    const int error = readPieces(file.fd.get(), 0, -1, [&](QByteArrayView piece) {
        read.bytes.append(
            piece.first(std::min<qint64>(piece.size(), limit + 1 - read.bytes.size())));
        return read.bytes.size() > limit ? EFBIG : 0;
    });
    if (error == EFBIG && beyond == Beyond::KeepFirst) {
        read.tooLarge = true;
        read.bytes.truncate(limit);
    } else if (error) {
        read.error = error == EFBIG ? QCoreApplication::translate("toolkit::files",
                                                                  "It is larger than %1 bytes.")
                                          .arg(limit)
                                    : reasonOf(error);
        read.tooLarge = error == EFBIG;
        read.bytes.clear();
    }
    return read;
}

} // namespace toolkit
