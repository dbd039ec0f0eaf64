// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the locked reads, appends and replaces share: a score file found in its folder by the
// link rule, opened there under its lock, and the plain system calls around it.
#pragma once

#include "lockedfile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <utility>

#include <sys/stat.h>

namespace toolkit::files {

// An open file or folder, closed (and so unlocked) when it goes.
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

enum class Access {
    Read,    // the file as it is, if there is one; the lock shared, where the reader may take it
    Append,  // created where missing
    Replace, // to be renamed over: only read here
    Export,  // as Replace, but no lock file is made for it
};

// A score file, found and locked. Everything after works relative to the folder and the name in
// it that were checked, never by looking the whole name up again.
struct Locked
{
    Descriptor folder; // the folder the file is in, once links are followed
    QByteArray name;   // its name in that folder
    Descriptor lock;   // held until this goes
    Descriptor fd;     // none when missing
    struct stat info = {};
    bool missing = false;
    bool created = false;
    bool moved = false; // the folder the name was given in is not the one expected
    FolderId named;     // the folder the name was given in
    QString error;
};

// Finds the file by the link rule, takes its lock and opens it. Waiting for the lock calls the
// wait given, or waits up to five seconds. Given an expected folder, a name whose folder is now
// another one is not even opened (moved).
Locked openLocked(const QString &fileName, Access access, const LockWait &wait,
                  const FolderId *expected = nullptr);

// The mode a new score file gets in the folder: the process's, and writable by the folder's group
// where that group may write the folder.
mode_t newFileMode(const struct stat &folder, gid_t fileGroup);

// A file's new content, made in the folder: unnamed until it is whole where the system allows,
// so that only a kill between naming it and giving it its name can leave it behind (under the
// leftover prefix, which the next write removes).
class NewFile
{
public:
    NewFile(int folder, const QByteArray &name);
    ~NewFile();
    int get() const { return m_fd.get(); }
    // Takes the name's place, whatever stands there now. Zero, or the error that kept it out.
    int replace(const QByteArray &name);
    // Takes the name only where nothing has it (EEXIST otherwise). Zero, or the error.
    int place(const QByteArray &name);

private:
    int named(); // gives it a leftover name, where it has none
    QByteArray freshName() const;

    int m_folder;
    QByteArray m_prefix;
    QByteArray m_name; // once it has one
    Descriptor m_fd;
};

// Removes what a write-back killed between naming its new file and renaming it left behind.
void removeLeftovers(int folder, const QByteArray &name);
QByteArray leftoverPrefix(const QByteArray &name);

// The system's words for an errno value.
QString reasonOf(int error);

// Zero, or the error that stopped the writing.
int writeAll(int fd, QByteArrayView bytes);

// Passes the file's bytes from an offset to another (or to the end, given -1), a piece at a time,
// to the consumer, which returns zero or the error that stops it. Zero, or the first error.
int readPieces(int fd, qint64 from, qint64 to, const std::function<int(QByteArrayView)> &consume);

} // namespace toolkit::files
