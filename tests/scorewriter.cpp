// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Another running copy of the program, as far as the score files see it, for the tests to start:
//   scorewriter save <file> <count> <name> [<file size limit>]
//       saves <count> Addition records named <name>0, <name>1, ... through Save Score, under the
//       file size limit if one is given; prints "saved <n> failed <n>" and each failure's reason
//   scorewriter hold <file> <ms> <bytes>
//       takes the file's lock as a save does, prints "held", waits, appends the bytes and lets go
//   scorewriter writeback <file> <bytes>
//       reads the file as the score viewer shows it and writes the bytes back in its place ("="
//       writes back what it read, as a viewer closed after an edit undone)
// Each prints "begin" once started, before it touches the file.
#include "scores/scorerecord.h"
#include "scriptedboxes.h"
#include "toolkit/files/lockedfile.h"
#include "toolkit/files/replacefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

namespace dialogs = toolkit::dialogs;

// Says where start-up ends, for a tracer counting the system calls of the work alone.
void begins()
{
    std::printf("begin\n");
    std::fflush(stdout);
}

int main(int argc, char *argv[])
{
    toolkit::ignoreFileSizeSignal();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString fileName = args.value(2);

    if (args.value(1) == u"save") {
        if (args.size() > 5) {
            const rlimit limit{args[5].toULong(), RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        const QByteArray name = QFile::encodeName(fileName);
        const scores::ScoreFile file{name.constData(), " Questions on ADD 2 and ",
                                     " Questions on ADD 3"};
        int saved = 0, failed = 0;
        begins();
        for (int i = 0; i < args.value(3).toInt(); ++i) {
            dialogs::answerNextInput(args.value(4) + QString::number(i));
            dialogs::answerNextMessage(QMessageBox::Ok); // taken only by a failure's message
            if (scores::saveScore(nullptr, file, {"80.00%", "10", "50.00%", "4"})) {
                ++saved;
            } else {
                ++failed;
                std::printf("%s\n", qPrintable(dialogs::takeAnsweredBoxes().value(1).text));
            }
            dialogs::clearAnswers();
        }
        std::printf("saved %d failed %d\n", saved, failed);
        return 0;
    }

    if (args.value(1) == u"hold") {
        const QString lockName = QStringLiteral(".%1.lock").arg(fileName);
        const int lock =
            ::open(QFile::encodeName(lockName).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0200);
        const int fd =
            ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_APPEND | O_CREAT, 0666);
        if (lock < 0 || fd < 0 || ::flock(lock, LOCK_EX) != 0)
            return 1;
        std::printf("held\n");
        std::fflush(stdout);
        QThread::msleep(args.value(3).toULong());
        const QByteArray bytes = args.value(4).toLatin1();
        return ::write(fd, bytes.constData(), bytes.size()) == bytes.size() ? 0 : 1;
    }
    if (args.value(1) == u"writeback") {
        begins();
        const toolkit::ReadBytes read = toolkit::readBytes(fileName, qint64(1) << 30);
        const toolkit::Replaced replaced = toolkit::replaceKeepingAppended(
            fileName, toolkit::fingerprintOf(read.bytes),
            args.value(3) == u"=" ? read.bytes : args.value(3).toLatin1(), {}, &read.folder);
        std::printf("%d %s\n", int(replaced.outcome), qPrintable(read.error + replaced.error));
        return replaced.outcome == toolkit::Replaced::Written ? 0 : 1;
    }
    return 2;
}
