// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of drills as tests go through it: every integer drill, a drill by its key, and the
// program's window of each.
#pragma once

#include "drilltable/drills.h"
#include "shell/drillwindows.h"
#include "toolkit/forms/form.h"

#include <QMetaType>
#include <QTest>

#include <vector>

using drilltable::Drill;
Q_DECLARE_METATYPE(const drilltable::Drill *)

inline const Drill &Addition = drilltable::drill("addition");
inline const Drill &Subtraction = drilltable::drill("subtraction");
inline const Drill &Multiplication = drilltable::drill("multiplication");
inline const Drill &Division = drilltable::drill("division");

// The drills whose windows are the integer drill window, in the table's order.
inline std::vector<const Drill *> integerDrills()
{
    std::vector<const Drill *> drills;
    for (const Drill &drill : drilltable::Drills) {
        if (integerLayout(drill.layout))
            drills.push_back(&drill);
    }
    return drills;
}

inline toolkit::WindowInstance &instanceOf(const Drill &drill)
{
    return shell::windowOf(drill);
}
inline toolkit::WindowInstance &instanceOf(const Drill *drill)
{
    return shell::windowOf(*drill);
}

// The drill of a data-driven test's row, from its column "drill".
inline const Drill &fetchedDrill()
{
    return **static_cast<const Drill *const *>(QTest::qData("drill", qMetaTypeId<const Drill *>()));
}
