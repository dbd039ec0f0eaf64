// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progresswindow.h"

#include "chartpaint.h"
#include "texttable.h"

#include "classroom/classfile.h"
#include "drilltable/levels.h"
#include "toolkit/accessibility/accessibility.h"
#include "toolkit/files/lockedfile.h"
#include "toolkit/forms/dialogs.h"
#include "toolkit/text/formats.h"

#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QThread>

#include <cmath>

#include <sys/stat.h>

namespace progress {

using namespace toolkit;

// A read of some of the folder's files and the class worked out from them, done in a thread of
// its own: the window hands it what it had and takes back the result.
struct ReadJob
{
    QString folder;
    FileChoice files{};
    Files histories;
    Reports reports;
    Roster roster;
    PeriodKind kind = PeriodKind::ThisMonth;
    QDate today, since;
    const Drill *only = nullptr;
    qint64 limit = 0;
    qint64 total = 0;
    ReadProgress progress;
    ClassView view;
    LearnerData learner; // its name given, or the class's first
};

namespace {

constexpr auto FolderKey = "progress/folder";
// A read this long shows its progress.
constexpr qint64 ShownFrom = qint64(4) << 20;

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("progress::ProgressWindow", text, nullptr, n);
}

void tellCurrentCell(QTableView *table)
{
    const QModelIndex current = table->currentIndex();
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(table);
    if (!current.isValid() || !table->hasFocus() || !view || !view->tableInterface())
        return;
    QAccessibleInterface *cell = view->tableInterface()->cellAt(current.row(), current.column());
    if (!cell)
        return;
    QAccessibleEvent event(table, QAccessible::Focus);
    event.setChild(view->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}

// Told a moment after the table's own focus, which the screen reader first finishes saying: a
// cell told at once as the window opened was at times not read.
void tellCurrentCellSoon(QTableView *table)
{
    QTimer::singleShot(150, table, [table] { tellCurrentCell(table); });
}

QString megabytes(qint64 bytes)
{
    return QCoreApplication::translate("progress::ProgressWindow", "%1 MB")
        .arg(QLocale().toString(double(bytes) / 1e6, 'f', 1));
}

void runJob(ReadJob &job)
{
    for (const Drill &drill : drilltable::Drills) {
        const size_t d = drilltable::indexOf(drill);
        if (!job.files[d])
            continue;
        const QString name = QLatin1String(drill.scores.fileName);
        const QString path = QDir(job.folder).filePath(name);
        // A save holds the lock for a moment: rather than wait long, the file is read again
        // when the save's change is seen.
        const QDeadlineTimer deadline(200);
        const ReadBytes read = readBytes(
            path, job.limit,
            [&deadline] {
                QThread::msleep(2);
                return !deadline.hasExpired();
            },
            Beyond::KeepFirst);
        QByteArrayView bytes = read.bytes;
        if (read.tooLarge)
            bytes = bytes.first(bytes.lastIndexOf('\n') + 1); // the last whole line
        struct stat status = {};
        const quint64 identity =
            ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
        // Where the file is the one read before, with bytes added after those read, only they
        // are read: a save in a drill costs what it wrote.
        const FileReport &before = job.reports[d];
        const std::shared_ptr<const History> &previous = job.histories[d];
        const bool appended =
            previous && read.error.isEmpty() && before.encoding.isEmpty() && before.parsed > 0 &&
            before.identity == identity && bytes.size() >= before.parsed &&
            bytes.sliced(before.parsed - before.tail.size(), before.tail.size()) == before.tail;
        std::shared_ptr<History> history;
        FileReport report;
        if (appended) {
            history = std::make_shared<History>(*previous);
            const FileReport more =
                history->read(drill, bytes.sliced(before.parsed), job.today, &job.progress);
            report = before;
            report.records += more.records;
            for (int i = 0; i < SkipCount; ++i)
                report.skipped[i] += more.skipped[i];
        } else {
            history = std::make_shared<History>();
            if (read.error.isEmpty())
                report = history->read(drill, bytes, job.today, &job.progress);
        }
        report.parsed = read.error.isEmpty() ? bytes.size() : 0;
        report.tail = bytes.last(std::min<qsizetype>(bytes.size(), 4096)).toByteArray();
        report.identity = identity;
        report.fileName = name;
        report.error = read.error;
        report.cut = read.tooLarge;
        report.size = read.missing ? 0 : QFileInfo(path).size();
        job.histories[d] = std::move(history);
        job.reports[d] = std::move(report);
    }
    std::vector<const History *> files;
    for (const auto &one : job.histories) {
        if (one)
            files.push_back(one.get());
    }
    job.view = classView(files, job.roster, job.kind, job.today, job.since, job.only);
    QString name = job.learner.name;
    if (name.isEmpty() && !job.view.learners.empty()) {
        const auto member = std::ranges::find(job.view.learners, true, &ClassRow::inClass);
        name = (member != job.view.learners.end() ? *member : job.view.learners.front()).name;
    }
    job.learner = learnerData(files, job.roster, name, job.view.period, job.only);
}

// The class the folder's class file lists, where it is followed; none where there is no such
// file or it is not followed (the learners are then those who saved).
Roster rosterOf(const QString &folder)
{
    const classroom::ClassFile file = classroom::readClassFile(folder);
    Roster roster;
    if (!file.honoured)
        return roster;
    for (const classroom::Learner &learner : file.list.learners) {
        roster.learners << learner.name;
        for (const QString &former : learner.formerNames)
            roster.renamedTo.insert(former, learner.name);
    }
    for (const classroom::LevelChange &change : file.list.history)
        roster.levels.append({change.learner, change.drill, change.date, change.level});
    roster.name = QDir(folder).dirName();
    return roster;
}

} // namespace

QString levelTitle(const Drill &drill, const QString &name)
{
    const auto level = drilltable::Level::fromName(QString::fromLatin1(drill.key), name);
    return level ? level->title() : name;
}

QString exerciseName(int exercise)
{
    return tr(drilltable::exerciseName(exercise));
}

QString percentText(double percent, int decimals)
{
    return toolkit::percentText(percent / 100, QLocale(), decimals);
}

ProgressWindow::~ProgressWindow()
{
    if (m_thread) {
        m_job->progress.stop = true;
        m_thread->wait();
    }
}

void ProgressWindow::Form_Load()
{
    // The first read is the folder's, below.
    const QSignalBlocker period(cboPeriod), since(datSince);
    datSince->setDate(QDate::currentDate().addMonths(-1));
    cboPeriod->setCurrentIndex(int(PeriodKind::ThisMonth));
    datSince->setEnabled(false);
    lstLearners->installEventFilter(this);
    grdRecords->installEventFilter(this);
    connect(&m_progress, &QTimer::timeout, this, [this] {
        if (m_job && m_job->total >= ShownFrom) {
            prgReading->setMaximum(1000);
            prgReading->setValue(
                int(1000 * m_job->progress.bytes / std::max<qint64>(m_job->total, 1)));
            prgReading->show();
        }
    });
    const QString remembered = QSettings().value(FolderKey).toString();
    showFolder(!remembered.isEmpty() && QDir(remembered).exists() ? remembered
                                                                  : QDir::currentPath());
}

void ProgressWindow::cmdFolder_Click()
{
    const QString folder =
        ModalBoxes::instance().folder(this, tr("Open a Folder of Scores"), m_folder);
    if (!folder.isEmpty()) {
        showFolder(folder);
        QSettings().setValue(FolderKey, folder);
    }
}

void ProgressWindow::cboDrill_Click()
{
    sayChoice(cboDrill);
    reread({});
}

void ProgressWindow::cboPeriod_Click()
{
    sayChoice(cboPeriod);
    datSince->setEnabled(periodKind() == PeriodKind::Since);
    reread({});
}

// Orca says nothing when an arrow key changes a closed list box: the choice is announced.
void ProgressWindow::sayChoice(const QComboBox *box)
{
    if (box->hasFocus())
        announce(this, box->currentText());
}

// A screen reader given the keyboard in a table says the table, not the row it lands on: once the
// table has it, its current cell is told as the arrow keys tell it, which reads the row.
bool ProgressWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *table = qobject_cast<QTableView *>(watched);
    if (table && event->type() == QEvent::FocusIn && QAccessible::isActive())
        tellCurrentCellSoon(table);
    return Form::eventFilter(watched, event);
}

