// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfile.h"

#include <QCoreApplication>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include <endian.h>
#include <fcntl.h>
#include <grp.h>
#include <linux/posix_acl.h>
#include <linux/posix_acl_xattr.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace toolkit {

namespace {

// The code page from 0x80 to 0x9F. The five bytes it leaves undefined (81, 8D, 8F, 90, 9D) are
// read as the C1 controls of the same value, and so written back as the same byte.
constexpr char16_t HighRow[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte the code page holds the character as, or -1.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto high = std::find(std::begin(HighRow), std::end(HighRow), c);
    return high != std::end(HighRow) ? int(0x80 + (high - std::begin(HighRow))) : -1;
}

// How many code units the character at i takes: a character outside the plane is one character.
qsizetype lengthAt(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

constexpr auto DigestKind = QCryptographicHash::Blake2b_256;
constexpr qint64 Chunk = 1024 * 1024;
// Another copy of the program holds the lock for one save or one write-back, well under this: how
// long a call given no wait of its own waits.
constexpr int LockWaitMs = 5000;

QString reasonOf(int error)
{
    return qt_error_string(error);
}

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
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
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

// Opens the file the name stands for and locks it. Should the name come to stand for another file
// while the lock is awaited (a write-back renamed a new one over it, or it was removed), the new
// one is opened instead: bytes written to the old one would be lost with it. Opening never waits,
// not even for a pipe's other end, and anything but a regular file is refused.
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

// Zero, or the error that stopped the writing.
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

// Passes the file's bytes from an offset to the end, a piece at a time, to the consumer, which
// returns zero or the error that stops it. Zero, or the first error.
template<class Consumer>
int readPieces(int fd, qint64 from, qint64 to, Consumer consume)
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

Replaced failed(const QString &error)
{
    Replaced replaced;
    replaced.outcome = Replaced::Failed;
    replaced.error = error;
    return replaced;
}

Replaced changed(Fingerprint found, bool removed = false)
{
    Replaced replaced;
    replaced.outcome = Replaced::Changed;
    replaced.removed = removed;
    replaced.found = std::move(found);
    return replaced;
}

Replaced changedFile(int fd, qint64 size)
{
    const auto [digest, error] = digestOf(fd, size);
    if (error)
        return failed(reasonOf(error));
    return changed({size, digest});
}

// Who may change a file, as its access ACL says; a file without one has the three entries of its
// mode.
struct AclEntry
{
    std::uint16_t tag;
    std::uint16_t perm;
    std::uint32_t id = ACL_UNDEFINED_ID;
};
using Acl = std::vector<AclEntry>;
constexpr char AclAttribute[] = "system.posix_acl_access";

// The file's ACL, and whether it has one beyond its mode.
std::pair<Acl, bool> aclOf(int fd, mode_t mode)
{
    QByteArray bytes(4096, Qt::Uninitialized);
    const ssize_t size = ::fgetxattr(fd, AclAttribute, bytes.data(), size_t(bytes.size()));
    if (size <= ssize_t(sizeof(posix_acl_xattr_header)))
        return {{{ACL_USER_OBJ, std::uint16_t((mode >> 6) & 7)},
                 {ACL_GROUP_OBJ, std::uint16_t((mode >> 3) & 7)},
                 {ACL_OTHER, std::uint16_t(mode & 7)}},
                false};
    Acl acl;
    for (ssize_t at = sizeof(posix_acl_xattr_header);
         at + ssize_t(sizeof(posix_acl_xattr_entry)) <= size; at += sizeof(posix_acl_xattr_entry)) {
        posix_acl_xattr_entry entry;
        std::memcpy(&entry, bytes.constData() + at, sizeof entry);
        acl.push_back({le16toh(entry.e_tag), le16toh(entry.e_perm), le32toh(entry.e_id)});
    }
    return {acl, true};
}

QByteArray bytesOf(Acl acl)
{
    std::sort(acl.begin(), acl.end(), [](const AclEntry &a, const AclEntry &b) {
        return std::tie(a.tag, a.id) < std::tie(b.tag, b.id);
    });
    const posix_acl_xattr_header header{htole32(POSIX_ACL_XATTR_VERSION)};
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    for (const AclEntry &entry : acl) {
        const posix_acl_xattr_entry stored{htole16(entry.tag), htole16(entry.perm),
                                           htole32(entry.id)};
        bytes.append(reinterpret_cast<const char *>(&stored), sizeof stored);
    }
    return bytes;
}

AclEntry *entryOf(Acl &acl, std::uint16_t tag, std::uint32_t id = ACL_UNDEFINED_ID)
{
    const auto found = std::find_if(acl.begin(), acl.end(), [&](const AclEntry &entry) {
        return entry.tag == tag && entry.id == id;
    });
    return found != acl.end() ? &*found : nullptr;
}

// Gives a user or group by name the rights it had by being the file's owner or group.
void name(Acl &acl, std::uint16_t tag, std::uint32_t id, std::uint16_t perm)
{
    if (AclEntry *named = entryOf(acl, tag, id))
        named->perm |= perm;
    else
        acl.push_back({tag, perm, id});
    if (!entryOf(acl, ACL_MASK))
        acl.push_back({ACL_MASK, entryOf(acl, ACL_GROUP_OBJ)->perm});
    entryOf(acl, ACL_MASK)->perm |= perm;
}

bool isMember(uid_t user, gid_t group)
{
    std::vector<char> buffer(16384);
    passwd entry;
    passwd *found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false; // nobody known by that number belongs to any group
    int count = 64;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    if (::getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0) {
        groups.resize(size_t(count));
        ::getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count);
    }
    groups.resize(size_t(std::max(count, 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

// Gives the new file the old one's owner, group, mode and ACL, as far as this user may: only root
// gives a file away, and only a member of a group gives it that group. An owner or group not kept
// is named in the ACL with the rights it had, where it would not keep them otherwise, so that all
// who could change the file still can. Empty, or why the file would lose one of them.
QString keepWhoMayChange(int from, const struct stat &old, int to)
{
    // Refused (EPERM) where this user may not give the file away, nor give it the old group.
    if (::fchown(to, old.st_uid, old.st_gid) != 0 && ::fchown(to, uid_t(-1), old.st_gid) != 0 &&
        errno != EPERM)
        return reasonOf(errno);
    struct stat now;
    if (::fstat(to, &now) != 0 || ::fchmod(to, old.st_mode & 07777) != 0)
        return reasonOf(errno);

    auto [acl, extended] = aclOf(from, old.st_mode);
    const std::uint16_t others = entryOf(acl, ACL_OTHER)->perm;
    const AclEntry *mask = entryOf(acl, ACL_MASK);
    const std::uint16_t groupClass = entryOf(acl, ACL_GROUP_OBJ)->perm & (mask ? mask->perm : 7);
    bool named = false;
    if (now.st_uid != old.st_uid) {
        const std::uint16_t owner = entryOf(acl, ACL_USER_OBJ)->perm;
        const bool ownerInGroup = now.st_gid == old.st_gid && isMember(old.st_uid, old.st_gid);
        if (owner & ~(others | (ownerInGroup ? groupClass : 0))) {
            name(acl, ACL_USER, old.st_uid, owner);
            named = true;
        }
    }
    if (now.st_gid != old.st_gid && (groupClass & ~others)) {
        name(acl, ACL_GROUP, old.st_gid, groupClass);
        named = true;
    }
    if (!extended && !named)
        return {};
    const QByteArray bytes = bytesOf(acl);
    if (::fsetxattr(to, AclAttribute, bytes.constData(), size_t(bytes.size()), 0) == 0)
        return {};
    if (named)
        return QCoreApplication::translate(
            "toolkit::TextFile",
            "Saved by you, it could no longer be changed by everyone who can change it now.");
    return reasonOf(errno);
}

// A new file's name reaches the disk with its folder. Some file systems cannot sync a folder; the
// file's own bytes are on the disk by then, so that is no reason to fail.
void syncFolderOf(const QString &fileName)
{
    const QString folder = QFileInfo(QFileInfo(fileName).canonicalFilePath()).absolutePath();
    const Descriptor fd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

} // namespace

QByteArray encode(QStringView text)
{
    // By table rather than through the system's converter, which leaves out invisible characters
    // and a high surrogate at the end without a trace instead of writing '?' for them.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); i += lengthAt(text, i)) {
        const int byte = byteOf(text[i].unicode());
        bytes += byte < 0 ? '?' : char(byte);
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? HighRow[byte - 0x80] : char16_t(byte);
    }
    return text;
}

QStringList unencodable(QStringView text)
{
    QStringList found;
    QSet<QStringView> seen;
    for (qsizetype i = 0; i < text.size(); i += lengthAt(text, i)) {
        if (byteOf(text[i].unicode()) >= 0)
            continue;
        const QStringView character = text.sliced(i, lengthAt(text, i));
        if (!seen.contains(character)) {
            seen.insert(character);
            found.append(character.toString());
        }
    }
    return found;
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

Fingerprint fingerprintOf(QByteArrayView bytes)
{
    return {bytes.size(), QCryptographicHash::hash(bytes, DigestKind)};
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

QString appendText(const QString &fileName, QStringView text, const LockWait &wait)
{
    return appendBytes(fileName, encode(text), wait);
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
        return read;
    }
    read.fingerprint = fingerprintOf(read.bytes);
    return read;
}

Replaced replaceKeepingAppended(const QString &fileName, const Fingerprint &read,
                                QByteArrayView bytes, const LockWait &wait)
{
    // A file read as empty may be missing: creating it takes the lock against a save creating it.
    const Opened file =
        openLocked(fileName, read.size == 0 ? O_RDONLY | O_CREAT : O_RDONLY, LOCK_EX, wait);
    if (file.missing)
        return changed(fingerprintOf({}), true);
    if (!file.error.isEmpty())
        return failed(file.error);
    const int fd = file.fd.get();
    const qint64 size = file.info.st_size;

    if (size < read.size)
        return changedFile(fd, size);
    if (read.size > 0) { // every file begins with no bytes
        const auto [begins, readError] = digestOf(fd, read.size);
        if (readError)
            return failed(reasonOf(readError));
        if (begins != read.digest)
            return changedFile(fd, size);
    }

    QSaveFile out(fileName);
    // Unbuffered, so that every write is checked here: Qt 6.4's commit() does not check the flush
    // it makes on closing, and would rename a cut-off file over the old one.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(out.errorString());
    if (const QString lost = keepWhoMayChange(fd, file.info, out.handle()); !lost.isEmpty()) {
        out.cancelWriting();
        return failed(lost);
    }
    int error = writeAll(out.handle(), bytes);
    if (!error) // what was appended since it was read
        error = readPieces(fd, read.size, size,
                           [&](QByteArrayView piece) { return writeAll(out.handle(), piece); });
    if (!error && ::fdatasync(out.handle()) != 0)
        error = errno;
    if (error) {
        out.cancelWriting();
        return failed(reasonOf(error));
    }
    if (!out.commit())
        return failed(out.errorString());
    syncFolderOf(fileName);
    return {};
}

} // namespace toolkit
