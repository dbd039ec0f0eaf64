// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 text files: the code page both ways, appending that takes back only its own bytes
// under a file size limit and waits for another copy's lock, the bounded read, what is not a
// plain file, and the replace that keeps what was appended and never overwrites a changed file.
#include "filecheck.h"

#include "toolkit/textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <fcntl.h>
#include <grp.h>

using namespace toolkit;

namespace {

// The most these tests read of a file, as the score viewer does with its own limit.
constexpr qint64 Limit = 12 * 1024 * 1024;

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

bool ignoresFileSizeSignal(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression ignored(QStringLiteral("SigIgn:\\s*([0-9a-f]+)"));
    const auto match = ignored.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() && (match.captured(1).toULongLong(nullptr, 16) >> (SIGXFSZ - 1)) & 1;
}

// Whether the call succeeds in a child process run as the user, in the groups, the first its own.
bool asUser(uint user, const QList<uint> &groups, const std::function<bool()> &call)
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

// A class folder: the teacher's file in the class's group; pupils have groups of their own.
constexpr uint Teacher = 4242, Class = 4343, Pupil = 4244, PupilsOwn = 4344, OtherPupil = 4245,
               Stranger = 4246;

// An access ACL, as the file system stores it, that lets the user read and write besides the mode
// rw-rw-r--.
QByteArray aclNaming(quint32 user)
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

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ignoreFileSizeSignal(); }
    void init() { m_folder.enter(); }
    void cleanup() { m_folder.leave(); }

    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lost"); // what the user is told of
        QTest::newRow("code page letters")
            << QString::fromUtf8("é€“") << QByteArray("\xe9\x80\x93") << QStringList();
        QTest::newRow("outside the code page, twice")
            << QString::fromUtf8("aŁbŁ") << QByteArray("a?b?") << QStringList{"Ł"};
        QTest::newRow("outside the plane")
            << QString::fromUtf8("x😀y字") << QByteArray("x?y?")
            << QStringList{QString::fromUtf8("😀"), QString::fromUtf8("字")};
        QTest::newRow("own SUB beside a substitute")
            << QString::fromUtf8("\x1aŁ\x1a") << QByteArray("\x1a?\x1a") << QStringList{"Ł"};
        QTest::newRow("no-break space")
            << QString(QChar(0xA0)) << QByteArray("\xa0") << QStringList();
        QTest::newRow("a lone high surrogate at the end")
            << (QStringLiteral("a") + QChar(0xD800)) << QByteArray("a?")
            << QStringList{QString(QChar(0xD800))};
        QTest::newRow("a zero-width space")
            << QStringLiteral("a\u200Bb") << QByteArray("a?b") << QStringList{"\u200B"};
    }
    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lost);
        QCOMPARE(encode(text), bytes);
        QCOMPARE(unencodable(text), lost);
    }

    void everyByteSurvivesARoundTrip()
    {
        // The five bytes the code page leaves undefined among them.
        QCOMPARE(encode(decode(allBytes())), allBytes());
        QCOMPARE(decode("\x80\x93\xe9"), QString::fromUtf8("€“é"));
    }

    void appendCreatesAndKeepsEarlierContent()
    {
        QVERIFY(appendText("Add.txt", QStringLiteral("one\r\n")).isEmpty());
        QCOMPARE(bytesOf("Add.txt"), "one\r\n");

        const QByteArray earlier = allBytes() + "\r no line end";
        writeFile("Sub.txt", earlier);
        QVERIFY(appendText("Sub.txt", QString::fromUtf8("Łx\r\n")).isEmpty());
        QCOMPARE(bytesOf("Sub.txt"), earlier + "?x\r\n");
    }

    void aWriteCutOffByTheSizeLimitIsTakenBack()
    {
        const QByteArray earlier(1000, 'e');
        writeFile("Sub.txt", earlier);
        QString partWay;
        {
            const FileSizeLimit limit(earlier.size() + 10);
            partWay = appendBytes("Sub.txt", QByteArray(100, 'r'));
        }
        QCOMPARE(partWay, QStringLiteral("File too large"));
        QCOMPARE(bytesOf("Sub.txt"), earlier);
    }

    void theProgramIgnoresTheFileSizeSignal()
    {
        // Ignoring is inherited: the program must do it itself.
        std::signal(SIGXFSZ, SIG_DFL);
        QProcess program;
        program.setProcessEnvironment([] {
            auto environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            return environment;
        }());
        program.start(QStringLiteral(SUMBROOK));
        const bool started = program.waitForStarted();
        ignoreFileSizeSignal();
        QVERIFY(started);
        QTRY_VERIFY_WITH_TIMEOUT(ignoresFileSizeSignal(program.processId()), 10000);
        program.kill();
        program.waitForFinished();
    }

    void aSaveWaitsForAnotherCopysLock()
    {
        QProcess other;
        other.start(QStringLiteral(SCOREWRITER), {"hold", "Add.txt", "300", "other\r\n"});
        QVERIFY(other.waitForReadyRead());
        QCOMPARE(other.readAllStandardOutput(), "held\n");
        QVERIFY(appendText("Add.txt", QStringLiteral("mine\r\n")).isEmpty());
        QVERIFY(other.waitForFinished());
        QCOMPARE(bytesOf("Add.txt"), "other\r\nmine\r\n");
    }

    void twoCopiesSavingAtOnceCutNoRecord()
    {
        // The second copy's saves fail once the file passes its limit, the first of them part-way.
        // The first copy's 500 records take about 56 kB, the second's, with longer names, about
        // 106 kB: at 80 kB the second saves some and fails others whichever copy runs first.
        QProcess first, second;
        first.start(QStringLiteral(SCOREWRITER), {"save", "Add.txt", "500", "A"});
        second.start(QStringLiteral(SCOREWRITER),
                     {"save", "Add.txt", "500", "B" + QString(100, u'b'), "80000"});
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.readAllStandardOutput(), "saved 500 failed 0\n");
        const QString secondSaid = QString::fromLatin1(second.readAllStandardOutput());
        const auto counts =
            QRegularExpression(QStringLiteral("saved (\\d+) failed (\\d+)")).match(secondSaid);
        QVERIFY2(counts.hasMatch() && counts.captured(1).toInt() > 0 &&
                     counts.captured(2).toInt() > 0,
                 qPrintable(secondSaid));
        QCOMPARE(secondSaid.count("\"Add.txt\": File too large"), counts.captured(2).toInt());

        const QString text = QString::fromLatin1(bytesOf("Add.txt"));
        const QRegularExpression record(QStringLiteral(
            "\"([AB])b*(\\d+) On the Day of \\d\\d/\\d\\d/\\d\\d Got A 80.00% Out of 10 Questions "
            "on ADD 2 and 50.00% out of 4 Questions on ADD 3\r\n\"\r\n"));
        QHash<QString, QList<int>> saved;
        qsizetype at = 0;
        for (auto match = record.match(text); match.hasMatch() && match.capturedStart() == at;
             match = record.match(text, at)) {
            saved[match.captured(1)].append(match.captured(2).toInt());
            at = match.capturedEnd();
        }
        QCOMPARE(at, text.size()); // nothing but whole records
        QCOMPARE(saved["A"].size(), 500);
        QCOMPARE(saved["B"].size(), counts.captured(1).toInt());
        for (const auto &numbers : saved) {
            for (int i = 0; i < numbers.size(); ++i)
                QCOMPARE(numbers[i], i);
        }
    }

    void readsWholeOrSaysWhyNot()
    {
        writeFile("Add.txt", "\"a\xe9\"\r\n");
        ReadBytes read = readBytes("Add.txt", Limit);
        QCOMPARE(read.bytes, "\"a\xe9\"\r\n");
        QCOMPARE(read.fingerprint, fingerprintOf("\"a\xe9\"\r\n"));
        QVERIFY(!read.missing);
        QVERIFY(read.error.isEmpty());

        read = readBytes("Sub.txt", Limit);
        QVERIFY(read.missing);
        QVERIFY(read.error.isEmpty());
    }

    void readsNoMoreThanTheLimit()
    {
        writeFile("Add.txt", "1234567890");
        QCOMPARE(readBytes("Add.txt", 10).bytes, "1234567890");
        ReadBytes read = readBytes("Add.txt", 9);
        QVERIFY(read.tooLarge);
        QVERIFY(read.bytes.isEmpty());

        QFile big("Divide.txt");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(Limit + 1)); // sparse: costs no disk
        big.close();
        QVERIFY(readBytes("Divide.txt", Limit).tooLarge);

        // A file that claims no bytes is read for what it holds.
        QVERIFY(readBytes("/proc/self/status", Limit).bytes.contains("SigIgn:"));
    }

    void whatIsNoPlainFileIsRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("named pipe") << "pipe"
                                    << "It is a named pipe, not a file.";
        QTest::newRow("link to /dev/zero") << "device"
                                           << "It is a device, not a file.";
        QTest::newRow("folder") << "folder"
                                << "It is a folder, not a file.";
    }
    void whatIsNoPlainFileIsRefusedAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QVERIFY(makeOddFile(kind, "Add.txt"));
        const Watchdog watchdog(10);
        QCOMPARE(readBytes("Add.txt", Limit).error, reason);
        QCOMPARE(appendText("Add.txt", QStringLiteral("record")), reason);
        const Replaced replaced = replaceKeepingAppended("Add.txt", {}, "text");
        QCOMPARE(replaced.outcome, Replaced::Failed);
        QCOMPARE(replaced.error, reason);
    }

    void theReplaceKeepsWhatWasAppended_data()
    {
        QTest::addColumn<QByteArray>("read");    // null: read as missing
        QTest::addColumn<QByteArray>("now");     // null: missing when written back
        QTest::addColumn<QByteArray>("written"); // null: left as it is

        const QByteArray old = "\"old\r\n\"\r\n";
        const QByteArray record = "\"rec\r\n\"\r\n";
        QTest::newRow("unchanged") << old << old << QByteArray("new");
        QTest::newRow("appended since") << old << old + record << "new" + record;
        QTest::newRow("first saved since") << QByteArray() << record << "new" + record;
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
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"Add.txt"});
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
                 QStringList({"Add.txt", "real.txt"}));
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
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"Add.txt"});
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

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
