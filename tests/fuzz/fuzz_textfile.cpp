// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files' code page both ways: every byte string comes back from its text, every text the
// code page holds comes back from its bytes, and each character it cannot hold becomes one '?'.
#include "fuzzcheck.h"

#include "toolkit/textfile.h"

using fuzzcheck::require;
using fuzzcheck::spelled;

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes the code page leaves undefined (81, 8D, 8F, 90,
// 9D) read as the C1 controls of the same value, so that no byte is lost on the way through.
constexpr char16_t HighRow[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar charOf(uchar byte)
{
    return QChar(byte >= 0x80 && byte < 0xA0 ? HighRow[byte - 0x80] : char16_t(byte));
}

// The byte of a character the code page holds, or -1.
int byteOf(QChar c)
{
    if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF))
        return c.unicode();
    for (int i = 0; i < 32; ++i) {
        if (HighRow[i] == c.unicode())
            return 0x80 + i;
    }
    return -1;
}

// What the file must hold for a text: a surrogate pair is one character, and one '?'.
QByteArray expectedBytes(const QString &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text[i]);
        bytes += byte < 0 ? '?' : char(byte);
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    // Bytes read from a file, then written back.
    const QString read = toolkit::decode(bytes);
    require(read.size() == bytes.size(), "one character per byte", spelled(read));
    for (qsizetype i = 0; i < read.size(); ++i) {
        require(read[i] == charOf(uchar(bytes[i])), "decode follows the code page",
                QString::asprintf("byte %02X read as U+%04X", uchar(bytes[i]), read[i].unicode()));
    }
    require(toolkit::encode(read) == bytes, "decode then encode gives the bytes back",
            QString::fromLatin1(bytes.toHex(' ')) + " -> " +
                QString::fromLatin1(toolkit::encode(read).toHex(' ')));
    // That text holds only code page characters: written and read again, it is unchanged.
    require(toolkit::decode(toolkit::encode(read)) == read, "encode then decode is the identity",
            spelled(read));

    // Any text a name box can hold: mostly code page characters, some others, lone surrogates.
    FuzzedDataProvider in(data, size);
    QString typed;
    while (in.remaining_bytes() >= 2) {
        const auto pick = in.ConsumeIntegral<uint8_t>();
        typed += pick < 160 ? charOf(in.ConsumeIntegral<uint8_t>())
                            : QChar(in.ConsumeIntegral<char16_t>());
    }
    const QByteArray written = toolkit::encode(typed);
    require(written == expectedBytes(typed), "each character the code page lacks becomes one '?'",
            spelled(typed) + " -> " + QString::fromLatin1(written.toHex(' ')));
    return 0;
}
