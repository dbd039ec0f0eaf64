// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include "engine.h"

#include "toolkit/application.h"
#include "toolkit/forms/dialogs.h"
#include "toolkit/text/translations.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QSettings>
#include <QThread>

#include <memory>
#include <optional>

namespace toolkit::speech {

namespace {

constexpr char SettingKey[] = "readAloud";

QString tr(const char *text)
{
    return QCoreApplication::translate("toolkit::speech", text);
}

QSettings settings()
{
    return QSettings(QStringLiteral("Sumbrook"), QStringLiteral("Sumbrook"));
}

// A screen reader listens through the desktop's accessibility bus, which Qt joins only then.
bool screenReaderRunning()
{
    return QAccessible::isActive();
}

struct State
{
    std::optional<bool> on; // as the switch is, read from the settings when first asked
    QAction *readAloud = nullptr;
    QAction *sayAgain = nullptr;
    bool turnedOnThisRun = false;
    bool tried = false; // to load the module, once
    QLibrary module;
    // The speech service is asked in a thread of its own, where the engine lives: however slowly
    // it answers, no window waits for it.
    QThread *thread = nullptr;
    QObject *voice = nullptr; // in that thread
    std::unique_ptr<Engine> engine;
    bool silent = false; // nothing can be said, and that was told
};

// Never destroyed: the speech engine cannot outlive the application it was made in.
State &state()
{
    static State *const instance = new State;
    return *instance;
}

void tellWhySilent(const QString &problem)
{
    messageBox(nullptr,
               tr("Sumbrook cannot read aloud on this computer: %1\n\nIt goes on without reading "
                  "aloud. A voice comes with the packages speech-dispatcher and espeak-ng.")
                   .arg(problem),
               QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
               QMessageBox::Information);
}

// Opens the module beside the program (the build tree, where the tests are one folder down) or
// where the package installs it, and makes its engine in the speech thread. False where there is
// none.
bool startVoice()
{
    State &s = state();
    if (s.tried)
        return s.voice;
    s.tried = true;
    MakeEngine make = nullptr;
    const QString app = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {app, app + QStringLiteral("/.."), QStringLiteral(SUMBROOK_SPEECH_MODULE_DIR)}) {
        s.module.setFileName(QDir(folder).filePath(QStringLiteral("libsumbrook_speech.so")));
        if (s.module.load()) {
            make = reinterpret_cast<MakeEngine>(s.module.resolve(MakeEngineSymbol));
            break;
        }
    }
    if (!make) {
        s.silent = true;
        tellWhySilent(tr("The speech module is missing."));
        return false;
    }
    s.thread = new QThread;
    s.thread->setObjectName(QStringLiteral("speech"));
    s.voice = new QObject;
    s.voice->moveToThread(s.thread);
    s.thread->start();
    QMetaObject::invokeMethod(s.voice, [make] {
        State &s = state();
        s.engine.reset(make());
        const QString problem = !s.engine->serviceError().isEmpty() ? s.engine->serviceError()
                                : !s.engine->hasVoice()             ? tr("No voice is installed.")
                                                                    : QString();
        if (problem.isEmpty())
            return;
        s.engine.reset();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [problem] {
            state().silent = true;
            tellWhySilent(problem);
        });
    });
    return true;
}

} // namespace

QAction *readAloudAction()
{
    State &s = state();
    if (!s.readAloud) {
        s.readAloud = new QAction(tr("Read Aloud"), QCoreApplication::instance());
        s.readAloud->setObjectName(QStringLiteral("mnuReadAloud"));
        s.readAloud->setCheckable(true);
        s.readAloud->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
        s.readAloud->setShortcutContext(Qt::ApplicationShortcut);
        s.readAloud->setChecked(isOn());
        QObject::connect(s.readAloud, &QAction::triggered, s.readAloud, [](bool on) { setOn(on); });
    }
    return s.readAloud;
}

QAction *sayAgainAction()
{
    State &s = state();
    if (!s.sayAgain) {
        s.sayAgain = new QAction(tr("Say the Problem Again"), QCoreApplication::instance());
        s.sayAgain->setObjectName(QStringLiteral("mnuSayAgain"));
        s.sayAgain->setShortcut(QKeySequence(Qt::Key_F5));
        s.sayAgain->setShortcutContext(Qt::ApplicationShortcut);
    }
    return s.sayAgain;
}

bool isOn()
{
    State &s = state();
    if (!s.on)
        s.on = settings().value(SettingKey, false).toBool();
    if (*s.on && !s.turnedOnThisRun && screenReaderRunning()) {
        s.on = false; // the setting stays for runs without one
        if (s.readAloud)
            s.readAloud->setChecked(false);
    }
    return *s.on;
}

void setOn(bool on)
{
    State &s = state();
    s.on = on;
    s.turnedOnThisRun = on;
    if (s.readAloud)
        s.readAloud->setChecked(on);
    settings().setValue(SettingKey, on);
    if (on)
        say(QCoreApplication::translate("toolkit::speech", "Reading aloud is on."));
}

void say(const QString &text)
{
    if (text.isEmpty() || !isOn())
        return;
    State &s = state();
    if (s.silent || !startVoice())
        return;
    QMetaObject::invokeMethod(s.voice, [text, language = shownLanguage()] {
        if (Engine *engine = state().engine.get())
            engine->say(text, language);
    });
}

} // namespace toolkit::speech
