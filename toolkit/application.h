// What the program says about itself.
#pragma once

// Shown after the notice texts of the windows; one address for every window that shows it.
#define SUMBROOK_CONTACT_ADDRESS "sumbrook@example.org"

namespace toolkit {

inline constexpr char ApplicationTitle[] = "Sumbrook";
inline constexpr int VersionMajor = 2;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionRevision = 0;

} // namespace toolkit
