// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target shares: a failed property prints what it saw and aborts, so that
// libFuzzer keeps the input that broke it; and strings made from the fuzzer's bytes.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace fuzzcheck {

[[noreturn]] inline void fail(const char *property, const QString &detail)
{
    std::fprintf(stderr, "\nproperty broken: %s\n  %s\n", property,
                 detail.toUtf8().replace('\0', "\\0").constData());
    std::abort();
}

inline void require(bool holds, const char *property, const QString &detail)
{
    if (!holds)
        fail(property, detail);
}

// A string with the characters' code points spelled out, for a report.
inline QString spelled(const QString &text)
{
    QString out = QLatin1Char('"') + text + QLatin1String("\" [");
    for (const QChar c : text)
        out += QString::asprintf(" %04X", c.unicode());
    return out + QLatin1String(" ]");
}

// Text typed or read from a file: UTF-8, so that the corpus files stay readable.
inline QString utf8Text(FuzzedDataProvider &in, size_t maxBytes = 256)
{
    return QString::fromStdString(in.ConsumeRandomLengthString(maxBytes));
}

// Any sequence of UTF-16 code units, lone surrogates included.
inline QString utf16Text(FuzzedDataProvider &in)
{
    QString text;
    while (in.remaining_bytes() >= 2)
        text += QChar(in.ConsumeIntegral<char16_t>());
    return text;
}

} // namespace fuzzcheck
