// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into a program beside its own main(): prints the monotonic time of the main window's
// first paint and ends the program there. In Sumbrook itself, SUMBROOK_BENCH_OPEN_ALL=<score file>
// first opens every window (the viewer on that file) for the peak memory figure;
// SUMBROOK_BENCH_PAINTED=<window name> times that window's first paint instead of the main
// window's (frmWhoIsPractising: the question a class's learners start with).
#include "paintwatch.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

#ifdef SUMBROOK_PROGRAM
#include "scores/scorewindow.h"
#include "shell/mdisumbrook.h"
#endif

namespace {

void openEverything(QMainWindow *window, const QString &scoreFile)
{
#ifdef SUMBROOK_PROGRAM
    auto *main = qobject_cast<shell::mdiSumbrook *>(window);
    if (!main)
        qFatal("The main window is not mdiSumbrook");
    for (const drilltable::Drill &drill : drilltable::Drills)
        main->openDrill(drill);
    scores::displayScores(scoreFile);
    main->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
#else
    Q_UNUSED(window);
    Q_UNUSED(scoreFile);
#endif
}

void watchFirstPaint()
{
    const QString painted = qEnvironmentVariable("SUMBROOK_BENCH_PAINTED");
    auto *watch = new bench::PaintWatch(
        [painted](const QWidget *widget) {
            return painted.isEmpty() ? qobject_cast<QMainWindow *>(widget->window()) != nullptr
                                     : widget->window()->objectName() == painted;
        },
        QCoreApplication::instance());
    watch->onPainted([](qint64 painted) {
        std::printf("paint %lld\n", static_cast<long long>(painted));
        std::fflush(stdout);
        const QString scoreFile = qEnvironmentVariable("SUMBROOK_BENCH_OPEN_ALL");
        if (scoreFile.isEmpty()) {
            QCoreApplication::quit();
            return;
        }
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<QMainWindow *>(top))
                openEverything(window, scoreFile);
        }
        // Long enough for every window to be painted at least once.
        QTimer::singleShot(1000, QCoreApplication::instance(), &QCoreApplication::quit);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
