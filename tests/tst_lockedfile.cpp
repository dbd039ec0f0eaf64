// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Score files under a lock: appending that takes back only its own bytes under a file size limit
// and waits for another copy's lock, the bounded read, and what is not a plain file.
#include "filecheck.h"

#include "toolkit/files/lockedfile.h"
#include "toolkit/files/replacefile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

using namespace toolkit;

namespace {

// The most these tests read of a file, as the score viewer does with its own limit.
constexpr qint64 Limit = 12 * 1024 * 1024;

bool ignoresFileSizeSignal(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    static const QRegularExpression ignored(QStringLiteral("SigIgn:\\s*([0-9a-f]+)"));
    const auto match = ignored.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() && (match.captured(1).toULongLong(nullptr, 16) >> (SIGXFSZ - 1)) & 1;
}

} // namespace

class TestLockedFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ignoreFileSizeSignal(); }
    void init() { m_folder.enter(); }
    void cleanup() { m_folder.leave(); }

    void appendCreatesAndKeepsEarlierContent()
    {
        QVERIFY(appendLine("Add.txt", "one\r\n").isEmpty());
        QCOMPARE(bytesOf("Add.txt"), "one\r\n");

        // What follows a file that ends without a line end starts a line of its own.
        for (const QByteArray end : {"\r", "\n", " no line end"}) {
            const QByteArray earlier = allBytes() + end;
            writeFile("Sub.txt", earlier);
            QVERIFY(appendLine("Sub.txt", "\xa3x\r\n").isEmpty());
            QCOMPARE(bytesOf("Sub.txt"), earlier + (end.endsWith('d') ? "\r\n" : "") + "\xa3x\r\n");
        }
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
        QVERIFY(appendLine("Add.txt", "mine\r\n").isEmpty());
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
        QCOMPARE(first.readAllStandardOutput(), "begin\nsaved 500 failed 0\n");
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

    // A file is read whole up to the limit, a missing one is no error, and one beyond the limit is
    // not read at all.
    void readsWholeUpToTheLimit()
    {
        writeFile("Add.txt", "\"a\xe9\"\r\n");
        QCOMPARE(readBytes("Add.txt", 6).bytes, "\"a\xe9\"\r\n");
        const ReadBytes over = readBytes("Add.txt", 5);
        QVERIFY(over.tooLarge && over.bytes.isEmpty() && !over.missing);
        const ReadBytes missing = readBytes("Sub.txt", Limit);
        QVERIFY(missing.missing && missing.error.isEmpty() && !missing.tooLarge);

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
        for (const auto &[kind, what] :
             {std::pair{"pipe", "named pipe"}, {"device", "device"}, {"folder", "folder"}})
            QTest::newRow(kind) << kind << QStringLiteral("It is a %1, not a file.").arg(what);
    }
    void whatIsNoPlainFileIsRefusedAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QVERIFY(makeOddFile(kind, "Add.txt"));
        const Watchdog watchdog(10);
        QCOMPARE(readBytes("Add.txt", Limit).error, reason);
        QCOMPARE(appendLine("Add.txt", "record"), reason);
        const Replaced replaced = replaceKeepingAppended("Add.txt", {}, "text");
        QCOMPARE(replaced.outcome, Replaced::Failed);
        QCOMPARE(replaced.error, reason);
    }

private:
    ScratchFolder m_folder;
};

QTEST_GUILESS_MAIN(TestLockedFile)
#include "tst_lockedfile.moc"