void ProgressWindow::datSince_Change()
{
    if (periodKind() == PeriodKind::Since)
        reread({});
}

void ProgressWindow::lstLearners_Click()
{
    showLearner();
}

void ProgressWindow::showDrill(const Drill *drill)
{
    cboDrill->setCurrentIndex(drill ? int(indexOf(*drill)) + 1 : 0);
}

void ProgressWindow::showFolder(const QString &folder)
{
    m_folder = QDir(folder).absolutePath();
    lblFolder->setText(tr("Scores in %1").arg(QDir::toNativeSeparators(m_folder)));
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_watcher.addPath(m_folder);
    m_roster = rosterOf(m_folder);
    m_files = {};
    m_reports = {};
    FileChoice every;
    every.fill(true);
    reread(every);
}

PeriodKind ProgressWindow::periodKind() const
{
    return PeriodKind(std::max(cboPeriod->currentIndex(), 0));
}

const Drill *ProgressWindow::shownDrill() const
{
    return cboDrill->currentIndex() > 0 ? &drilltable::Drills[cboDrill->currentIndex() - 1]
                                        : nullptr;
}

bool ProgressWindow::reading() const
{
    return m_thread != nullptr;
}

void ProgressWindow::reread(FileChoice files)
{
    if (m_thread) {
        // One read at a time; what changed meanwhile is read once it is done.
        for (size_t i = 0; i < files.size(); ++i)
            m_changed[i] = m_changed[i] || files[i];
        m_again = true;
        return;
    }
    auto job = std::make_shared<ReadJob>();
    job->folder = m_folder;
    job->files = files;
    job->roster = m_roster;
    job->kind = periodKind();
    job->today = QDate::currentDate();
    job->since = datSince->date();
    job->only = shownDrill();
    job->limit = readLimit;
    job->learner.name = learnerName();
    job->reports = m_reports;
    job->histories = m_files;
    for (const Drill &drill : drilltable::Drills) {
        if (files[drilltable::indexOf(drill)])
            job->total +=
                QFileInfo(QDir(m_folder).filePath(QLatin1String(drill.scores.fileName))).size();
    }
    m_job = job;
    m_thread = QThread::create([job] { runJob(*job); });
    connect(m_thread, &QThread::finished, this, &ProgressWindow::readDone);
    m_thread->start();
    m_progress.start();
}

