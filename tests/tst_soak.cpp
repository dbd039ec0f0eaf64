// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A long session in every drill window at once: a hundred thousand answers in each exercise, the
// reward animation ticking, scores saved and displayed by the thousand. The memory the process
// holds must stay flat once everything has been used, and the 16-bit tallies must stop at their
// ceiling instead of wrapping round.
#include "answering.h"
#include "controls.h"
#include "drillrows.h"
#include "filecheck.h"

#include "division/divisionwindow.h"
#include "drills/drillwindow.h"
#include "scores/scorewindow.h"
#include "scriptedboxes.h"
#include "shell/mdisumbrook.h"
#include "toolkit/look/appearance.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <malloc.h>
#include <unistd.h>

using division::DivisionWindow;
using drills::Drill;
using drills::DrillWindow;

namespace {

constexpr int Answers = 100'000;   // in each exercise
constexpr int WarmUp = 5'000;      // of them, before memory is taken as settled
constexpr int Ceiling = 40'000;    // answers without a save, enough to reach 32767
constexpr int TimerTicks = 40'000; // in all
constexpr int SavesPerWindow = 250;
constexpr int DisplaysPerWindow = 250;
constexpr qint64 AllowedGrowth = 6 * 1024 * 1024;

qint64 residentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The heap in use, which unlike the resident size does not keep pages malloc has not given back.
qint64 heapBytes()
{
    return qint64(mallinfo2().uordblks);
}

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024.0 * 1024.0), 'f', 1) + QStringLiteral(" MB");
}

// One exercise, as the soak drives it through its window's buttons and timers.
struct Exercise
{
    const toolkit::Form *window;
    const drills::ExerciseControls *side;
    QPushButton *score;
    int tickQuota = 0;
    int ticks = 0;
};

// One window of the table of drills, its exercises and what was done in it.
struct Window
{
    const Drill *drill;
    toolkit::Form *form;
    std::vector<Exercise> exercises;
    int saves = 0;
    int displays = 0;
};

Window opened(const Drill &drill)
{
    toolkit::Form *form = instanceOf(drill).show();
    const auto score = [form](const char *name) { return control<QPushButton>(*form, name); };
    if (auto *w = qobject_cast<DrillWindow *>(form))
        return {
            &drill, form, {{w, &w->two, score("cmdScore1")}, {w, &w->three, score("cmdScore")}}};
    auto *w = static_cast<DivisionWindow *>(form);
    return {&drill, form, {{w, &w->two, score("cmdScore1")}}};
}

void fire(QTimer *timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        toolkit::installFontSubstitutes();
        m_folder.enter();
        m_startBytes = residentBytes();
        m_main = new shell::mdiSumbrook;
        m_main->showMaximized();
        for (const Drill &drill : drilltable::Drills)
            m_windows.push_back(opened(drill));
        int exercise = 0;
        for (Window &window : m_windows) {
            for (Exercise &e : window.exercises)
                e.tickQuota = TimerTicks / drilltable::ExerciseCount +
                              (exercise++ < TimerTicks % drilltable::ExerciseCount);
        }
        m_clock.start();
    }

    void cleanupTestCase()
    {
        toolkit::dialogs::clearAnswers();
        scores::frmScore().unload();
        for (const Drill &drill : drilltable::Drills)
            instanceOf(drill).unload();
        delete m_main;
        m_folder.leave();
    }

    void warmUp()
    {
        for (Window &window : m_windows)
            run(window, 0, WarmUp);
        m_warmBytes = residentBytes();
        m_warmHeap = heapBytes();
    }

    void soak_data()
    {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(m_windows.size()); ++i)
            QTest::newRow(m_windows[i].drill->name) << i;
    }
    void soak()
    {
        QFETCH(int, window);
        run(m_windows[window], WarmUp, Answers);
        QVERIFY(!QTest::currentTestFailed());
        qInfo().noquote() << "resident" << megabytes(residentBytes()) << "| heap in use"
                          << megabytes(heapBytes());
    }

    void everythingWasDone()
    {
        int ticks = 0;
        for (const Window &window : m_windows) {
            QCOMPARE(window.saves, SavesPerWindow);
            QCOMPARE(window.displays, DisplaysPerWindow);
            QCOMPARE(bytesOf(window.drill->scores.fileName).count("\r\n\"\r\n"), SavesPerWindow);
            for (const Exercise &e : window.exercises) {
                QCOMPARE(e.ticks, e.tickQuota);
                ticks += e.ticks;
            }
        }
        QCOMPARE(ticks, TimerTicks);
        QVERIFY(scores::frmScore().isLoaded());
    }

    void memoryStaysFlat()
    {
        const qint64 endBytes = residentBytes();
        qInfo().noquote() << "resident memory: at the start" << megabytes(m_startBytes)
                          << "| after warm-up" << megabytes(m_warmBytes) << "| at the end"
                          << megabytes(endBytes) << "| growth after warm-up"
                          << megabytes(endBytes - m_warmBytes) << "| heap in use after warm-up"
                          << megabytes(m_warmHeap) << "| at the end" << megabytes(heapBytes())
                          << "|" << QString::number(m_clock.elapsed() / 1000.0, 'f', 1) << "s";
        QVERIFY(m_startBytes > 0 && m_warmBytes > 0);
        QVERIFY2(endBytes - m_warmBytes <= AllowedGrowth,
                 qPrintable("grew by " + megabytes(endBytes - m_warmBytes)));
    }

