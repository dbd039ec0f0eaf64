// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "codepage.h"

#include <QSet>

#include <algorithm>
#include <iterator>

namespace toolkit {

namespace {

// The code page from 0x80 to 0x9F. The five bytes it leaves undefined (81, 8D, 8F, 90, 9D) are
// read as the C1 controls of the same value, and so written back as the same byte.
constexpr char16_t HighRow[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte the code page holds the character as, or -1.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto high = std::find(std::begin(HighRow), std::end(HighRow), c);
    return high != std::end(HighRow) ? int(0x80 + (high - std::begin(HighRow))) : -1;
}

// How many code units the character at i takes: a character outside the plane is one character.
qsizetype lengthAt(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

QByteArray encode(QStringView text)
{
    // By table rather than through the system's converter, which leaves out invisible characters
    // and a high surrogate at the end without a trace instead of writing '?' for them.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); i += lengthAt(text, i)) {
        const int byte = byteOf(text[i].unicode());
        bytes += byte < 0 ? '?' : char(byte);
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? HighRow[byte - 0x80] : char16_t(byte);
    }
    return text;
}

QStringList unencodable(QStringView text)
{
    QStringList found;
    QSet<QStringView> seen;
    for (qsizetype i = 0; i < text.size(); i += lengthAt(text, i)) {
        if (byteOf(text[i].unicode()) >= 0)
            continue;
        const QStringView character = text.sliced(i, lengthAt(text, i));
        if (!seen.contains(character)) {
            seen.insert(character);
            found.append(character.toString());
        }
    }
    return found;
}

} // namespace toolkit
