// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include "engine.h"
#include "voicechoice.h"

#include "toolkit/module.h"
#include "toolkit/text/translations.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QThread>

#include <memory>
#include <optional>

namespace toolkit::speech {

namespace {

constexpr char SettingKey[] = "readAloud";
// How long a sentence just said is not said again unasked.
constexpr qint64 RepeatWithin = 3000;
// Set on a menu or menu bar once its items are said as they are chosen.
constexpr char SpokenProperty[] = "sumbrookSpoken";

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

// Says the controls a child meets: buttons and menu items as they are chosen or pointed at, the
// windows as they open, and the characters typed into a box.
class Guide : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint m_pointer = QCursor::pos();
};

struct State
{
    std::optional<bool> on; // as the switch is, read from the settings when first asked
    QAction *readAloud = nullptr;
    QAction *sayAgain = nullptr;
    bool turnedOnThisRun = false;
    bool toldOfScreenReader = false; // why it stays off under one, told once a run
    Guide *guide = nullptr;
    std::function<void(const QString &)> news;
    bool problemTold = false; // what keeps it silent, told once until it speaks again
    // The sentences of the event being handled, said together once it is done; a control's name
    // only if the control still has the focus then.
    QStringList pending;
    QList<QPointer<QWidget>> pendingFocus;
    qsizetype headings = 0; // how many of them lead
    bool asked = false;     // one of them was asked for (F5, the switch): said even if just said
    QString lastSent;
    QElapsedTimer sentAt;
    bool flushing = false;
    bool tried = false; // to load the module, once
    bool noModule = false;
    MakeEngine make = nullptr;
    // The speech service is asked in a thread of its own, where the engine lives: however slowly
    // it answers, no window waits for it.
    QThread *thread = nullptr;
    QObject *voice = nullptr; // in that thread
    std::unique_ptr<Engine> engine;
};

// Never destroyed: the speech engine cannot outlive the application it was made in.
State &state()
{
    static State *const instance = new State;
    return *instance;
}

void tell(const QString &text)
{
    if (state().news)
        state().news(text);
}

QString problemText(Engine::Problem problem)
{
    return problem == Engine::Problem::NoVoice
               ? tr("Nothing is read aloud: no voice is installed. Voices come with the packages "
                    "speech-dispatcher and espeak-ng.")
               : tr("Nothing is read aloud: the speech service does not answer. It is tried again "
                    "at the next sentence.");
}

// In the main thread, from the speech thread: the service could not be reached or has no voice.
void cannotSpeak(Engine::Problem problem)
{
    State &s = state();
    if (problem == Engine::Problem::NoVoice) {
        // No sentence can change that: the switch shows it off.
        s.on = false;
        if (s.readAloud)
            s.readAloud->setChecked(false);
    }
    if (!s.problemTold) {
        s.problemTold = true;
        tell(problemText(problem));
    }
}

void speaksAgain()
{
    State &s = state();
    if (s.problemTold) {
        s.problemTold = false;
        tell(QString());
    }
}

// The speech thread ends before the application does: nothing may be asked of the service while
// the libraries it uses are torn down. The engine stays, as the state does: it cannot outlive the
// application it was made in. A thread that hangs in the service delays the exit by 3 s at most.
void stopVoice()
{
    State &s = state();
    if (s.thread) {
        s.thread->quit();
        s.thread->wait(QDeadlineTimer(3000));
    }
}

// Opens the speech module and starts the speech thread. False where there is no module.
bool startVoice()
{
    State &s = state();
    if (s.tried)
        return s.voice;
    s.tried = true;
    s.make = reinterpret_cast<MakeEngine>(moduleEntry("libsumbrook_speech.so", MakeEngineSymbol));
    if (!s.make) {
        s.noModule = true;
        return false;
    }
    s.thread = new QThread;
    s.thread->setObjectName(QStringLiteral("speech"));
    s.voice = new QObject;
    s.voice->moveToThread(s.thread);
    s.thread->start();
    qAddPostRoutine(stopVoice);
    return true;
}

// In the speech thread: an engine whose service answers, made afresh where the last one's ended.
Engine *reachableEngine()
{
    State &s = state();
    if (s.engine && s.engine->reachable())
        return s.engine.get();
    s.engine.reset(s.make());
    Engine::Problem problem = s.engine->problem();
    if (problem == Engine::Problem::None && !s.engine->reachable())
        problem = Engine::Problem::NoService;
    if (problem != Engine::Problem::None) {
        s.engine.reset();
        QMetaObject::invokeMethod(qApp, [problem] { cannotSpeak(problem); });
        return nullptr;
    }
    QMetaObject::invokeMethod(qApp, &speaksAgain);
    return s.engine.get();
}

void send(const QString &text)
{
    State &s = state();
    if (!startVoice()) {
        s.on = false;
        if (s.readAloud)
            s.readAloud->setChecked(false);
        if (!s.problemTold) {
            s.problemTold = true;
            tell(tr("Nothing is read aloud: the speech module is missing."));
        }
        return;
    }
    const QLocale language = wantedVoice(shownLanguage(), QLocale::system());
    QMetaObject::invokeMethod(s.voice, [text, language] {
        if (Engine *engine = reachableEngine())
            engine->say(text, language);
    });
}

// Everything the event said, in one sentence: a part that another part already holds ("6 plus
// 9" in "first problem: 6 plus 9") is dropped, so nothing is said twice.
void flush()
{
    State &s = state();
    s.flushing = false;
    QStringList parts = std::exchange(s.pending, {});
    const QList<QPointer<QWidget>> focus = std::exchange(s.pendingFocus, {});
    const bool asked = std::exchange(s.asked, false);
    s.headings = 0;
    if (!isOn())
        return;
    // The focus passed through on its way elsewhere in the same event goes unsaid.
    for (qsizetype i = parts.size() - 1; i >= 0; --i) {
        if (i < focus.size() && focus[i] && !focus[i]->hasFocus())
            parts.removeAt(i);
    }
    QStringList kept;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool heldElsewhere = false;
        for (qsizetype j = 0; j < parts.size() && !heldElsewhere; ++j)
            heldElsewhere =
                j != i && parts[j].contains(parts[i]) && (parts[j] != parts[i] || j < i);
        if (!heldElsewhere)
            kept.append(parts[i]);
    }
    QString sentence;
    for (const QString &part : kept) {
        if (!sentence.isEmpty())
            sentence += QLatin1String(sentence.back().isPunct() ? " " : ". ");
        sentence += part;
    }
    // The focus coming back to a box a moment later would cut short the sentence that named it.
    if (sentence.isEmpty() || (!asked && s.lastSent.contains(sentence) && s.sentAt.isValid() &&
                               s.sentAt.elapsed() < RepeatWithin))
        return;
    s.lastSent = sentence;
    s.sentAt.start();
    send(sentence);
}