private:
    // Answers [from, to) in each of the window's exercises, in turn: nine in ten right; now and
    // then typed key by key; the animation ticked as far as its share of the ticks allows.
    void run(Window &window, int from, int to)
    {
        const int saveEvery = (Answers - Ceiling) / SavesPerWindow;
        const int displayEvery = Answers / DisplaysPerWindow;
        for (int i = from; i < to; ++i) {
            for (Exercise &e : window.exercises) {
                answer(e, i);
                if (QTest::currentTestFailed())
                    return;
            }
            if (i == Ceiling - 1) {
                for (Exercise &e : window.exercises) {
                    QCOMPARE(scoreShown(*e.side, e.score), QStringList({"32767", "32767"}));
                    QCOMPARE(e.side->percent->text(), "100.00%");
                }
            }
            if (i >= Ceiling && (i - Ceiling) % saveEvery == saveEvery - 1) {
                for (Exercise &e : window.exercises)
                    e.score->click();
                toolkit::dialogs::answerNextInput(QStringLiteral("Soak %1").arg(window.saves));
                saveScoreItem(*window.form)->trigger();
                QCOMPARE(toolkit::dialogs::pendingAnswers(), 0);
                toolkit::dialogs::takeAnsweredBoxes();     // the seam's record, not the program's
                for (const Exercise &e : window.exercises) // saved: the count starts afresh
                    QCOMPARE(scoreShown(*e.side, e.score).first(), "0");
                ++window.saves;
            }
            if (i % displayEvery == displayEvery / 2) {
                menuItem(*window.form, "mnuItemRetrievScores")->trigger();
                QVERIFY(scores::frmScore().isLoaded());
                ++window.displays;
            }
            if (i % 256 == 0)
                QCoreApplication::processEvents();
        }
    }

    void answer(Exercise &e, int i)
    {
        QLineEdit *box = e.side->answerBox;
        const QString typed =
            i % 10 == 9 ? QStringLiteral("-1") : rightAnswerTo(*e.window, *e.side);
        if (i % 1000 == 0) {
            box->clear();
            QTest::keyClicks(box, typed);
        } else {
            box->setText(typed);
        }
        e.side->answerButton->click();
        // Every fifth right answer starts the animation: give it the ticks due by now, and the
        // rest near the end.
        if (e.side->firstTimer->isActive()) {
            const int due =
                i >= Answers - 100 ? e.tickQuota : int(qint64(e.tickQuota) * (i + 1) / Answers);
            for (; e.ticks < due; ++e.ticks)
                fire(e.side->firstTimer->isActive() ? e.side->firstTimer : e.side->secondTimer);
        }
        e.side->resetButton->click();
    }

    ScratchFolder m_folder;
    shell::mdiSumbrook *m_main = nullptr;
    std::vector<Window> m_windows;
    qint64 m_startBytes = 0;
    qint64 m_warmBytes = 0;
    qint64 m_warmHeap = 0;
    QElapsedTimer m_clock;
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
