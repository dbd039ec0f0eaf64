// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Sumbrook's figures that are timed inside one running program, under its maximized main window:
//   interact open <drill> <reps>   menu handler to the drill window's first paint
//   interact open-unprepared <drill> <reps>   the same without the windows prepared ahead
//   interact answer <reps>         an answer (Enter, or a click's release) to its repaint
//   interact tick <ticks>          reward animation tick times, the other exercise animating too
//   interact save <reps> <full> <empty>  Save Score into Add.txt of each folder in turn
//   interact display <reps>        displayScores("Add.txt") to the viewer's first paint
//   interact type <reps> [end]     one typed character in the viewer on Add.txt to its repaint,
//                                  at the start of the first line or at its end
//   interact idle <seconds>        CPU ms a second of the viewer on Add.txt left alone, its caret
//                                  blinking at the end of the first line
//   interact limits                the most the viewer shows: bytes, lines, characters in a line
//   interact progress <reps>       the Progress window on the folder's score files to its first
//                                  paint, the chart included
//   interact progress-read         the Progress window on a large folder: its first paint, the
//                                  class shown once the background read is done, and the longest
//                                  the event loop stalled meanwhile
// Each line printed is "<what> <milliseconds>" or "<what> <count> ...".
#include "paintwatch.h"
#include "tests/controls.h"

#include "division/divisionwindow.h"
#include "drills/drillwindow.h"
#include "drills/exercise.h"
#include "drills/operations.h"
#include "progress/progresswindow.h"
#include "scores/scoretext.h"
#include "scores/scorewindow.h"
#include "shell/drillwindows.h"
#include "shell/mdisumbrook.h"
#include "tests/scriptedboxes.h"
#include "toolkit/application.h"
#include "toolkit/look/appearance.h"
#include "toolkit/speech/readaloud.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

using bench::PaintWatch;

void print(const char *key, qint64 from, qint64 to)
{
    if (to < 0)
        qFatal("No paint came for %s", key);
    std::printf("%s %.4f\n", key, double(to - from) / 1e6);
    std::fflush(stdout);
}

