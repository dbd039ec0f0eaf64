// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three registry operations the About window's system information lookup calls, with the
// results of the Windows functions of the same names: 0 on success, the value's type, its data
// and its size. Plain C++, so that the lookup runs on a real registry, a stand-in or a fake.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// Keys and values held in memory, byte for byte.
class FakeRegistry : public Registry
{
public:
    void setValue(const std::string &key, const std::string &name, std::uint32_t type,
                  std::vector<unsigned char> data);
    void setString(const std::string &key, const std::string &name, const std::string &text,
                   bool terminatingZero = true);

    long RegOpenKeyExA(RegKey root, const char *subKey, std::uint32_t options, std::uint32_t access,
                       RegKey *result) override;
    long RegQueryValueExA(RegKey key, const char *valueName, std::uint32_t *reserved,
                          std::uint32_t *type, unsigned char *data, std::uint32_t *size) override;
    long RegCloseKey(RegKey key) override;

    int openKeys() const { return int(m_open.size()); }

private:
    struct Value
    {
        std::uint32_t type;
        std::vector<unsigned char> data;
    };
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::map<RegKey, std::string> m_open;
    RegKey m_next = 1;
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

// The system's registry on Windows; elsewhere a stand-in whose first location names the first
// desktop system-information program found on PATH.
std::unique_ptr<Registry> systemRegistry();

// The stand-in's programs, in the order they are looked for.
std::vector<std::string> systemInfoPrograms();
// The full path of the first of the programs found in the folders of a PATH-style list.
std::string findOnPath(const std::vector<std::string> &programs, const std::string &path);

} // namespace about
