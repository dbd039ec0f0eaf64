// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's own menu bar entries, built from its menu rows; the frame shows them while the window
// is active.
#pragma once

#include "design.h"

#include <QList>

#include <span>

class QMenu;

namespace toolkit {

// The entries, owned by the window, each with its items named after their rows and captioned in
// the context's translation; an item with a handler runs it on the window when chosen.
QList<QMenu *> buildMenus(Form &window, std::span<const MenuRow> rows, const char *context);

} // namespace toolkit