void sendButton(QPushButton *button, QEvent::Type type)
{
    const QPointF centre = QRectF(button->rect()).center();
    const bool press = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                      press ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

// What a press and release of the left button in the middle of the button delivers.
void click(QPushButton *button)
{
    sendButton(button, QEvent::MouseButtonPress);
    sendButton(button, QEvent::MouseButtonRelease);
}

void sendKey(QWidget *widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void type(QWidget *widget, QChar character)
{
    const QString text(character);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void open(shell::mdiSumbrook &main, const QString &key, int reps)
{
    const drilltable::Drill &drill = drilltable::drill(key.toStdString());
    toolkit::WindowInstance &instance = shell::windowOf(drill);
    for (int rep = 0; rep < reps; ++rep) {
        PaintWatch painted([&](const QWidget *w) { return bench::within(w, instance.form()); });
        const qint64 start = bench::now();
        main.openDrill(drill);
        print(rep == 0 ? "cold" : "warm", start, painted.wait());
        if (rep == 0) {
            const QWidget *form = instance.form();
            std::printf("controls %lld %d %d\n",
                        static_cast<long long>(
                            form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size()),
                        form->width(), form->height());
            std::fflush(stdout);
        }
        instance.unload();
        bench::settle();
    }
}

drills::DrillWindow *openAddition(shell::mdiSumbrook &main)
{
    const drilltable::Drill &addition = drilltable::drill("addition");
    main.openDrill(addition);
    bench::settle(200);
    return static_cast<drills::DrillWindow *>(shell::windowOf(addition).form());
}

QString rightAnswer(std::span<QLabel *const> operands)
{
    QStringList captions;
    for (const QLabel *operand : operands)
        captions.append(operand->text());
    return drills::Exercise(drills::Adding, drills::Face::Smiling).correctText(captions);
}

// An answer is taken when Enter is pressed in the box or when the button is let go. A button
// repaints itself pressed as soon as it is pressed, long before a hand lets go, so a click is
// timed from its release. The two ways, and right and wrong answers, take turns.
void answer(shell::mdiSumbrook &main, int reps)
{
    drills::DrillWindow *form = openAddition(main);
    for (int rep = 0; rep < reps; ++rep) {
        const bool byKey = rep % 2;
        const QString right = rightAnswer(std::span(form->two.operands).first(2));
        form->two.answerBox->setText((rep / 2) % 2 ? QStringLiteral("-1") : right);
        form->two.answerBox->setFocus();
        if (!byKey)
            sendButton(form->two.answerButton, QEvent::MouseButtonPress);
        bench::settle();
        PaintWatch painted([&](const QWidget *w) { return w == form->two.picture; });
        const qint64 start = bench::now();
        if (byKey)
            sendKey(form->two.answerBox, Qt::Key_Return);
        else
            sendButton(form->two.answerButton, QEvent::MouseButtonRelease);
        print(byKey ? "enter" : "release", start, painted.wait());
        bench::settle();
        click(form->two.resetButton);
        bench::settle();
    }
}

// Enter in Addition's box with reading aloud on and off in turn, from the key to the end of its
// handling: by then the request to say the verdict has left for the speech service.
void speak(shell::mdiSumbrook &main, int reps)
{
    drills::DrillWindow *form = openAddition(main);
    toolkit::speech::setOn(true); // opens the speech module and reaches the service
    bench::settle(1000);
    for (int rep = 0; rep < reps; ++rep) {
        const bool on = rep % 2 == 0;
        toolkit::speech::setOn(on);
        form->two.answerBox->setText(rightAnswer(std::span(form->two.operands).first(2)));
        form->two.answerBox->setFocus();
        bench::settle();
        const qint64 start = bench::now();
        sendKey(form->two.answerBox, Qt::Key_Return);
        print(on ? "speaking" : "silent", start, bench::now());
        bench::settle();
        click(form->two.resetButton);
        bench::settle();
    }
}

// Five right answers in a row start an exercise's animation; its last answer is not reset.
void startAnimation(QLineEdit *box, QPushButton *answerButton, QPushButton *resetButton,
                    std::span<QLabel *const> operands)
{
    for (int i = 0; i < 5; ++i) {
        if (i > 0) {
            click(resetButton);
            bench::settle(5);
        }
        box->setText(rightAnswer(operands));
        click(answerButton);
        bench::settle(5);
    }
}

void tick(shell::mdiSumbrook &main, int ticks)
{
    drills::DrillWindow *form = openAddition(main);
    int otherTicks = 0;
    const auto countOther = [&] { ++otherTicks; };
    QObject::connect(form->three.firstTimer, &QTimer::timeout, form, countOther);
    QObject::connect(form->three.secondTimer, &QTimer::timeout, form, countOther);
    startAnimation(form->three.answerBox, form->three.answerButton, form->three.resetButton,
                   std::span(form->three.operands));
    if (!form->three.firstTimer->isActive())
        qFatal("The three-number exercise's animation did not start");

    QList<qint64> times;
    QEventLoop loop;
    const auto record = [&] {
        times.append(bench::now());
        if (times.size() > ticks)
            loop.quit();
    };
    QObject::connect(form->two.firstTimer, &QTimer::timeout, form, record);
    QObject::connect(form->two.secondTimer, &QTimer::timeout, form, record);
    startAnimation(form->two.answerBox, form->two.answerButton, form->two.resetButton,
                   std::span(form->two.operands).first(2));
    // The animation's first interval starts with the last right answer.
    times.append(bench::now());
    if (!form->two.firstTimer->isActive())
        qFatal("The two-number exercise's animation did not start");
    loop.exec();
    for (qsizetype i = 1; i < times.size(); ++i)
        print("spacing", times[i - 1], times[i]);
    std::printf("other %d\n", otherTicks);
}

// Saves take turns between the two folders' Add.txt, so that both kinds meet the same process,
// caches and load; the one in the empty folder is emptied before each of its saves.
void save(shell::mdiSumbrook &main, int reps, const QString &full, const QString &empty)
{
    drills::DrillWindow *form = openAddition(main);
    for (int rep = 0; rep < reps; ++rep) {
        for (const QString &folder : {full, empty}) {
            if (!QDir::setCurrent(folder))
                qFatal("No folder %s", qPrintable(folder));
            QFile file(QStringLiteral("Add.txt"));
            if (folder == empty && !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                qFatal("Cannot empty Add.txt");
            file.close();
            press(*form, "cmdScore1");
            press(*form, "cmdScore");
            toolkit::dialogs::answerNextInput(QStringLiteral("Bench"));
            const qint64 start = bench::now();
            saveScoreItem(*form)->trigger();
            print(folder == empty ? "empty" : "full", start, bench::now());
            if (toolkit::dialogs::pendingAnswers() != 0)
                qFatal("Save Score asked for no name");
            bench::settle(2);
        }
    }
    QDir::setCurrent(full);
    std::printf("size %lld\n", static_cast<long long>(QFile(QStringLiteral("Add.txt")).size()));
}

scores::ScoreWindow *viewer()
{
    return static_cast<scores::ScoreWindow *>(scores::frmScore().form());
}

// A file the viewer refuses answers the message given here instead of waiting for a hand.
void displayShown()
{
    toolkit::dialogs::answerNextMessage(QMessageBox::Ok);
    scores::displayScores(QStringLiteral("Add.txt"));
    if (toolkit::dialogs::pendingAnswers() == 0)
        qFatal("The viewer refused Add.txt: %s",
               qPrintable(toolkit::dialogs::takeAnsweredBoxes().value(0).text));
    toolkit::dialogs::clearAnswers();
}

void display(int reps)
{
    for (int rep = 0; rep < reps; ++rep) {
        PaintWatch painted([&](const QWidget *w) { return bench::within(w, viewer()); });
        const qint64 start = bench::now();
        displayShown();
        print(rep == 0 ? "cold" : "warm", start, painted.wait());
        if (rep == 0)
            std::printf("chars %lld\n",
                        static_cast<long long>(viewer()->txtScore->document()->characterCount()));
        scores::frmScore().unload();
        bench::settle();
    }
}

void typeInViewer(int reps, bool atEnd)
{
    displayShown();
    bench::settle(300);
    QPlainTextEdit *box = viewer()->txtScore;
    if (atEnd) {
        box->moveCursor(QTextCursor::EndOfLine);
        bench::settle(300);
    }
    for (int rep = 0; rep < reps; ++rep) {
        PaintWatch painted([&](const QWidget *w) { return bench::within(w, box); });
        const qint64 start = bench::now();
        type(box, QChar(u'a' + rep % 26));
        print("key", start, painted.wait());
        bench::settle();
    }
    // Nothing to ask about on the way out.
    viewer()->blnChanged = 0;
}

// Counts the paints of a widget and of what lies inside it.
class PaintCount : public QObject
{
public:
    explicit PaintCount(const QWidget *widget)
        : m_widget(widget)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            bench::within(static_cast<QWidget *>(watched), m_widget))
            ++count;
        return false;
    }

private:
    const QWidget *m_widget;
};

qint64 cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000 +
           usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
}

void idle(int seconds)
{
    displayShown();
    QPlainTextEdit *box = viewer()->txtScore;
    box->moveCursor(QTextCursor::EndOfLine);
    bench::settle(500);
    PaintCount paints(box);
    const qint64 start = cpuMicroseconds();
    QEventLoop loop; // waits, where settle() would spin
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    std::printf("cpu %.4f\n", double(cpuMicroseconds() - start) / 1000 / seconds);
    if (paints.count < seconds)
        qFatal("The caret did not blink: %d paints in %d s", paints.count, seconds);
    viewer()->blnChanged = 0;
}

void showProgress(int reps)
{
    for (int rep = 0; rep < reps; ++rep) {
        // The window does not exist until it opens: its paints are told by their ancestor.
        PaintWatch painted([](const QWidget *w) {
            const QWidget *form = progress::frmProgress().form();
            return form && bench::within(w, form);
        });
        const qint64 start = bench::now();
        progress::showProgress();
        print(rep == 0 ? "cold" : "warm", start, painted.wait());
        progress::frmProgress().unload();
        bench::settle();
    }
}

// A 1 ms timer ticks throughout: the longest gap between two ticks, less the interval, is the
// longest the window kept the event loop from the user.
void readInBackground()
{
    QElapsedTimer clock;
    qint64 last = 0, stall = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 at = clock.nsecsElapsed();
        stall = std::max(stall, at - last - 1000000);
        last = at;
    });
    PaintWatch painted([](const QWidget *w) {
        const QWidget *form = progress::frmProgress().form();
        return form && bench::within(w, form);
    });
    const qint64 start = bench::now();
    clock.start();
    ticker.start();
    progress::showProgress();
    print("painted", start, painted.wait());
    std::printf("opening-stall %.4f\n", double(stall) / 1e6);
    stall = 0; // from here on, while it reads
    auto *window = static_cast<progress::ProgressWindow *>(progress::frmProgress().form());
    while (window->reading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    print("shown", start, bench::now());
    bench::settle(200);
    std::printf("stall %.4f\n", double(stall) / 1e6);
    std::printf("rows %d\n", window->lstLearners->model()->rowCount());
}

} // namespace