void ProgressWindow::readDone()
{

    m_thread->deleteLater();
    m_thread = nullptr;
    m_progress.stop();
    prgReading->hide();
    const std::shared_ptr<ReadJob> job = std::exchange(m_job, nullptr);
    QStringList watched;
    for (size_t i = 0; i < m_files.size(); ++i) {
        m_files[i] = job->histories[i];
        if (job->files[i])
            m_reports[i] = job->reports[i];
        if (m_reports[i].size > 0 || (m_files[i] && !m_files[i]->records().empty()))
            watched << QDir(m_folder).filePath(m_reports[i].fileName);
    }
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!watched.isEmpty())
        m_watcher.addPaths(watched);
    const QString chosen = learnerName();
    m_rows.clear(); // they point into the view
    m_view = std::move(job->view);
    m_learner = std::move(job->learner);
    showReports();
    showClass(chosen);
    if (std::exchange(m_again, false))
        reread(std::exchange(m_changed, {}));
}

void ProgressWindow::showReports()
{
    QStringList problems;
    for (const FileReport &report : m_reports) {
        if (report.fileName.isEmpty())
            continue;
        if (!report.error.isEmpty()) {
            problems << tr("\"%1\" could not be read. %2").arg(report.fileName, report.error);
            continue;
        }
        QStringList why;
        const auto count = [&](Skip skip, const char *one, const char *many) {
            const qsizetype n = report.skipped[int(skip)];
            if (n > 0)
                why << (n == 1 ? tr(one) : tr(many).arg(QLocale().toString(n)));
        };
        count(Skip::NotARecord,
              QT_TRANSLATE_NOOP("progress::ProgressWindow", "1 line is not a score"),
              QT_TRANSLATE_NOOP("progress::ProgressWindow", "%1 lines are not scores"));
        count(Skip::Unreadable,
              QT_TRANSLATE_NOOP("progress::ProgressWindow", "1 date cannot be read"),
              QT_TRANSLATE_NOOP("progress::ProgressWindow", "%1 dates cannot be read"));
        count(Skip::Ambiguous,
              QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                "1 date typed by hand could be either day or month first"),
              QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                "%1 dates typed by hand could be either day or month first"));
        count(Skip::Future, QT_TRANSLATE_NOOP("progress::ProgressWindow", "1 date is after today"),
              QT_TRANSLATE_NOOP("progress::ProgressWindow", "%1 dates are after today"));
        if (!report.encoding.isEmpty())
            why.prepend(tr("it is written in %1, not as Sumbrook writes it; read as such")
                            .arg(report.encoding));
        if (report.cut)
            why.prepend(tr("it holds %1; the first %2 were read")
                            .arg(megabytes(report.size), megabytes(readLimit)));
        if (!why.isEmpty())
            //: A file's name, then what was skipped in it and why, separated by "; ".
            problems << tr("%1: %2.").arg(report.fileName, why.join(tr("; ")));
    }
    lblNotScores->setText(problems.join(u' '));
}

