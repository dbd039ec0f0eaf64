// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What every row of the table of drills must hold, checked as the program is built, and a drill's
// title.
#include "drills.h"

#include <QCoreApplication>

#include <algorithm>

namespace drilltable {

namespace {

constexpr bool same(const char *a, const char *b)
{
    return std::string_view(a) == std::string_view(b);
}

// Two rows sharing a key, a window, a menu item or a score file would reach one drill for two.
constexpr bool unique(const char *Drill::*field)
{
    for (std::size_t i = 0; i < DrillCount; ++i) {
        for (std::size_t j = i + 1; j < DrillCount; ++j) {
            if (same(Drills[i].*field, Drills[j].*field))
                return false;
        }
    }
    return true;
}

constexpr bool uniqueFiles()
{
    for (std::size_t i = 0; i < DrillCount; ++i) {
        for (std::size_t j = i + 1; j < DrillCount; ++j) {
            if (same(Drills[i].scores.fileName, Drills[j].scores.fileName))
                return false;
        }
    }
    return true;
}

static_assert(unique(&Drill::key) && unique(&Drill::name) && unique(&Drill::menuName) &&
                  unique(&Drill::caption) && uniqueFiles(),
              "each drill its own key, window, menu item and score file");

// An integer drill's window shows two exercises and their headings, and saves both in its record.
static_assert(std::ranges::all_of(Drills, [](const Drill &drill) {
    if (!integerLayout(drill.layout))
        return drill.exercises() == 1 && !drill.scores.secondText;
    return drill.designed[0].operands == 2 && drill.designed[1].operands == 3 &&
           drill.headings[0] && drill.headings[1] && drill.scores.secondText &&
           drill.progressExercises[1];
}));

} // namespace

QString title(const Drill &drill)
{
    // The rows' Progress names are written in Progress's context.
    return QCoreApplication::translate("progress::ProgressWindow", drill.progressName);
}

} // namespace drilltable
