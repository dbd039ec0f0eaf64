// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one window of each drill in the table of drills.
#pragma once

#include "drilltable/drills.h"
#include "toolkit/forms/windowinstance.h"

namespace shell {

toolkit::WindowInstance &windowOf(const drilltable::Drill &drill);

} // namespace shell
