// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program says about itself.
#pragma once

#include <QString>

namespace toolkit {

inline constexpr char ApplicationTitle[] = "Sumbrook";
inline constexpr int VersionMajor = SUMBROOK_VERSION_MAJOR;
inline constexpr int VersionMinor = SUMBROOK_VERSION_MINOR;
inline constexpr int VersionRevision = SUMBROOK_VERSION_PATCH;

// "2.0.0"
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

} // namespace toolkit
