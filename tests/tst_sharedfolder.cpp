// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A class folder that several accounts share: links another account planted, a link swapped in
// while a write-back runs, the first save of a class, and a reader holding locks. Accounts other
// than the tester's own are only to be had as root, as CI runs.
#include "filecheck.h"

#include "toolkit/files/lockedfile.h"
#include "toolkit/files/replacefile.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/xattr.h>

using namespace toolkit;

namespace {

// Gives up a wait after about 100 ms: a lock that holds longer is a failure here.
LockWait briefly()
{
    return [tries = 0]() mutable {
        QThread::msleep(2);
        return ++tries < 50;
    };
}

bool plantLink(const char *target, const char *name, uid_t maker)
{
    return ::symlink(target, name) == 0 && ::lchown(name, maker, maker) == 0;
}

} // namespace

class TestSharedFolder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ignoreFileSizeSignal(); }
    void init()
    {
        if (::geteuid() != 0)
            QSKIP("Files of other accounts are made by root");
        // The teacher's folder, which the class's group may write in, its files in the group.
        m_folder.enter();
        QCOMPARE(::chown(".", Teacher, Class), 0);
        QCOMPARE(::chmod(".", 02775), 0);
    }
    void cleanup() { m_folder.leave(); }

    // A link is followed only where its maker could have written the file themselves: the person
    // running Sumbrook anywhere, the folder's owner in that folder alone (so a teacher saving in a
    // pupil's folder never reaches the teacher's own files). Nothing is created through a dangling
    // link.
    void aLinkIsFollowedOnlyForItsMaker_data()
    {
        QTest::addColumn<uint>("maker");
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("target");
        const QList<std::tuple<const char *, uint, const char *>> makers = {
            {"mine", 0, "home/diary.txt"},
            {"the folder owner's, in the folder", Teacher, "diary.txt"},
            {"the folder owner's, elsewhere", Teacher, "home/diary.txt"},
            {"another pupil's", Pupil, "diary.txt"}};
        for (const char *operation : {"save", "display", "write-back", "export"}) {
            for (const auto &[whose, maker, target] : makers)
                QTest::addRow("%s link, %s", whose, operation)
                    << maker << false << operation << target;
            QTest::addRow("my dangling link, %s", operation)
                << 0u << true << operation << "home/diary.txt";
        }
    }
    void aLinkIsFollowedOnlyForItsMaker()
    {
        QFETCH(uint, maker);
        QFETCH(bool, dangling);
        QFETCH(QString, operation);
        QFETCH(QString, target);
        QVERIFY(QDir().mkdir("home"));
        const QByteArray diary = "diary\r\n";
        if (!dangling)
            writeFile(target, diary);
        QVERIFY(plantLink(QFile::encodeName(target), "Add.txt", maker));
        const bool followed = maker == 0 || (maker == Teacher && !target.contains(u'/'));
        const QString said =
            maker == Pupil ? "It is a symbolic link made by another user (4244): it is not "
                             "followed."
            : !followed    ? "It is a symbolic link made by the folder's owner (4242) to a file in "
                             "another folder: it is not followed."
            : dangling && operation != "display"
                ? "It is a symbolic link to a file that does not exist: nothing is created "
                  "through it."
                : QString();
        QString error;
        QByteArray written = "new\r\n";
        if (operation == "save") {
            error = appendLine("Add.txt", "rec\r\n");
            written = diary + "rec\r\n";
        } else if (operation == "export") {
            error = writeWholeFile("Add.txt", "new\r\n");
        } else if (operation == "display") {
            const ReadBytes read = readBytes("Add.txt", 1000);
            error = read.error;
            written = diary;
            QCOMPARE(read.bytes, followed && !dangling ? diary : QByteArray());
            QCOMPARE(read.missing, dangling);
        } else {
            const Replaced replaced =
                replaceKeepingAppended("Add.txt", fingerprintOf(dangling ? "" : diary), "new\r\n");
            error = replaced.error;
            QCOMPARE(replaced.outcome,
                     followed && !dangling ? Replaced::Written : Replaced::Failed);
        }
        QCOMPARE(error, said);
        QVERIFY(QFileInfo("Add.txt").isSymLink());
        QCOMPARE(bytesOf(target), dangling ? "(unreadable)" : followed ? written : diary);
    }

    // Another pupil waits for the write-back to hold the lock, then renames a link to the
    // teacher's file over the score file: the write-back writes the score file's name or
    // refuses the link, never the link's target.
    void aLinkSwappedInDuringAWriteBackIsNeverWritten()
    {
        writeFile("grades.csv", "grades");
        QCOMPARE(::chmod("grades.csv", 0600), 0);
        const QByteArray scores(1024 * 1024, 's');
        int swapped = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            QFile::remove("Add.txt");
            writeFile("Add.txt", scores);
            QVERIFY(plantLink("grades.csv", "planted", Pupil));
            const pid_t pupil = fork();
            if (pupil == 0) {
                for (int polls = 0; polls < 200000; ++polls) {
                    const int lock = ::open(".Add.txt.lock", O_WRONLY | O_CLOEXEC);
                    const bool held =
                        lock >= 0 && ::flock(lock, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
                    if (lock >= 0)
                        ::close(lock);
                    if (held)
                        _exit(::rename("planted", "Add.txt") == 0 ? 0 : 1);
                }
                _exit(1);
            }
            const Replaced replaced =
                replaceKeepingAppended("Add.txt", fingerprintOf(scores), "teacher's text");
            int status = 0;
            QCOMPARE(::waitpid(pupil, &status, 0), pupil);
            swapped += WIFEXITED(status) && WEXITSTATUS(status) == 0;
            QVERIFY2(replaced.outcome == Replaced::Written ||
                         replaced.error.contains("made by another user"),
                     qPrintable(replaced.error));
            QCOMPARE(bytesOf("grades.csv"), "grades");
            struct stat grades;
            QCOMPARE(::stat("grades.csv", &grades), 0);
            QCOMPARE(grades.st_mode & 07777, 0600u);
            QFile::remove("planted");
        }
        QVERIFY2(swapped > 0, "the link was never swapped in while the lock was held");
    }

    // In a setgid folder of the class, under the usual umask 022, the first pupil's save leaves a
    // file every pupil of the class can save into; the lock beside it is theirs alone.
    void theFirstSaveLetsTheWholeClassSave()
    {
        const auto save = [](const char *record) {
            return [record] {
                ::umask(022);
                return appendLine("Add.txt", record).isEmpty();
            };
        };
        QVERIFY(asUser(Pupil, {PupilsOwn, Class}, save("first\r\n")));
        QVERIFY(asUser(OtherPupil, {OtherPupil, Class}, save("second\r\n")));
        QVERIFY(asUser(Teacher, {Teacher, Class}, save("third\r\n")));
        QCOMPARE(bytesOf("Add.txt"), "first\r\nsecond\r\nthird\r\n");
        struct stat info;
        QCOMPARE(::stat("Add.txt", &info), 0);
        QCOMPARE(info.st_mode & 07777, 0664u);
        QCOMPARE(info.st_gid, Class);
        QCOMPARE(::stat(".Add.txt.lock", &info), 0);
        QCOMPARE(info.st_mode & 07777, 0220u);
        QVERIFY(
            !asUser(Stranger, {Stranger}, [] { return ::open(".Add.txt.lock", O_RDONLY) >= 0; }));
    }

    // A pupil puts another name of a file where the lock goes: the score file itself, or another
    // file of the teacher's. Saves and write-backs refuse it and say what to do; a reader reads
    // without it; neither file's rights nor bytes change.
    void aLockFileThatIsNoLockIsRefused_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("operation");
        for (const char *lock : {"Add.txt", "grades.csv"}) {
            for (const char *operation : {"save", "display", "write-back"})
                QTest::addRow("a hard link to %s, %s", lock, operation) << lock << operation;
        }
    }
    void aLockFileThatIsNoLockIsRefused()
    {
        QFETCH(QString, lock);
        QFETCH(QString, operation);
        writeFile("Add.txt", "old\r\n");
        writeFile("grades.csv", "grades");
        QCOMPARE(::chown("Add.txt", Teacher, Class), 0);
        QCOMPARE(::chmod("Add.txt", 0664), 0);
        QCOMPARE(::chown("grades.csv", Teacher, Teacher), 0);
        QCOMPARE(::chmod("grades.csv", 0600), 0);
        QCOMPARE(::link(QFile::encodeName(lock).constData(), ".Add.txt.lock"), 0);

        const bool done = asUser(Teacher, {Teacher, Class}, [&] {
            const QString refused = "The lock file \".Add.txt.lock\" is another name of a file. "
                                    "Ask the folder's owner to remove it.";
            if (operation == "save")
                return appendLine("Add.txt", "rec\r\n") == refused;
            if (operation == "display")
                return readBytes("Add.txt", 1000).bytes == "old\r\n";
            return replaceKeepingAppended("Add.txt", fingerprintOf("old\r\n"), "new\r\n").error ==
                   refused;
        });
        QVERIFY(done);
        QCOMPARE(bytesOf("Add.txt"), "old\r\n");
        QCOMPARE(bytesOf("grades.csv"), "grades");
        struct stat info;
        QCOMPARE(::stat("Add.txt", &info), 0);
        QCOMPARE(info.st_mode & 07777, 0664u);
        QCOMPARE(::stat("grades.csv", &info), 0);
        QCOMPARE(info.st_mode & 07777, 0600u);
    }

    // A lock that some writers cannot open (an ACL given to the score file after the lock was
    // made) is mended by its owner at the next write; until then, those who hold it take the
    // score file's lock too, as those who cannot open it do, so no two writers hold different
    // locks.
    void everyWriterTakesTheSameLock()
    {
        writeFile("Add.txt", "old\r\n");
        QCOMPARE(::chown("Add.txt", Teacher, Class), 0);
        QCOMPARE(::chmod("Add.txt", 0664), 0);
        QVERIFY(asUser(Teacher, {Teacher, Class},
                       [] { return appendLine("Add.txt", "a\r\n").isEmpty(); }));
        // The stranger may now write the scores, but not yet open the lock.
        const QByteArray acl = aclNaming(Stranger);
        QCOMPARE(::setxattr("Add.txt", "system.posix_acl_access", acl.data(), acl.size(), 0), 0);
        const auto strangerHoldsTheScores = [] {
            const int fd = ::open("Add.txt", O_WRONLY);
            return fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && (::sleep(2), true);
        };
        const pid_t stranger = fork();
        if (stranger == 0)
            _exit(asUser(Stranger, {Stranger}, strangerHoldsTheScores) ? 0 : 1);
        QThread::msleep(300);
        // A pupil holds the lock file and waits for the stranger's lock on the scores.
        const bool pupilWaited = asUser(Pupil, {PupilsOwn, Class}, [] {
            return appendLine("Add.txt", "b\r\n", briefly()).contains("Another program");
        });
        int status = 0;
        QCOMPARE(::waitpid(stranger, &status, 0), stranger);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(pupilWaited);
        // The lock's owner mends it: the stranger opens it from then on.
        QVERIFY(asUser(Teacher, {Teacher, Class},
                       [] { return appendLine("Add.txt", "c\r\n").isEmpty(); }));
        QVERIFY(
            asUser(Stranger, {Stranger}, [] { return ::open(".Add.txt.lock", O_WRONLY) >= 0; }));
        QCOMPARE(bytesOf("Add.txt"), "old\r\na\r\nc\r\n");
    }

    // Someone who may only read the scores takes every lock a read-only descriptor allows and
    // holds it: saves and write-backs go on regardless.
    void aReaderCannotHoldWritersBack_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::newRow("flock on the scores") << "flock";
        QTest::newRow("a POSIX read lock") << "posix";
        QTest::newRow("an open file description's read lock") << "ofd";
        QTest::newRow("any lock on the lock file") << "lock file";
    }
    void aReaderCannotHoldWritersBack()
    {
        QFETCH(QString, lock);
        writeFile("Add.txt", "old\r\n");
        QCOMPARE(::chmod("Add.txt", 0664), 0);
        QVERIFY(appendLine("Add.txt", "mine\r\n").isEmpty()); // makes the lock file

        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t reader = fork();
        if (reader == 0) {
            bool held = false;
            if (::setgid(Stranger) == 0 && ::setuid(Stranger) == 0) {
                const int fd = ::open(lock == "lock file" ? ".Add.txt.lock" : "Add.txt", O_RDONLY);
                struct flock range = {};
                range.l_type = F_RDLCK;
                held = fd >= 0 && (lock == "posix" ? ::fcntl(fd, F_SETLK, &range) == 0
                                   : lock == "ofd" ? ::fcntl(fd, F_OFD_SETLK, &range) == 0
                                                   : ::flock(fd, LOCK_EX) == 0);
            }
            const char said = held ? 'h' : 'n';
            [[maybe_unused]] const ssize_t written = ::write(ready[1], &said, 1);
            ::sleep(30);
            _exit(0);
        }
        char said = 0;
        QCOMPARE(::read(ready[0], &said, 1), ssize_t(1));
        ::close(ready[0]);
        ::close(ready[1]);
        // The lock file cannot even be opened by a reader.
        QCOMPARE(said, lock == "lock file" ? 'n' : 'h');

        const QString saved = appendLine("Add.txt", "again\r\n", briefly());
        const Replaced replaced = replaceKeepingAppended(
            "Add.txt", fingerprintOf("old\r\nmine\r\nagain\r\n"), "new\r\n", briefly());
        ::kill(reader, SIGKILL);
        ::waitpid(reader, nullptr, 0);
        QCOMPARE(saved, QString());
        QCOMPARE(replaced.outcome, Replaced::Written);
        QCOMPARE(bytesOf("Add.txt"), "new\r\n");
    }

private:
    ScratchFolder m_folder;
};

QTEST_GUILESS_MAIN(TestSharedFolder)
#include "tst_sharedfolder.moc"
