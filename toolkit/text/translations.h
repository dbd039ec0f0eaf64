// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program speaks the desktop's language: its own catalogue and Qt's, for the user's languages
// in the order the desktop gives them (LANGUAGE, then LANG), English where none is found.
#pragma once

class QLocale;

namespace toolkit {

// Installs the translations for the locale's languages; a language without a catalogue leaves the
// design's English texts.
void installTranslations(const QLocale &locale);

// The language the program's texts are shown in: the catalogue's that was installed, or English.
QLocale shownLanguage();

} // namespace toolkit
