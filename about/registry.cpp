// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace about {

namespace {

constexpr char InfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char InfoValue[] = "PATH";

// Answers the first location with a program found on PATH, as a string with its terminating zero.
class StandInRegistry : public FakeRegistry
{
public:
    StandInRegistry()
    {
        const char *path = std::getenv("PATH");
        const std::string program = findOnPath(systemInfoPrograms(), path ? path : "");
        if (!program.empty())
            setString(InfoKey, InfoValue, program);
    }
};

#ifdef _WIN32
class WindowsRegistry : public Registry
{
public:
    long RegOpenKeyExA(RegKey root, const char *subKey, std::uint32_t options, std::uint32_t access,
                       RegKey *result) override
    {
        HKEY key = nullptr;
        const LONG status =
            ::RegOpenKeyExA(reinterpret_cast<HKEY>(root), subKey, options, access, &key);
        *result = reinterpret_cast<RegKey>(key);
        return status;
    }
    long RegQueryValueExA(RegKey key, const char *valueName, std::uint32_t *reserved,
                          std::uint32_t *type, unsigned char *data, std::uint32_t *size) override
    {
        DWORD t = 0;
        DWORD s = *size;
        const LONG status = ::RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName,
                                               reinterpret_cast<LPDWORD>(reserved), &t, data, &s);
        *type = t;
        *size = s;
        return status;
    }
    long RegCloseKey(RegKey key) override { return ::RegCloseKey(reinterpret_cast<HKEY>(key)); }
};
#endif

} // namespace

void FakeRegistry::setValue(const std::string &key, const std::string &name, std::uint32_t type,
                            std::vector<unsigned char> data)
{
    m_keys[key][name] = Value{type, std::move(data)};
}

void FakeRegistry::setString(const std::string &key, const std::string &name,
                             const std::string &text, bool terminatingZero)
{
    std::vector<unsigned char> data(text.begin(), text.end());
    if (terminatingZero)
        data.push_back(0);
    setValue(key, name, TypeString, std::move(data));
}

long FakeRegistry::RegOpenKeyExA(RegKey root, const char *subKey, std::uint32_t, std::uint32_t,
                                 RegKey *result)
{
    if (root != LocalMachine || !m_keys.count(subKey))
        return NotFound;
    *result = m_next++;
    m_open[*result] = subKey;
    return Success;
}

long FakeRegistry::RegQueryValueExA(RegKey key, const char *valueName, std::uint32_t *,
                                    std::uint32_t *type, unsigned char *data, std::uint32_t *size)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return NotFound;
    const auto &values = m_keys[open->second];
    const auto value = values.find(valueName);
    if (value == values.end())
        return NotFound;
    *type = value->second.type;
    const std::uint32_t length = std::uint32_t(value->second.data.size());
    if (length > *size) {
        *size = length;
        return MoreData;
    }
    if (length > 0) // memcpy from an empty vector's null data is undefined even for no bytes
        std::memcpy(data, value->second.data.data(), length);
    *size = length;
    return Success;
}

long FakeRegistry::RegCloseKey(RegKey key)
{
    return m_open.erase(key) ? Success : NotFound;
}

bool getKeyValue(Registry &registry, RegKey keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyVal)
{
    RegKey hKey = 0;
    bool result = false;
    if (registry.RegOpenKeyExA(keyRoot, keyName.c_str(), 0, KeyAccess, &hKey) != Success) {
        keyVal.clear();
    } else {
        unsigned char buffer[1024] = {};
        std::uint32_t size = sizeof buffer;
        std::uint32_t type = 0;
        if (registry.RegQueryValueExA(hKey, subKeyRef.c_str(), nullptr, &type, buffer, &size) !=
            Success) {
            keyVal.clear();
        } else {
            if (size == 0) { // no last character to test
                registry.RegCloseKey(hKey);
                throw LookupFailed{};
            }
            const std::string text(reinterpret_cast<const char *>(buffer),
                                   buffer[size - 1] == 0 ? size - 1 : size);
            if (type == TypeString) {
                keyVal = text;
            } else if (type == TypeNumber) {
                static const char digits[] = "0123456789ABCDEF";
                for (auto c = text.rbegin(); c != text.rend(); ++c) {
                    const auto code = static_cast<unsigned char>(*c);
                    if (code >= 16)
                        keyVal += digits[code / 16];
                    keyVal += digits[code % 16];
                }
                keyVal = "&h" + keyVal;
            }
            result = true;
        }
    }
    registry.RegCloseKey(hKey);
    return result;
}

std::vector<std::string> systemInfoPrograms()
{
    return {"hardinfo", "kinfocenter", "gnome-system-monitor", "xfce4-taskmanager"};
}

std::string findOnPath(const std::vector<std::string> &programs, const std::string &path)
{
    std::vector<std::string> folders;
    std::stringstream list(path);
    for (std::string folder; std::getline(list, folder, ':');)
        if (!folder.empty())
            folders.push_back(folder);
    for (const std::string &program : programs) {
        for (const std::string &folder : folders) {
            const std::filesystem::path candidate = std::filesystem::path(folder) / program;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error) &&
                (std::filesystem::status(candidate, error).permissions() &
                 std::filesystem::perms::owner_exec) != std::filesystem::perms::none)
                return candidate.string();
        }
    }
    return {};
}

std::unique_ptr<Registry> systemRegistry()
{
#ifdef _WIN32
    return std::make_unique<WindowsRegistry>();
#else
    return std::make_unique<StandInRegistry>();
#endif
}

} // namespace about
