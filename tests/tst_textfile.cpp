// Windows-1252 text files: the code page both ways, appending that keeps the earlier content even
// when a write fails, the whole read and its limit, and the atomic replace under a killed writer.
#include "filecheck.h"

#include "toolkit/textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace toolkit;

namespace {

// Every byte value, so that a round trip shows what the code page keeps.
QByteArray allBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}

// The size of the file the process holds open in the folder, -1 while it holds none.
qint64 sizeOfOpenFileIn(pid_t pid, const QString &folder)
{
    std::error_code error;
    const std::filesystem::path fds = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto &entry : std::filesystem::directory_iterator(fds, error)) {
        const auto target = std::filesystem::read_symlink(entry.path(), error);
        struct stat info;
        if (!error && QString::fromStdString(target.string()).startsWith(folder) &&
            ::stat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
            return info.st_size;
    }
    return -1;
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder.enter(); }
    void cleanup() { m_folder.leave(); }

    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("code page letters")
            << QString::fromUtf8("é€“") << QByteArray("\xe9\x80\x93");
        QTest::newRow("outside the code page") << QString::fromUtf8("aŁb") << QByteArray("a?b");
        QTest::newRow("outside the plane") << QString::fromUtf8("x😀y") << QByteArray("x?y");
        QTest::newRow("own SUB beside a substitute")
            << QString::fromUtf8("\x1aŁ\x1a") << QByteArray("\x1a?\x1a");
        QTest::newRow("no-break space") << QString(QChar(0xA0)) << QByteArray("\xa0");
        QTest::newRow("a lone high surrogate at the end")
            << (QStringLiteral("a") + QChar(0xD800)) << QByteArray("a?");
        QTest::newRow("a zero-width space") << QStringLiteral("a\u200Bb") << QByteArray("a?b");
    }
    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(encode(text), bytes);
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

    void appendFailureLeavesTheFileAsItWas()
    {
        QDir().mkdir("Add.txt");
        const QString error = appendText("Add.txt", QStringLiteral("record"));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo("Add.txt").isDir());

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

    void readsWholeOrSaysWhyNot()
    {
        writeFile("Add.txt", "\"a\xe9\"\r\n");
        ReadText read = readText("Add.txt");
        QCOMPARE(read.text, QString::fromUtf8("\"aé\"\r\n"));
        QVERIFY(!read.missing);
        QVERIFY(read.error.isEmpty());

        read = readText("Sub.txt");
        QVERIFY(read.missing);
        QVERIFY(read.error.isEmpty());

        QDir().mkdir("Multiply.txt");
        read = readText("Multiply.txt");
        QVERIFY(!read.missing);
        QVERIFY(!read.error.isEmpty());
    }

    void refusesFilesAboveTheLimit()
    {
        QVERIFY(ReadLimit >= 64 * 1024 * 1024);
        writeFile("Add.txt", "1234567890");
        QCOMPARE(readText("Add.txt", 10).text, "1234567890");
        QVERIFY(readText("Add.txt", 9).error.contains("larger than"));

        QFile big("Divide.txt");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(ReadLimit + 1)); // sparse: costs no disk
        big.close();
        const ReadText read = readText("Divide.txt");
        QCOMPARE(read.error,
                 QStringLiteral("The file is larger than 64 MiB, the most that can be shown."));
        QVERIFY(read.text.isEmpty());
    }

    void replaceWritesOrKeepsTheOld()
    {
        writeFile("Add.txt", "old");
        QVERIFY(replaceText("Add.txt", QString::fromUtf8("new Ł\r\n")).isEmpty());
        QCOMPARE(bytesOf("Add.txt"), "new ?\r\n");

        QString error;
        {
            const FileSizeLimit limit(10);
            error = replaceBytes("Add.txt", QByteArray(100, 'n'));
        }
        QCOMPARE(error, QStringLiteral("File too large"));
        QCOMPARE(bytesOf("Add.txt"), "new ?\r\n");
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"Add.txt"});

        QDir().mkdir("Sub.txt");
        QVERIFY(!replaceText("Sub.txt", QStringLiteral("text")).isEmpty());
        QVERIFY(QFileInfo("Sub.txt").isDir());
    }

    void aWriterKilledMidWayLeavesTheOldContentWhole()
    {
        const QByteArray old = "\"old record\r\n\"\r\n";
        writeFile("Add.txt", old);
        const QByteArray fresh(128 * 1024 * 1024, 'n');

        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            replaceBytes("Add.txt", fresh);
            _exit(0);
        }
        // Killed once the new content has begun to reach the disk, and before all of it has.
        qint64 seen = -1;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000) {
            seen = sizeOfOpenFileIn(child, QDir::currentPath());
            if (seen > 0 && seen < fresh.size()) {
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
