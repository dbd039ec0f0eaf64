// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Sumbrook: arithmetic drills in a multiple-document window.
#include "scores/scorefolder.h"
#include "shell/mdisumbrook.h"
#include "toolkit/application.h"
#include "toolkit/files/lockedfile.h"
#include "toolkit/look/appearance.h"
#include "toolkit/look/focusstyle.h"
#include "toolkit/text/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
{
    toolkit::ignoreFileSizeSignal();
#ifdef __GLIBC__
    // A score file's text and the viewer's copy of it are large blocks: they go back to the
    // system when freed, instead of glibc raising this threshold and keeping later ones.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    toolkit::installFontSubstitutes();
    QApplication app(argc, argv);
    toolkit::keepProportionalFont();
    QApplication::setStyle(new toolkit::FocusStyle);
    toolkit::installTranslations(QLocale::system());
    QApplication::setApplicationName(QStringLiteral("Sumbrook"));
    QApplication::setApplicationVersion(toolkit::versionText());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sumbrook"));

    QCommandLineParser options;
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QCoreApplication::translate("main", "Keep the scores and the class in <folder>."),
        QCoreApplication::translate("main", "folder"));
    options.addOption(folder);
    options.process(app);
    scores::useScoreFolder(scores::chooseScoreFolder(options.value(folder)));

    std::unique_ptr<shell::mdiSumbrook> window;
    shell::startPractising([&window](const QString &learner) {
        window = std::make_unique<shell::mdiSumbrook>();
        window->showPractising(learner);
        window->showMaximized();
    });
    return app.exec();
}
