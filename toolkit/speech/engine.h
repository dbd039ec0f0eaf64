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
    enum class Problem { None, NoService, NoVoice };

    virtual ~Engine() = default;
    // Why nothing can be said, as the engine was made.
    virtual Problem problem() const = 0;
    // Whether the speech service still answers: it may have ended since.
    virtual bool reachable() const = 0;
    // Cuts short whatever is being said, then says the text in the voice chosen for the language.
    virtual void say(const QString &text, const QLocale &language) = 0;
    // Cuts short whatever is being said.
    virtual void stop() = 0;
    // The name of the voice in use, empty before the first sentence.
    virtual QString voiceName() const = 0;
};

// The module's one entry point, looked up by name.
using MakeEngine = Engine *(*)();
inline constexpr char MakeEngineSymbol[] = "sumbrook_make_speech_engine";

} // namespace toolkit::speech