std::vector<int> ProgressWindow::shownExercises() const
{
    std::vector<int> shown;
    for (int i = 0; i < ExerciseCount; ++i) {
        if (!shownDrill() || &drilltable::drillOfExercise(i) == shownDrill())
            shown.push_back(i);
    }
    return shown;
}

QString ProgressWindow::learnerName() const
{
    const int row = m_sorted->mapToSource(lstLearners->currentIndex()).row();
    return row >= 0 && row < int(m_rows.size()) && m_rows[row] != &m_view.average
               ? m_rows[row]->name
               : QString();
}

QString ProgressWindow::periodText() const
{
    const QLocale locale;
    return tr("%1 to %2")
        .arg(locale.toString(m_view.period.from, QLocale::ShortFormat),
             locale.toString(m_view.period.to, QLocale::ShortFormat));
}

namespace {

QString changeText(const DrillTally &tally)
{
    const auto now = tally.now.average(), before = tally.before.average();
    if (!now || !before)
        return {};
    const double points = std::round((*now - *before) * 10) / 10;
    const QString amount = QLocale().toString(std::abs(points), 'f', 1);
    if (points > 0)
        //: A rise in percentage points: the sign, the number, then the word.
        return QCoreApplication::translate("progress::ProgressWindow", "+%1 up").arg(amount);
    if (points < 0)
        return QCoreApplication::translate("progress::ProgressWindow", "−%1 down").arg(amount);
    return QCoreApplication::translate("progress::ProgressWindow", "±0 same");
}

QString averageText(const Tally &tally)
{
    const auto average = tally.average();
    if (!average)
        return {};
    if (tally.questions == 0)
        return percentText(*average, 1);
    //: An average percentage, then the right answers out of the questions.
    return QCoreApplication::translate("progress::ProgressWindow", "%1 (%2 of %3)")
        .arg(percentText(*average, 1), QLocale().toString(tally.right),
             QLocale().toString(tally.questions));
}

} // namespace

void ProgressWindow::showClass(const QString &chosen)
{
    std::vector<const Drill *> drills;
    for (const Drill &drill : drilltable::Drills) {
        if (!shownDrill() || shownDrill() == &drill)
            drills.push_back(&drill);
    }
    QStringList headers{tr("Learner")};
    for (const Drill *drill : drills)
        headers << drilltable::title(*drill) << tr("%1: change").arg(drilltable::title(*drill));
    headers << tr("Days practised") << tr("Last practised");
    // The class, its average, then those not in it: the order before any sorting.
    m_rows.clear();
    for (const ClassRow &learner : m_view.learners) {
        if (learner.inClass)
            m_rows.push_back(&learner);
    }
    m_rows.push_back(&m_view.average);
    for (const ClassRow &learner : m_view.learners) {
        if (!learner.inClass)
            m_rows.push_back(&learner);
    }
    const int rows = int(m_rows.size());
    const auto rowOf = [this](int row) -> const ClassRow & { return *m_rows[row]; };
    const int last = int(headers.size()) - 1;
    m_classTable->show(
        headers, rows,
        [=, this](int row, int column) {
            const ClassRow &learner = rowOf(row);
            if (column == 0) {
                if (&learner == &m_view.average)
                    return tr("Class average");
                return learner.inClass ? learner.name
                                       : tr("%1 (not in the class)").arg(learner.name);
            }
            if (column == last)
                return QLocale().toString(learner.last, QLocale::ShortFormat);
            if (column == last - 1)
                return &learner == &m_view.average ? QLocale().toString(learner.days, 'f', 1)
                                                   : QLocale().toString(int(learner.days));
            const DrillTally &tally =
                learner.drills[drilltable::indexOf(*drills[(column - 1) / 2])];
            return (column - 1) % 2 == 0 ? averageText(tally.now) : changeText(tally);
        },
        [=](int row, int column) -> QVariant {
            const ClassRow &learner = rowOf(row);
            if (column == 0)
                return learner.name;
            if (column == last)
                return learner.last.isValid() ? learner.last.toJulianDay() : 0;
            if (column == last - 1)
                return learner.days;
            const DrillTally &tally =
                learner.drills[drilltable::indexOf(*drills[(column - 1) / 2])];
            const auto now = tally.now.average(), before = tally.before.average();
            if ((column - 1) % 2 == 0)
                return now.value_or(-1);
            return now && before ? *now - *before : -1000.0;
        },
        [this](int row, int) -> QVariant {
            return m_rows[row] == &m_view.average ? 1 : m_rows[row]->inClass ? 0 : 2;
        });
    lstLearners->resizeColumnsToContents();

    // The same learner stays chosen, whether or not the table has the keyboard.
    int row = -1;
    for (int i = 0; i < rows && row < 0; ++i) {
        if (m_rows[i] != &m_view.average && (m_rows[i]->name == chosen || chosen.isEmpty()))
            row = i;
    }
    if (row >= 0) {
        const QSignalBlocker once(lstLearners->selectionModel()); // shown just below
        lstLearners->setCurrentIndex(m_sorted->mapFromSource(m_classTable->index(row, 0)));
        // The first row a window opened on the class lands on is read, as a row tabbed onto.
        if (chosen.isEmpty() && lstLearners->hasFocus() && QAccessible::isActive())
            tellCurrentCellSoon(lstLearners);
    }
    showLearner();
}