void queue(const QString &text, bool heading, QWidget *focus = nullptr)
{
    State &s = state();
    if (text.trimmed().isEmpty() || !isOn())
        return;
    while (s.pendingFocus.size() < s.pending.size())
        s.pendingFocus.append(nullptr);
    if (heading) {
        s.pendingFocus.insert(s.headings, nullptr);
        s.pending.insert(s.headings++, text.trimmed());
    } else {
        s.pendingFocus.append(focus);
        s.pending.append(text.trimmed());
    }
    if (!s.flushing) {
        s.flushing = true;
        QMetaObject::invokeMethod(qApp, &flush, Qt::QueuedConnection);
    }
}

// A control as a child hears it: its name, then what to do with it.
QString spokenControl(const QString &name, const QString &description)
{
    QString said = name;
    said.remove(u'&');
    if (!description.isEmpty() && !said.isEmpty())
        said += QLatin1String(said.back().isPunct() ? " " : ", ");
    return said + description;
}

QString spokenItem(const QAction *item)
{
    const QVariant name = item->property("accessibleName");
    QString said = spokenControl(name.isValid() ? name.toString() : item->text(), {});
    if (item->isCheckable())
        said = spokenControl(said, item->isChecked() ? tr("on") : tr("off"));
    return said;
}

void sayItemsOf(QWidget *menu)
{
    if (menu->property(SpokenProperty).toBool())
        return;
    menu->setProperty(SpokenProperty, true);
    const auto said = [](QAction *item) {
        if (item && !item->isSeparator())
            sayAlso(spokenItem(item));
    };
    if (auto *list = qobject_cast<QMenu *>(menu))
        QObject::connect(list, &QMenu::hovered, list, said);
    else if (auto *bar = qobject_cast<QMenuBar *>(menu))
        QObject::connect(bar, &QMenuBar::hovered, bar, said);
}

