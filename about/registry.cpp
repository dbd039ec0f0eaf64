// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry.h"

#include <cstring>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace about {

namespace {

class StandInRegistry : public Registry
{
public:
    explicit StandInRegistry(std::string program)
        : m_program(std::move(program))
    {}

    long RegOpenKeyExA(RegKey root, const char *subKey, std::uint32_t, std::uint32_t,
                       RegKey *result) override
    {
        if (m_program.empty() || root != LocalMachine || std::strcmp(subKey, gREGKEYSYSINFO) != 0)
            return NotFound;
        *result = Key;
        return Success;
    }
    long RegQueryValueExA(RegKey key, const char *valueName, std::uint32_t *, std::uint32_t *type,
                          unsigned char *data, std::uint32_t *size) override
    {
        if (key != Key || std::strcmp(valueName, gREGVALSYSINFO) != 0)
            return NotFound;
        *type = TypeString;
        const auto length = std::uint32_t(m_program.size() + 1); // with its terminating zero
        const bool fits = length <= *size;
        if (fits)
            std::memcpy(data, m_program.c_str(), length);
        *size = length;
        return fits ? Success : MoreData;
    }
    long RegCloseKey(RegKey key) override { return key == Key ? Success : NotFound; }

private:
    static constexpr RegKey Key = 1;
    std::string m_program;
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

std::unique_ptr<Registry> standInRegistry(const std::string &program)
{
    return std::make_unique<StandInRegistry>(program);
}

#ifdef _WIN32
std::unique_ptr<Registry> windowsRegistry()
{
    return std::make_unique<WindowsRegistry>();
}
#endif

} // namespace about
