// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filerights.h"

#include "lockedfile_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <type_traits>
#include <vector>

#include <acl/libacl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/acl.h>
#include <unistd.h>

namespace toolkit::files {

namespace {

struct AclFree
{
    void operator()(void *acl) const { acl_free(acl); }
};
using Acl = std::unique_ptr<std::remove_pointer_t<acl_t>, AclFree>;

unsigned permOf(acl_entry_t entry)
{
    acl_permset_t set;
    acl_get_permset(entry, &set);
    return (acl_get_perm(set, ACL_READ) == 1 ? 4u : 0u) |
           (acl_get_perm(set, ACL_WRITE) == 1 ? 2u : 0u) |
           (acl_get_perm(set, ACL_EXECUTE) == 1 ? 1u : 0u);
}

void setPerm(acl_entry_t entry, unsigned perm)
{
    acl_permset_t set;
    acl_get_permset(entry, &set);
    acl_clear_perms(set);
    if (perm & 4)
        acl_add_perm(set, ACL_READ);
    if (perm & 2)
        acl_add_perm(set, ACL_WRITE);
    if (perm & 1)
        acl_add_perm(set, ACL_EXECUTE);
    acl_set_permset(entry, set);
}

// The entry with the tag (and, for a named user or group, the id), or null.
acl_entry_t entryOf(acl_t acl, acl_tag_t tag, id_t id = ACL_UNDEFINED_ID)
{
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1;
         which = ACL_NEXT_ENTRY) {
        acl_tag_t found;
        acl_get_tag_type(entry, &found);
        if (found != tag)
            continue;
        if (tag != ACL_USER && tag != ACL_GROUP)
            return entry;
        void *qualifier = acl_get_qualifier(entry);
        const bool same = qualifier && *static_cast<id_t *>(qualifier) == id;
        acl_free(qualifier);
        if (same)
            return entry;
    }
    return nullptr;
}

unsigned permOf(acl_t acl, acl_tag_t tag, unsigned otherwise = 7)
{
    const acl_entry_t entry = entryOf(acl, tag);
    return entry ? permOf(entry) : otherwise;
}

// Gives a user or group by name the rights it had by being the file's owner or group.
void name(Acl &acl, acl_tag_t tag, id_t id, unsigned perm)
{
    acl_t raw = acl.release();
    acl_entry_t named = entryOf(raw, tag, id);
    if (named) {
        setPerm(named, permOf(named) | perm);
    } else if (acl_create_entry(&raw, &named) == 0) {
        acl_set_tag_type(named, tag);
        acl_set_qualifier(named, &id);
        setPerm(named, perm);
    }
    acl_entry_t mask = entryOf(raw, ACL_MASK);
    if (!mask && acl_create_entry(&raw, &mask) == 0) {
        acl_set_tag_type(mask, ACL_MASK);
        setPerm(mask, permOf(raw, ACL_GROUP_OBJ));
    }
    if (mask)
        setPerm(mask, permOf(mask) | perm);
    acl.reset(raw);
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

// The write right a named user or group has under the ACL, the mask applied.
bool namedWrites(acl_t acl, acl_tag_t tag, id_t id)
{
    const acl_entry_t entry = entryOf(acl, tag, id);
    return entry && (permOf(entry) & permOf(acl, ACL_MASK) & 2);
}

} // namespace

bool writersKept(int from, const struct stat &old, int to, const struct stat &now)
{
    mode_t wanted = old.st_mode & 0022;
    if (now.st_uid == old.st_uid)
        wanted |= old.st_mode & 0200;
    if ((wanted & ~now.st_mode) != 0)
        return false;
    const Acl fromAcl(from >= 0 && acl_extended_fd(from) == 1 ? acl_get_fd(from) : nullptr);
    if (!fromAcl)
        return true;
    const Acl toAcl(acl_get_fd(to));
    if (!toAcl)
        return false;
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(fromAcl.get(), which, &entry) == 1;
         which = ACL_NEXT_ENTRY) {
        acl_tag_t tag;
        acl_get_tag_type(entry, &tag);
        if (tag != ACL_USER && tag != ACL_GROUP)
            continue;
        void *qualifier = acl_get_qualifier(entry);
        const id_t id = qualifier ? *static_cast<id_t *>(qualifier) : ACL_UNDEFINED_ID;
        acl_free(qualifier);
        if (namedWrites(fromAcl.get(), tag, id) && !namedWrites(toAcl.get(), tag, id))
            return false;
    }
    return true;
}

QString keepWhoMayChange(int from, const struct stat &old, int to, bool writeOnly)
{
    // Refused (EPERM) where this user may not give the file away, nor give it the old group.
    if (::fchown(to, old.st_uid, old.st_gid) != 0 && ::fchown(to, uid_t(-1), old.st_gid) != 0 &&
        errno != EPERM)
        return reasonOf(errno);
    const mode_t mode = old.st_mode & (writeOnly ? 07222 : 07777);
    struct stat now;
    if (::fstat(to, &now) != 0 || ::fchmod(to, mode) != 0)
        return reasonOf(errno);

    Acl acl(acl_get_fd(from));
    if (!acl) // a file system without ACLs: the mode says it all
        return errno == ENOTSUP ? QString() : reasonOf(errno);
    const bool extended = acl_extended_fd(from) == 1;
    const unsigned others = permOf(acl.get(), ACL_OTHER);
    const unsigned groupClass = permOf(acl.get(), ACL_GROUP_OBJ) & permOf(acl.get(), ACL_MASK);
    bool named = false;
    if (now.st_uid != old.st_uid) {
        const unsigned owner = permOf(acl.get(), ACL_USER_OBJ);
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
    if (writeOnly) {
        acl_entry_t entry;
        for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl.get(), which, &entry) == 1;
             which = ACL_NEXT_ENTRY)
            setPerm(entry, permOf(entry) & 2);
    }
    if (acl_set_fd(to, acl.get()) == 0)
        return {};
    if (named)
        return QCoreApplication::translate(
            "toolkit::files",
            "Saved by you, it could no longer be changed by everyone who can change it now.");
    return reasonOf(errno);
}

} // namespace toolkit::files