bool Guide::eventFilter(QObject *watched, QEvent *event)
{
    if (!state().on.value_or(false) || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Enter:
        // Pointed at, not appeared under a resting pointer.
        if (QCursor::pos() == std::exchange(m_pointer, QCursor::pos()))
            break;
        [[fallthrough]];
    case QEvent::FocusIn:
        // Back from a menu or a box, the child is where they were.
        if (event->type() == QEvent::FocusIn &&
            (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason ||
             static_cast<QFocusEvent *>(event)->reason() == Qt::MenuBarFocusReason ||
             static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason))
            break;
        if (auto *button = qobject_cast<QAbstractButton *>(widget);
            button && button->isEnabled() && !screenReaderRunning())
            queue(spokenControl(button->accessibleName().isEmpty() ? button->text()
                                                                   : button->accessibleName(),
                                button->accessibleDescription()),
                  false, event->type() == QEvent::FocusIn ? button : nullptr);
        else if (qobject_cast<QMenuBar *>(widget))
            sayItemsOf(widget);
        break;
    case QEvent::KeyPress:
        if (qobject_cast<QLineEdit *>(widget)) {
            const QString typed = static_cast<QKeyEvent *>(event)->text();
            // Each key is news, the same digit twice included.
            if (typed.size() == 1 && typed.front().isPrint() && !typed.front().isSpace() &&
                !screenReaderRunning()) {
                queue(typed, false);
                state().asked = true;
            }
        }
        break;
    case QEvent::Show:
        m_pointer = QCursor::pos();
        if (qobject_cast<QMenu *>(widget) || qobject_cast<QMenuBar *>(widget))
            sayItemsOf(widget);
        else if (qobject_cast<QMdiSubWindow *>(widget) ||
                 ((widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog) &&
                  !qobject_cast<QMessageBox *>(widget) && !qobject_cast<QInputDialog *>(widget)))
            sayHeading(spokenControl(widget->windowTitle(), widget->accessibleDescription()));
        break;
    default:
        break;
    }
    return false;
}

void guide()
{
    State &s = state();
    if (s.guide)
        return;
    s.guide = new Guide(qApp);
    qApp->installEventFilter(s.guide);
    // The menu bar was on screen before anyone listened.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QMenuBar *bar : window->findChildren<QMenuBar *>())
            sayItemsOf(bar);
    }
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
        s.sayAgain = new QAction(tr("Say It Again"), QCoreApplication::instance());
        s.sayAgain->setObjectName(QStringLiteral("mnuSayAgain"));
        s.sayAgain->setShortcut(QKeySequence(Qt::Key_F5));
        s.sayAgain->setShortcutContext(Qt::ApplicationShortcut);
    }
    return s.sayAgain;
}

bool isOn()
{
    State &s = state();
    if (!s.on) {
        s.on = settings().value(SettingKey, false).toBool();
        if (*s.on && screenReaderRunning())
            s.on = false; // the setting stays for runs without one
        if (*s.on)
            guide();
    }
    return *s.on;
}

void setOn(bool on)
{
    State &s = state();
    const bool was = isOn();
    if (on && !was && screenReaderRunning() && !s.toldOfScreenReader) {
        s.toldOfScreenReader = true;
        if (s.readAloud)
            s.readAloud->setChecked(false);
        tell(tr("A screen reader is running, so Sumbrook does not read aloud as well. Press "
                "Ctrl+R again to read aloud anyway."));
        return;
    }
    s.on = on;
    s.turnedOnThisRun = on;
    if (s.readAloud)
        s.readAloud->setChecked(on);
    settings().setValue(SettingKey, on);
    if (on) {
        guide();
        s.problemTold = false;
        // Tries the service afresh, whatever happened to it before.
        say(tr("Reading aloud is on."));
        return;
    }
    s.pending.clear();
    s.pendingFocus.clear();
    s.headings = 0;
    if (was && s.voice) {
        QMetaObject::invokeMethod(s.voice,
                                  [text = tr("Reading aloud is off."),
                                   language = wantedVoice(shownLanguage(), QLocale::system())] {
                                      if (Engine *engine = state().engine.get())
                                          engine->say(text, language);
                                  });
    }
}

void say(const QString &text)
{
    queue(text, false);
    if (!text.trimmed().isEmpty() && isOn())
        state().asked = true;
}

void sayAlso(const QString &text)
{
    if (!screenReaderRunning())
        queue(text, false);
}

void sayHeading(const QString &text)
{
    if (!screenReaderRunning())
        queue(text, true);
}

void setNewsShower(std::function<void(const QString &)> shower)
{
    state().news = std::move(shower);
}

} // namespace toolkit::speech
