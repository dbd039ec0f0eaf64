// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The speech module: the desktop's speech service through Qt's text-to-speech, behind the small
// interface the program loads it by.
#include "engine.h"
#include "voicechoice.h"

#include <QDir>
#include <QTextToSpeech>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// Where speech-dispatcher listens: the address it is told to use, or its own default. Empty where
// it listens on no local socket.
QByteArray servicePath()
{
    const QByteArray address = qgetenv("SPEECHD_ADDRESS");
    if (address.startsWith("unix_socket:"))
        return address.mid(int(std::strlen("unix_socket:")));
    if (!address.isEmpty())
        return {};
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? QByteArray() : runtime + "/speech-dispatcher/speechd.sock";
}

class DesktopSpeech final : public toolkit::speech::Engine
{
public:
    // A voice that does not match the desktop's language is no reason to stay silent: only a
    // service that cannot be reached, or one with no voice at all, is.
    Problem problem() const override
    {
        if (m_speech.errorReason() == QTextToSpeech::ErrorReason::Initialization)
            return Problem::NoService;
        return m_speech.availableLocales().isEmpty() ? Problem::NoVoice : Problem::None;
    }

    // Qt's engine goes on writing to a service that has ended, and says nothing of it: whether
    // anything listens on its socket tells.
    bool reachable() const override
    {
        const QByteArray path = servicePath();
        if (path.isEmpty() || path.size() >= int(sizeof(sockaddr_un::sun_path)))
            return true;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return true;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        const bool answered =
            ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return answered;
    }

    void say(const QString &text, const QLocale &language) override
    {
        if (language != m_language) {
            m_language = language;
            chooseVoiceFor(language);
        }
        // Once: Qt's engine cancels by itself only once the service has said it began speaking.
        if (m_speech.state() == QTextToSpeech::Ready)
            m_speech.stop();
        m_speech.say(text);
    }

    void stop() override { m_speech.stop(); }

    QString voiceName() const override { return m_speech.voice().name(); }

private:
    void chooseVoiceFor(const QLocale &language)
    {
        const QLocale chosen = toolkit::speech::chooseLocale(m_speech.availableLocales(), language);
        // The service takes the language even where Qt finds no voice of its own for it.
        m_speech.setLocale(chosen == QLocale::c() ? language : chosen);
        const QList<QVoice> voices = m_speech.availableVoices();
        QStringList names;
        for (const QVoice &voice : voices)
            names.append(voice.name());
        if (const qsizetype best = toolkit::speech::chooseVoice(names); best >= 0)
            m_speech.setVoice(voices[best]);
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
