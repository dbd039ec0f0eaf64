// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing test files, what is not a plain file in a score file's place, a limit on
// file sizes that makes writes fail as on a full disk (CI runs as root, so permission bits alone
// stop no write), and a watchdog for calls that must not hang.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

inline QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every byte value, line ends among them.
inline QByteArray allBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}

inline void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Files may grow no larger than this while it lives. A suite using it calls
// toolkit::ignoreFileSizeSignal() first, as the program does at start, so writes fail with EFBIG
// instead of the process ending.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_old); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
};

// Stops the process rather than letting a call that should return at once hang the test.
class Watchdog
{
public:
    explicit Watchdog(unsigned seconds) { alarm(seconds); }
    ~Watchdog() { alarm(0); }
};

// Puts what is not a plain file under the name: "pipe", "device" (a link to /dev/zero) or
// "folder".
inline bool makeOddFile(const QString &kind, const QString &name)
{
    const QByteArray path = QFile::encodeName(name);
    if (kind == u"pipe")
        return mkfifo(path.constData(), 0666) == 0;
    if (kind == u"device")
        return symlink("/dev/zero", path.constData()) == 0;
    return QDir().mkdir(name);
}

// Each test case runs in an empty folder of its own, made the current directory, as the score
// files are named relative to it.
class ScratchFolder
{
public:
    ScratchFolder() = default;
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    // A test that stops at a failed comparison leaves the folder all the same.
    ~ScratchFolder()
    {
        if (m_dir)
            leave();
    }

    void enter()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void leave()
    {
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

// An access ACL, as the file system stores it, that lets the user read and write besides the mode
// rw-rw-r--.
inline QByteArray aclNaming(quint32 user)
{
    const quint32 entries[][3] = {
        {1, 6, ~0u}, {2, 6, user}, {4, 6, ~0u}, {16, 6, ~0u}, {32, 4, ~0u}};
    QByteArray bytes("\x02\0\0\0", 4);
    for (const auto &[tag, perm, id] : entries) {
        const quint16 tagAndPerm[2] = {quint16(tag), quint16(perm)};
        bytes.append(reinterpret_cast<const char *>(tagAndPerm), 4);
        bytes.append(reinterpret_cast<const char *>(&id), 4);
    }
    return bytes;
}

// A class folder's accounts, by number alone: the teacher's file in the class's group; pupils
// have groups of their own.
constexpr uint Teacher = 4242, Class = 4343, Pupil = 4244, PupilsOwn = 4344, OtherPupil = 4245,
               Stranger = 4246;

// Whether the call succeeds in a child process run as the user, in the groups, the first its own.
inline bool asUser(uint user, const QList<uint> &groups, const std::function<bool()> &call)
{
    const pid_t child = fork();
    if (child == 0) {
        const std::vector<gid_t> ids(groups.begin(), groups.end());
        _exit(::setgroups(ids.size(), ids.data()) == 0 && ::setgid(ids[0]) == 0 &&
                      ::setuid(user) == 0 && call()
                  ? 0
                  : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
