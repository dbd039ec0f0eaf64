// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include "engine.h"

#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/translations.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QSettings>

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
    std::unique_ptr<Engine> engine;
    bool told = false; // why nothing can be said
};

// Never destroyed: the speech engine cannot outlive the application it was made in.
State &state()
{
    static State *const instance = new State;
    return *instance;
}

// The module beside the program (the build tree, where the tests are one folder down) or where
// the package installs it.
Engine *engine()
{
    State &s = state();
    if (s.tried)
        return s.engine.get();
    s.tried = true;
    const QString app = QCoreApplication::applicationDirPath();
    for (const QString &folder :
         {app, app + QStringLiteral("/.."), QStringLiteral(SUMBROOK_SPEECH_MODULE_DIR)}) {
        s.module.setFileName(QDir(folder).filePath(QStringLiteral("libsumbrook_speech.so")));
        if (!s.module.load())
            continue;
        if (const auto make = reinterpret_cast<MakeEngine>(s.module.resolve(MakeEngineSymbol)))
            s.engine.reset(make());
        break;
    }
    return s.engine.get();
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
    Engine *speaker = engine();
    const QString problem = !speaker ? tr("The speech module is missing.")
                            : !speaker->serviceError().isEmpty() ? speaker->serviceError()
                            : !speaker->hasVoice()               ? tr("No voice is installed.")
                                                                 : QString();
    if (problem.isEmpty()) {
        speaker->say(text, shownLanguage());
        return;
    }
    if (s.told)
        return;
    s.told = true;
    messageBox(nullptr,
               tr("Sumbrook cannot read aloud on this computer: %1\n\nIt goes on without reading "
                  "aloud. A voice comes with the packages speech-dispatcher and espeak-ng.")
                   .arg(problem),
               QString::fromLatin1(ApplicationTitle), QMessageBox::Ok, QMessageBox::Ok,
               QMessageBox::Information);
}

} // namespace toolkit::speech
