#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace toolkit {

namespace {

// The code page from 0x80 to 0x9F. The five bytes it leaves undefined (81, 8D, 8F, 90, 9D) are
// read as the C1 controls of the same value, and so written back as the same byte.
constexpr char16_t HighRow[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Writes all the bytes or stops at the first failed write, whose reason the file then holds; a
// short write alone sets no error.
bool writeAll(QFileDevice &file, QByteArrayView bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

QString reasonOf(const QFileDevice &file)
{
    return file.error() == QFileDevice::NoError ? QStringLiteral("Unknown error")
                                                : file.errorString();
}

} // namespace

QByteArray encode(QStringView text)
{
    // By table rather than through the system's converter, which leaves out invisible characters
    // and a high surrogate at the end without a trace instead of writing '?' for them.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes += char(c);
            continue;
        }
        const auto high = std::find(std::begin(HighRow), std::end(HighRow), c);
        bytes += high != std::end(HighRow) ? char(0x80 + (high - std::begin(HighRow))) : '?';
        // A character outside the plane is one character, and one '?'.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
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

QString appendBytes(const QString &fileName, QByteArrayView bytes)
{
    QFile file(fileName);
    // Unbuffered, so that a failed write leaves nothing behind in a buffer to be written later.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 oldSize = file.size();
    if (!writeAll(file, bytes)) {
        const QString reason = reasonOf(file);
        file.resize(oldSize);
        return reason;
    }
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

QString appendText(const QString &fileName, QStringView text)
{
    return appendBytes(fileName, encode(text));
}

ReadBytes readBytes(const QString &fileName, qint64 limit)
{
    ReadBytes read;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        read.missing = !QFileInfo(fileName).exists() && !QFileInfo(fileName).isSymLink();
        if (!read.missing)
            read.error = file.errorString();
        return read;
    }
    const QString tooLarge =
        QStringLiteral("The file is larger than %1, the most that can be shown.")
            .arg(QLocale::c().formattedDataSize(limit, 0, QLocale::DataSizeIecFormat));
    if (file.size() > limit) {
        read.error = tooLarge;
        return read;
    }
    read.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        read.bytes.clear();
        return read;
    }
    if (read.bytes.size() > limit) { // it grew while being read
        read.error = tooLarge;
        read.bytes.clear();
        return read;
    }
    return read;
}

ReadText readText(const QString &fileName, qint64 limit)
{
    const ReadBytes read = readBytes(fileName, limit);
    return {decode(read.bytes), read.missing, read.error};
}

QString replaceBytes(const QString &fileName, QByteArrayView bytes)
{
    QSaveFile file(fileName);
    // Unbuffered, so that every write is checked here: Qt 6.4's commit() does not check the flush
    // it makes on closing, and would rename a cut-off file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes)) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

QString replaceText(const QString &fileName, QStringView text)
{
    return replaceBytes(fileName, encode(text));
}

} // namespace toolkit
