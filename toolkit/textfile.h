// Text files in the Windows-1252 code page, the score files' single-byte text: encoding, appending
// that leaves nothing half-written, a whole read with a size limit, and replacing atomically.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace toolkit {

// A character the code page cannot hold becomes '?'.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// The largest file readBytes() takes: a text box holding more is no longer usable.
inline constexpr qint64 ReadLimit = qint64(64) * 1024 * 1024;

// Each function returns an empty string on success, or the reason it failed, ready for a message.

// Appends to the end without reading what is there; a missing file is created. A write that fails
// part-way is cut off again, so the earlier content stays as it was.
QString appendBytes(const QString &fileName, QByteArrayView bytes);
QString appendText(const QString &fileName, QStringView text);

struct ReadBytes
{
    QByteArray bytes;
    bool missing = false; // no such file: not an error, there are no bytes
    QString error;
};
ReadBytes readBytes(const QString &fileName, qint64 limit = ReadLimit);

struct ReadText
{
    QString text;
    bool missing = false;
    QString error;
};
ReadText readText(const QString &fileName, qint64 limit = ReadLimit);

// Writes a new file beside the old one and renames it over it: a failure or a crash leaves the old
// content whole.
QString replaceBytes(const QString &fileName, QByteArrayView bytes);
QString replaceText(const QString &fileName, QStringView text);

} // namespace toolkit
