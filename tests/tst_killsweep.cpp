// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Another copy of the program killed at each system call of a save and of a write-back, one run
// for each call (strace stops it there with SIGKILL): the score file is always whole, as it was
// or as it was meant to be, and what a kill left behind is gone after the next write.
#include "filecheck.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray Old = "\"Ann On the Day of 12/05/26 Got A 80.00% Out of 10 Questions on ADD 2 "
                       "and 50.00% out of 4 Questions on ADD 3\r\n\"\r\n";

struct Run
{
    bool killed = false;
    QByteArray output;
};

// The tracer's own leak check cannot run under the tracer.
Run traced(const QStringList &tracing, const QStringList &writer)
{
    QProcess strace;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    strace.setProcessEnvironment(environment);
    strace.start("strace", tracing + QStringList{"--", SCOREWRITER} + writer);
    strace.waitForFinished(60000);
    return {strace.exitStatus() == QProcess::CrashExit || strace.exitCode() != 0,
            strace.readAllStandardOutput()};
}

// Each call after the writer said it begins, as strace's injection names it: the call's name
// and how many calls of that name the process had made by then.
QList<std::pair<QString, int>> callsOfTheWork(const QString &log)
{
    static const QRegularExpression call(QStringLiteral("^([a-z0-9_]+)\\("));
    QHash<QString, int> made;
    QList<std::pair<QString, int>> calls;
    bool begun = false;
    for (const QString &line : log.split(u'\n')) {
        const auto match = call.match(line);
        if (!match.hasMatch())
            continue;
        const int nth = ++made[match.captured(1)];
        begun = begun || line.contains("\"begin\\n\"");
        if (begun)
            calls.append({match.captured(1), nth});
    }
    return calls;
}

QStringList leftovers()
{
    QStringList names = QDir().entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll("Add.txt");
    names.removeAll(".Add.txt.lock");
    names.removeAll("trace.log");
    return names;
}

// The score file as the class shares it: writable by the group.
void startOver(const QByteArray &old)
{
    for (const QString &name : QDir().entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(name);
    writeFile("Add.txt", old);
    QFile::setPermissions("Add.txt", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::WriteGroup | QFile::ReadOther);
}

// A lock that some who may write the scores could not open would have them lock the score file
// instead, and then two writers would hold different locks.
bool lockLetsEveryWriterIn()
{
    struct stat lock, scores;
    return ::stat(".Add.txt.lock", &lock) != 0 ||
           (::stat("Add.txt", &scores) == 0 && (lock.st_mode & 07777) == (scores.st_mode & 0222));
}

} // namespace

class TestKillSweep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("strace").isEmpty())
            QSKIP("strace is not installed");
    }
    void init() { m_folder.enter(); }
    void cleanup() { m_folder.leave(); }

    void everyKillLeavesTheScoresWhole_data()
    {
        QTest::addColumn<QStringList>("writer");
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("a save") << QStringList{"save", "Add.txt", "1", "Kid"} << Old;
        QTest::newRow("a save after a line without its end")
            << QStringList{"save", "Add.txt", "1", "Kid"} << Old + "typed";
        QTest::newRow("a write-back")
            << QStringList{"writeback", "Add.txt", "\"edited\"\r\n"} << Old;
    }
    void everyKillLeavesTheScoresWhole()
    {
        QFETCH(QStringList, writer);
        QFETCH(QByteArray, old);
        startOver(old);
        const Run whole = traced({"-o", "trace.log"}, writer);
        QVERIFY2(!whole.killed, whole.output.constData());
        const QByteArray meant = bytesOf("Add.txt");
        QVERIFY(meant != old);
        const auto calls = callsOfTheWork(QString::fromLatin1(bytesOf("trace.log")));
        QVERIFY2(calls.size() > 10, qPrintable(QString::number(calls.size())));

        int killed = 0, leftBehind = 0;
        QStringList torn, left, narrowLocks;
        for (const auto &[name, nth] : calls) {
            startOver(old);
            const Run run =
                traced({"-o", "/dev/null", "-e",
                        QStringLiteral("inject=%1:signal=KILL:when=%2").arg(name).arg(nth)},
                       writer);
            killed += run.killed;
            const QString where = QStringLiteral("%1 #%2").arg(name).arg(nth);
            if (const QByteArray now = bytesOf("Add.txt"); now != old && now != meant)
                torn << where;
            if (!lockLetsEveryWriterIn())
                narrowLocks << where;
            if (leftovers().isEmpty())
                continue;
            ++leftBehind;
            // Removed by the next write-back of the file, which writes its own text.
            traced({"-o", "/dev/null"}, {"writeback", "Add.txt", "again"});
            if (!leftovers().isEmpty())
                left << where + ": " + leftovers().join(", ");
        }
        qInfo("%d kills at %lld calls, %d leaving a file behind until the next write", killed,
              qint64(calls.size()), leftBehind);
        QVERIFY(killed > calls.size() / 2);
        QVERIFY2(torn.isEmpty(), qPrintable(torn.join("; ")));
        QVERIFY2(narrowLocks.isEmpty(), qPrintable(narrowLocks.join("; ")));
        QVERIFY2(left.isEmpty(), qPrintable(left.join("; ")));
    }

private:
    ScratchFolder m_folder;
};

QTEST_GUILESS_MAIN(TestKillSweep)
#include "tst_killsweep.moc"
