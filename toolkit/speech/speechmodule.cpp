// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: the desktop's speech service through Qt's text-to-speech, behind the small
// interface the program loads it by.
#include "engine.h"

#include <QTextToSpeech>

namespace {

class DesktopSpeech final : public toolkit::speech::Engine
{
public:
    // A voice that does not match the desktop's language is no reason to stay silent: only a
    // service that cannot be reached is.
    QString serviceError() const override
    {
        return m_speech.errorReason() == QTextToSpeech::ErrorReason::Initialization
                   ? m_speech.errorString()
                   : QString();
    }
    bool hasVoice() const override { return !m_speech.availableLocales().isEmpty(); }

    void say(const QString &text, const QLocale &language) override
    {
        if (language.language() != m_language.language()) {
            m_language = language;
            setVoiceFor(language);
        }
        // Old news is cut short (the engine cancels what it is still saying before it says more):
        // a child who answers quickly does not wait for it.
        m_speech.say(text);
    }

private:
    // The service takes the language even where Qt finds no voice of its own for it.
    void setVoiceFor(const QLocale &language)
    {
        for (const QLocale &offered : m_speech.availableLocales()) {
            if (offered.language() == language.language()) {
                m_speech.setLocale(offered);
                return;
            }
        }
        m_speech.setLocale(language);
    }

    // The only engine Qt offers on Debian: speech-dispatcher, which reaches every installed voice.
    QTextToSpeech m_speech{QStringLiteral("speechd")};
    QLocale m_language = QLocale::c();
};

} // namespace

extern "C" Q_DECL_EXPORT toolkit::speech::Engine *sumbrook_make_speech_engine()
{
    return new DesktopSpeech;
}
