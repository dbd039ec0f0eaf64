// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replacefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
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

constexpr auto DigestKind = QCryptographicHash::Blake2b_256;

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

} // namespace

Fingerprint fingerprintOf(QByteArrayView bytes)
{
    return {bytes.size(), QCryptographicHash::hash(bytes, DigestKind)};
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
