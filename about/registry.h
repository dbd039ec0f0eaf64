// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three registry operations the About window's system information lookup calls, with the
// results of the Windows functions of the same names: 0 on success, the value's type, its data
// and its size. Plain C++, so that the lookup runs on a real registry, a stand-in or a test's.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace about {

using RegKey = std::uintptr_t;

inline constexpr RegKey CurrentUser = 0x80000001u;
inline constexpr RegKey LocalMachine = 0x80000002u;
// Read control with query value, set value, create subkey, enumerate subkeys, notify, create link.
inline constexpr std::uint32_t KeyAccess = 0x2003F;
inline constexpr std::uint32_t TypeString = 1;
inline constexpr std::uint32_t TypeNumber = 4;
inline constexpr long Success = 0;
inline constexpr long NotFound = 2;
inline constexpr long MoreData = 234;

class Registry
{
public:
    virtual ~Registry() = default;

    virtual long RegOpenKeyExA(RegKey root, const char *subKey, std::uint32_t options,
                               std::uint32_t access, RegKey *result) = 0;
    // A value larger than size fails with MoreData.
    virtual long RegQueryValueExA(RegKey key, const char *valueName, std::uint32_t *reserved,
                                  std::uint32_t *type, unsigned char *data,
                                  std::uint32_t *size) = 0;
    virtual long RegCloseKey(RegKey key) = 0;
};

// A failure inside the lookup, such as a read of no bytes, which ends it with the message.
struct LookupFailed
{
};

// Reads one value as text: a string as it is, a terminating zero dropped; a 32-bit number as
// "&h" and the hex codes of its bytes, last first, after the text keyVal held. Values longer than
// 1024 bytes count as not found. The key is closed in every case.
bool getKeyValue(Registry &registry, RegKey keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyVal);

// Where the system information tool is looked for: the first location's key and value, which name
// the program, then the second's, which name its folder.
inline constexpr char gREGKEYSYSINFO[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char gREGVALSYSINFO[] = "PATH";
inline constexpr char gREGKEYSYSINFOLOC[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char gREGVALSYSINFOLOC[] = "MSINFO";

// A registry holding one value, as a system without a registry stands in for one: the first
// location, naming the program given; none when no program is given.
std::unique_ptr<Registry> standInRegistry(const std::string &program);

#ifdef _WIN32
std::unique_ptr<Registry> windowsRegistry();
#endif

} // namespace about
