// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Optional modules: libraries the program opens only when a feature first needs them.
#pragma once

#include <QFunctionPointer>

namespace toolkit {

// The entry point named symbol of the module fileName ("libsumbrook_speech.so"), opened from
// beside the program (the build tree, where tests and benchmarks are one folder down) or from
// where the package installs its modules; null where there is none. Only these absolute folders
// are searched: never the current folder or a relative path, where anyone could plant a library.
QFunctionPointer moduleEntry(const char *fileName, const char *symbol);

} // namespace toolkit
