// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace toolkit {

namespace {

QLocale g_shown = QLocale(QLocale::English);

bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    // Tried for each of the locale's languages in turn, "de-AT" before "de".
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

void installTranslations(const QLocale &locale)
{
    // The buttons of Qt's own boxes (Yes, No, OK, Cancel) from the system's catalogues.
    install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    g_shown = QLocale(QLocale::English);
    const QString folder = QStringLiteral(":/translations");
    for (const QString &language : locale.uiLanguages()) {
        if (install(QLocale(language), QStringLiteral("sumbrook"), folder)) {
            g_shown = QLocale(language);
            return;
        }
    }
}

QLocale shownLanguage()
{
    return g_shown;
}

} // namespace toolkit
