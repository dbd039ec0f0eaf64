// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1252 code page, the score files' single-byte text, both ways.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace toolkit {

// A character the code page cannot hold becomes '?'.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

// The characters that encode() would turn into '?', each once, in the order they first appear.
QStringList unencodable(QStringView text);

} // namespace toolkit
