// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The write-back's replace: it keeps what was appended since the file was read and who may change
// the file, never overwrites a changed file unasked, and leaves the old content whole on failure.
#include "filecheck.h"

#include "toolkit/files/replacefile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <fcntl.h>
#include <grp.h>

using namespace toolkit;

namespace {

// The size of the largest file the process holds open in the folder, -1 while it holds none.
qint64 sizeOfOpenFileIn(pid_t pid, const QString &folder)
{
    std::error_code error;
    qint64 largest = -1;
    const std::filesystem::path fds = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto &entry : std::filesystem::directory_iterator(fds, error)) {
        const auto target = std::filesystem::read_symlink(entry.path(), error);
        struct stat info;
        if (!error && QString::fromStdString(target.string()).startsWith(folder) &&
            ::stat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
            largest = std::max<qint64>(largest, info.st_size);
    }
    return largest;
}

} // namespace

class TestReplaceFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ignoreFileSizeSignal(); }
    void init() { m_folder.enter(); }
    void cleanup() { m_folder.leave(); }

    void theReplaceKeepsWhatWasAppended_data()
    {
        QTest::addColumn<QByteArray>("read");    // null: read as missing
        QTest::addColumn<QByteArray>("now");     // null: missing when written back
        QTest::addColumn<QByteArray>("written"); // null: left as it is

        const QByteArray old = "\"old\r\n\"\r\n";
        const QByteArray record = "\"rec\r\n\"\r\n";
        QTest::newRow("unchanged") << old << old << QByteArray("new");
        QTest::newRow("appended since") << old << old + record << "new\r\n" + record;
        QTest::newRow("first saved since") << QByteArray() << record << "new\r\n" + record;
        QTest::newRow("still missing") << QByteArray() << QByteArray() << QByteArray("new");
        QTest::newRow("rewritten") << old << QByteArray("\"odd\r\n\"\r\n") << QByteArray();
        QTest::newRow("shortened") << old << old.first(4) << QByteArray();
        QTest::newRow("removed") << old << QByteArray() << QByteArray();
    }
    void theReplaceKeepsWhatWasAppended()
    {
        QFETCH(QByteArray, read);
        QFETCH(QByteArray, now);
        QFETCH(QByteArray, written);
        if (!now.isNull())
            writeFile("Add.txt", now);

        const Fingerprint seen = read.isNull() ? Fingerprint() : fingerprintOf(read);
        const Replaced replaced = replaceKeepingAppended("Add.txt", seen, "new");
        if (!written.isNull()) {
            QCOMPARE(replaced.outcome, Replaced::Written);
            QCOMPARE(bytesOf("Add.txt"), written);
        } else {
            QCOMPARE(replaced.outcome, Replaced::Changed);
            QCOMPARE(replaced.removed, now.isNull());
            QCOMPARE(QFileInfo::exists("Add.txt"), !now.isNull());
            if (!now.isNull())
                QCOMPARE(bytesOf("Add.txt"), now);
            // Replacing all the same, knowing the file as it was found.
            QCOMPARE(replaceKeepingAppended("Add.txt", replaced.found, "new").outcome,
                     Replaced::Written);
            QCOMPARE(bytesOf("Add.txt"), "new");
        }
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({".Add.txt.lock", "Add.txt"}));
    }

    void theReplaceWritesThroughALinkOrLeavesTheOldWhole()
    {
        writeFile("real.txt", "old");
        QVERIFY(QFile::link("real.txt", "Add.txt"));
        QCOMPARE(replaceKeepingAppended("Add.txt", fingerprintOf("old"), "new").outcome,
                 Replaced::Written);
        QVERIFY(QFileInfo("Add.txt").isSymLink());
        QCOMPARE(bytesOf("real.txt"), "new");

        Replaced replaced;
        {
            const FileSizeLimit limit(10);
            replaced =
                replaceKeepingAppended("Add.txt", fingerprintOf("new"), QByteArray(100, 'n'));
        }
        QCOMPARE(replaced.outcome, Replaced::Failed);
        QCOMPARE(replaced.error, QStringLiteral("File too large"));
        QCOMPARE(bytesOf("real.txt"), "new");
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList({".real.txt.lock", "Add.txt", "real.txt"}));
    }

    // The new file put in the old one's place keeps who may change it. Another user cannot give it
    // to the old owner or, outside the group, to the old group: those who could change it still
    // can, through the ACL where the mode no longer lets them.
    void theReplaceKeepsWhoMayChangeTheFile_data()
    {
        QTest::addColumn<uint>("writer");
        QTest::addColumn<QList<uint>>("groups");
        QTest::addColumn<QByteArray>("acl"); // the file's, besides its mode
        QTest::addColumn<uint>("owner");
        QTest::addColumn<uint>("group");
        QTest::newRow("root keeps owner, group, mode and ACL")
            << 0u << QList<uint>{0} << aclNaming(Stranger) << Teacher << Class;
        QTest::newRow("a pupil of the class keeps group and mode")
            << Pupil << QList<uint>{PupilsOwn, Class} << QByteArray() << Pupil << Class;
        QTest::newRow("a pupil the ACL names, not of the class")
            << Pupil << QList<uint>{PupilsOwn} << aclNaming(Pupil) << Pupil << PupilsOwn;
    }
    void theReplaceKeepsWhoMayChangeTheFile()
    {
        QFETCH(uint, writer);
        QFETCH(QList<uint>, groups);
        QFETCH(QByteArray, acl);
        QFETCH(uint, owner);
        QFETCH(uint, group);
        if (::geteuid() != 0)
            QSKIP("Files of other users are made by root");
        QCOMPARE(::chmod(".", 0777), 0);
        writeFile("Add.txt", "old");
        QCOMPARE(::chown("Add.txt", Teacher, Class), 0);
        QCOMPARE(::chmod("Add.txt", 0664), 0);
        if (!acl.isEmpty())
            QCOMPARE(::setxattr("Add.txt", "system.posix_acl_access", acl.data(), acl.size(), 0),
                     0);
        const auto whoCanChange = [&] {
            QList<uint> can;
            for (const auto &[user, theirs] : QList<QPair<uint, QList<uint>>>{
                     {Teacher, {Teacher}},
                     {Pupil, writer == Pupil ? groups : QList<uint>{PupilsOwn}},
                     {OtherPupil, {OtherPupil, Class}},
                     {Stranger, {Stranger}}}) {
                if (asUser(user, theirs, [] { return ::open("Add.txt", O_WRONLY) >= 0; }))
                    can.append(user);
            }
            return can;
        };
        const QList<uint> before = whoCanChange();

        QVERIFY(asUser(writer, groups, [] {
            return replaceKeepingAppended("Add.txt", fingerprintOf("old"), "new").outcome ==
                   Replaced::Written;
        }));
        QCOMPARE(bytesOf("Add.txt"), "new");
        struct stat info;
        QCOMPARE(::stat("Add.txt", &info), 0);
        QCOMPARE(info.st_uid, owner);
        QCOMPARE(info.st_gid, group);
        QCOMPARE(info.st_mode & 07777, 0664u);
        QCOMPARE(whoCanChange(), before);
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden),
                 QStringList({".Add.txt.lock", "Add.txt"}));
    }

    void aWriterKilledMidWayLeavesTheOldContentWhole()
    {
        const QByteArray old = "\"old record\r\n\"\r\n";
        writeFile("Add.txt", old);
        const QByteArray fresh(128 * 1024 * 1024, 'n');

        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            replaceKeepingAppended("Add.txt", fingerprintOf(old), fresh);
            _exit(0);
        }
        // Killed once the new content has begun to reach the disk, and before all of it has.
        qint64 seen = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            seen = sizeOfOpenFileIn(child, QDir::currentPath());
            if (seen > old.size() && seen < fresh.size()) {
                kill(child, SIGKILL);
                break;
            }
            if (waitpid(child, nullptr, WNOHANG) == child)
                QFAIL("the writer finished before it could be killed");
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status), qPrintable(QString::number(seen)));

        QCOMPARE(bytesOf("Add.txt"), old);
    }

private:
    ScratchFolder m_folder;
};

QTEST_GUILESS_MAIN(TestReplaceFile)
#include "tst_replacefile.moc"
