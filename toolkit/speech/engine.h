// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program asks of the speech module, which it loads only when reading aloud is turned on,
// so that the text-to-speech libraries cost nothing at start-up.
#pragma once

#include <QLocale>
#include <QString>

namespace toolkit::speech {

class Engine
{
public:
    virtual ~Engine() = default;
    // Why the speech service cannot be used, in its own words, or empty.
    virtual QString serviceError() const = 0;
    virtual bool hasVoice() const = 0;
    // Says the text in the language, cutting short whatever is being said.
    virtual void say(const QString &text, const QLocale &language) = 0;
};

// The module's one entry point, looked up by name.
using MakeEngine = Engine *(*)();
inline constexpr char MakeEngineSymbol[] = "sumbrook_make_speech_engine";

} // namespace toolkit::speech