void ProgressWindow::showLearner()
{
    const QString name = learnerName();
    std::vector<const History *> files;
    for (const auto &one : m_files) {
        if (one)
            files.push_back(one.get());
    }
    // The read worked out the learner chosen then; another is worked out here.
    if (m_learner.name != name || m_learner.period != m_view.period)
        m_learner = learnerData(files, m_roster, name, m_view.period, shownDrill());

    m_recordTable->show(
        {tr("Date"), tr("Exercise"), tr("Percentage"), tr("Right answers"), tr("Level")},
        int(m_learner.lines.size()), [this](int row, int column) {
            const LearnerData::Line &line = m_learner.lines[row];
            switch (column) {
            case 0:
                return QLocale().toString(line.date, QLocale::ShortFormat);
            case 1:
                return exerciseName(line.exercise);
            case 2:
                return line.result.scored ? percentText(line.result.percent) : tr("no percentage");
            case 3:
                if (line.result.answered < 0)
                    return QString();
                return line.result.scored ? tr("%1 of %2")
                                                .arg(QLocale().toString(rightOf(line.result)),
                                                     QLocale().toString(line.result.answered))
                                          : QLocale().toString(line.result.answered);
            }
            return line.level ? levelTitle(drilltable::drillOfExercise(line.exercise), *line.level)
                              : QString();
        });
    grdRecords->resizeColumnsToContents();

    ChartPicture picture;
    picture.period = m_view.period;
    picture.exercises = m_learner.weeks;
    for (const ExerciseWeeks &one : picture.exercises)
        picture.names << exerciseName(one.exercise);
    picture.emptyText = tr("No scores in this period.");
    picture.locale = QLocale();
    picChart->show(std::move(picture));
    const QString words = trend();
    lblTrend->setText(words);
    picChart->setAccessibleName(tr("Chart: %1's results in per cent").arg(name));
    picChart->setAccessibleDescription(words);
}

QString ProgressWindow::trend() const
{
    const QString name = learnerName();
    const auto found = std::ranges::find(m_view.learners, name, &ClassRow::name);
    if (name.isEmpty() || found == m_view.learners.end())
        return tr("No scores in this period.");
    QStringList words;
    for (const Drill &drill : drilltable::Drills) {
        if (shownDrill() && shownDrill() != &drill)
            continue;
        const DrillTally &tally = found->drills[drilltable::indexOf(drill)];
        const auto now = tally.now.average(), before = tally.before.average();
        if (!now)
            continue;
        const QString saves = tally.now.saves == 1
                                  ? tr("in 1 save")
                                  : tr("in %1 saves").arg(QLocale().toString(tally.now.saves));
        if (!before)
            words << tr("%1: %2 %3, none the period before")
                         .arg(drilltable::title(drill), averageText(tally.now), saves);
        else
            words << tr("%1: %2 %3, %4 from %5 the period before")
                         .arg(drilltable::title(drill), averageText(tally.now), saves,
                              *now >= *before ? tr("up") : tr("down"), percentText(*before, 1));
    }
    if (words.isEmpty())
        return tr("No scores in this period.");
    return words.join(tr("; ")) + u'.';
}

void showProgress(const Drill *drill)
{
    auto *window = static_cast<ProgressWindow *>(frmProgress().show());
    window->showDrill(drill);
    // The keyboard starts in the class, on the learner chosen before.
    window->lstLearners->setFocus();
}

} // namespace progress
