#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace toolkit {

namespace {

constexpr char CodePage[] = "windows-1252";
constexpr char Substitute = 0x1A; // what the encoder puts where the code page has no character

QByteArray encodePiece(QStringView piece)
{
    QStringEncoder encoder(CodePage);
    QByteArray bytes = encoder.encode(piece);
    if (encoder.hasError())
        bytes.replace(Substitute, '?');
    return bytes;
}

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
    // The text's own SUB characters (0x1A) must stay; only the encoder's substitutes become '?'.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype start = 0;;) {
        const qsizetype sub = text.indexOf(QChar(Substitute), start);
        bytes += encodePiece(text.sliced(start, (sub < 0 ? text.size() : sub) - start));
        if (sub < 0)
            return bytes;
        bytes += Substitute;
        start = sub + 1;
    }
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
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

ReadText readText(const QString &fileName, qint64 limit)
{
    ReadText read;
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
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        return read;
    }
    if (bytes.size() > limit) { // it grew while being read
        read.error = tooLarge;
        return read;
    }
    read.text = decode(bytes);
    return read;
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
