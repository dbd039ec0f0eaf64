// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicechoice.h"

#include <algorithm>

namespace toolkit::speech {

namespace {

QLocale::Territory mainCountry(QLocale::Language language)
{
    // Qt's likeliest country for English is the United States; a British school is the default.
    if (language == QLocale::English)
        return QLocale::UnitedKingdom;
    return QLocale(language).territory();
}

} // namespace

QLocale wantedVoice(const QLocale &shown, const QLocale &desktop)
{
    // "C" and "fr" name no country of their own: only "fr_CH" does.
    const bool desktopNamesCountry = desktop.language() == shown.language() &&
                                     desktop.name().contains(u'_') &&
                                     desktop.territory() != QLocale::AnyTerritory;
    return QLocale(shown.language(),
                   desktopNamesCountry ? desktop.territory() : mainCountry(shown.language()));
}

QLocale chooseLocale(const QList<QLocale> &offered, const QLocale &wanted)
{
    const auto same = [](const QLocale &a, const QLocale &b) {
        return a.language() == b.language() && a.territory() == b.territory();
    };
    for (const QLocale &candidate :
         {wanted, QLocale(wanted.language(), mainCountry(wanted.language()))}) {
        const auto found =
            std::ranges::find_if(offered, [&](const QLocale &o) { return same(o, candidate); });
        if (found != offered.end())
            return *found;
    }
    QStringList names;
    for (const QLocale &o : offered) {
        if (o.language() == wanted.language())
            names.append(o.name());
    }
    if (names.isEmpty())
        return QLocale::c();
    std::ranges::sort(names);
    return QLocale(names.first());
}

qsizetype chooseVoice(const QStringList &names)
{
    qsizetype best = -1;
    const auto rank = [&](qsizetype i) {
        return std::pair(names[i].contains(QLatin1String("mbrola"), Qt::CaseInsensitive), names[i]);
    };
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (best < 0 || rank(i) < rank(best))
            best = i;
    }
    return best;
}

} // namespace toolkit::speech
