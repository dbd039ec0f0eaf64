// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score files' code page both ways: every byte string comes back from its text, every text the
// code page holds comes back from its bytes, and each character it cannot hold becomes one '?'.
#include "fuzzcheck.h"

#include "toolkit/files/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

using fuzzcheck::require;
using fuzzcheck::spelled;

namespace {

// Windows-1252 as the system's converter (ICU) has it, independent of the program's own table:
// the character of each byte, and the byte of each character of the plane or -1. The five bytes
// the code page leaves undefined (81, 8D, 8F, 90, 9D) stand for the C1 controls of the same
// value, so that no byte is lost, whatever a converter makes of them.
struct CodePage
{
    char16_t charOf[256];
    std::vector<int> byteOf = std::vector<int>(0x10000, -1);

    CodePage()
    {
        const auto undefined = [](int byte) {
            return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        };
        QStringDecoder decoder("windows-1252");
        for (int byte = 0; byte < 256; ++byte) {
            const QString read = decoder(QByteArray(1, char(byte)));
            charOf[byte] = undefined(byte) ? char16_t(byte) : read.front().unicode();
        }
        // A character the converter writes as one byte without an error is in the code page.
        for (char32_t c = 0; c < 0x10000; ++c) {
            QStringEncoder encoder("windows-1252"); // its error stays set until it goes
            const char16_t unit = char16_t(c);
            const QByteArray bytes = encoder(QStringView(&unit, 1));
            if (bytes.size() == 1 && !encoder.hasError())
                byteOf[c] = uchar(bytes[0]);
        }
        for (int byte = 0; byte < 256; ++byte) {
            if (undefined(byte))
                byteOf[byte] = byte;
        }
    }
};

const CodePage &codePage()
{
    static const CodePage table;
    return table;
}

// What the file must hold for a text: a surrogate pair is one character, and one '?'.
QByteArray expectedBytes(const QString &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = codePage().byteOf[text[i].unicode()];
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
        require(read[i] == codePage().charOf[uchar(bytes[i])], "decode follows the code page",
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
        typed += pick < 160 ? QChar(codePage().charOf[in.ConsumeIntegral<uint8_t>()])
                            : QChar(in.ConsumeIntegral<char16_t>());
    }
    const QByteArray written = toolkit::encode(typed);
    require(written == expectedBytes(typed), "each character the code page lacks becomes one '?'",
            spelled(typed) + " -> " + QString::fromLatin1(written.toHex(' ')));
    return 0;
}