int main(int argc, char *argv[])
{
    toolkit::installFontSubstitutes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumbrook"));
    QApplication::setApplicationVersion(toolkit::versionText());

    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.value(1);
    shell::mdiSumbrook window;
    // The first opening as it would be if the windows were not prepared once the frame is shown.
    if (mode == u"open-unprepared")
        delete window.findChild<QTimer *>(QStringLiteral("tmrPreload"))->parent();
    PaintWatch first([&](const QWidget *w) { return bench::within(w, &window); });
    window.showMaximized();
    if (first.wait() < 0)
        qFatal("The main window was never painted");
    bench::settle(100);
    std::printf("window %d %d\n", window.width(), window.height());

    if (mode == u"limits") {
        const scores::ViewerLimits limits = scores::ShownLimits;
        std::printf("limits %lld %lld %lld\n", static_cast<long long>(limits.bytes),
                    static_cast<long long>(limits.lines),
                    static_cast<long long>(limits.lineLength));
        return 0;
    }
    const bool opening = mode == u"open" || mode == u"open-unprepared";
    const int count = args.value(opening ? 3 : 2).toInt();
    if (opening)
        open(window, args.value(2), count);
    else if (mode == u"answer")
        answer(window, count);
    else if (mode == u"tick")
        tick(window, count);
    else if (mode == u"save")
        save(window, count, args.value(3), args.value(4));
    else if (mode == u"display")
        display(count);
    else if (mode == u"idle")
        idle(count);
    else if (mode == u"type")
        typeInViewer(count, args.value(3) == u"end");
    else if (mode == u"speak")
        speak(window, count);
    else if (mode == u"progress")
        showProgress(count);
    else if (mode == u"progress-read")
        readInBackground();
    else
        qFatal("Unknown arguments");
    return 0;
}
