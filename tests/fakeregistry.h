// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A registry for the lookup's tests: keys and values held in memory, byte for byte, and a count of
// the keys left open.
#pragma once

#include "about/registry.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

class FakeRegistry : public about::Registry
{
public:
    void setValue(const std::string &key, const std::string &name, std::uint32_t type,
                  std::vector<unsigned char> data)
    {
        m_keys[key][name] = Value{type, std::move(data)};
    }
    void setString(const std::string &key, const std::string &name, const std::string &text,
                   bool terminatingZero = true)
    {
        std::vector<unsigned char> data(text.begin(), text.end());
        if (terminatingZero)
            data.push_back(0);
        setValue(key, name, about::TypeString, std::move(data));
    }

    long RegOpenKeyExA(about::RegKey root, const char *subKey, std::uint32_t, std::uint32_t,
                       about::RegKey *result) override
    {
        if (root != about::LocalMachine || !m_keys.count(subKey))
            return about::NotFound;
        *result = m_next++;
        m_open[*result] = subKey;
        return about::Success;
    }
    long RegQueryValueExA(about::RegKey key, const char *valueName, std::uint32_t *,
                          std::uint32_t *type, unsigned char *data, std::uint32_t *size) override
    {
        const auto open = m_open.find(key);
        if (open == m_open.end())
            return about::NotFound;
        const auto &values = m_keys[open->second];
        const auto value = values.find(valueName);
        if (value == values.end())
            return about::NotFound;
        *type = value->second.type;
        const std::uint32_t length = std::uint32_t(value->second.data.size());
        if (length > *size) {
            *size = length;
            return about::MoreData;
        }
        if (length > 0) // memcpy from an empty vector's null data is undefined even for no bytes
            std::memcpy(data, value->second.data.data(), length);
        *size = length;
        return about::Success;
    }
    long RegCloseKey(about::RegKey key) override
    {
        return m_open.erase(key) ? about::Success : about::NotFound;
    }

    int openKeys() const { return int(m_open.size()); }

private:
    struct Value
    {
        std::uint32_t type;
        std::vector<unsigned char> data;
    };
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::map<about::RegKey, std::string> m_open;
    about::RegKey m_next = 1;
};
