// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the registry lookup on a real Windows registry (under Wine in CI): writes its own keys
// with exact bytes, then checks what the lookup reads back.
#include "about/registry.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace about;

namespace {

const char ProbeKey[] = "Software\\SumbrookProbe";
int passed = 0;
int failed = 0;

void check(bool ok, const char *what)
{
    ok ? ++passed : ++failed;
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
}

void write(const char *name, DWORD type, const std::vector<unsigned char> &data)
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, ProbeKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name, 0, type, data.data(), DWORD(data.size()));
    RegCloseKey(key);
}

std::vector<unsigned char> text(const std::string &s, bool zero)
{
    std::vector<unsigned char> data(s.begin(), s.end());
    if (zero)
        data.push_back(0);
    return data;
}

} // namespace

int main()
{
    write("WithZero", REG_SZ, text("C:\\Tools\\info.exe", true));
    write("WithoutZero", REG_SZ, text("C:\\Tools\\info.exe", false));
    write("Long", REG_SZ, text(std::string(1100, 'a'), true));
    write("Fits", REG_SZ, text(std::string(1023, 'b'), true));
    write("Number", REG_DWORD, {0x0A, 0x00, 0x2B, 0x01});
    write("Binary", REG_BINARY, {0x01, 0x02});

    const auto registry = windowsRegistry();
    const auto read = [&](const char *name, std::string &value) {
        return getKeyValue(*registry, CurrentUser, ProbeKey, name, value);
    };
    std::string value;
    check(read("WithZero", value) && value == "C:\\Tools\\info.exe", "string with its zero");
    value.clear();
    check(read("WithoutZero", value) && value == "C:\\Tools\\info.exe", "string without zero");
    value = "before";
    check(!read("Long", value) && value.empty(), "over 1024 bytes is not found");
    value.clear();
    check(read("Fits", value) && value.size() == 1023, "1023 bytes and a zero fit");
    value.clear();
    check(read("Number", value) && value == "&h12B0A", "32-bit number");
    value = "kept";
    check(read("Binary", value) && value == "kept", "other types leave the text");
    value = "before";
    check(!read("Missing", value) && value.empty(), "missing value");
    check(!getKeyValue(*registry, CurrentUser, "Software\\SumbrookNoSuchKey", "x", value),
          "missing key");

    RegDeleteTreeA(HKEY_CURRENT_USER, ProbeKey);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
