// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the speech service's voices says the program's language: chosen by rule, so that a
// child hears the same voice on every run, whatever order the service lists them in.
#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

namespace toolkit::speech {

// The language and country wanted: the program's language, in the desktop's country where the
// desktop names one for that language, else in the language's main country (Great Britain for
// English).
QLocale wantedVoice(const QLocale &shown, const QLocale &desktop);

// The one of the offered locales to speak in: the wanted one, else the language's main country,
// else the first of that language by name; the C locale where none speaks the language.
QLocale chooseLocale(const QList<QLocale> &offered, const QLocale &wanted);

// The index of the voice to take among those of one locale: the first by name, leaving last the
// voices that need data of their own (MBROLA); -1 where there is none.
qsizetype chooseVoice(const QStringList &names);

} // namespace toolkit::speech
