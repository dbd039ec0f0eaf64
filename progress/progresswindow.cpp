// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progresswindow.h"

#include "texttable.h"

#include "toolkit/application.h"
#include "toolkit/files/lockedfile.h"
#include "toolkit/files/replacefile.h"
#include "toolkit/forms/binding.h"
#include "toolkit/forms/dialogs.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QLibrary>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

namespace progress {

using namespace toolkit;

namespace {

constexpr auto FolderKey = "progress/folder";
// Far more than the viewer shows: a file it could not show is still read here.
constexpr qint64 ReadLimit = qint64(256) << 20;

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("progress::ProgressWindow", text, nullptr, n);
}

// The chart module, loaded once, from beside the program (or the build folder's tests and
// benchmarks one below it) or from where the package installs it.
MakeChart chartMaker()
{
    static const MakeChart make = [] {
        const QString here = QCoreApplication::applicationDirPath();
        for (const QString &folder :
             {here, here + QStringLiteral("/.."), QStringLiteral(SUMBROOK_MODULE_DIR)}) {
            QLibrary module(folder + u'/' + QLatin1String(ChartModule));
            if (auto make = reinterpret_cast<MakeChart>(module.resolve(MakeChartName)))
                return make;
        }
        return MakeChart(nullptr);
    }();
    return make;
}

// The learner's name as a file's, proposed in the teacher's documents: only letters, digits,
// blanks and a few marks, so no name a pupil typed can name another folder, a list of files or a
// hidden file, or mean anything to a shell.
QString fileNameFor(const QString &learner, const char *suffix)
{
    QString name;
    for (const QChar c : learner)
        name += c.isLetterOrNumber() || c == u' ' || c == u'-' || c == u'_' ? c : QChar(u'_');
    name = name.simplified();
    while (name.startsWith(u'-') || name.startsWith(u'_'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QCoreApplication::translate("progress::ProgressWindow", "Progress");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(QDir(documents).exists() ? documents : QDir::homePath())
        .filePath(name.left(100) + QLatin1String(suffix));
}

// A cell as a spreadsheet reads it: one that would begin a formula (=, +, -, @, a tab or a line
// end) begins with an apostrophe instead, so opening the file runs nothing; numbers stay numbers.
QString csvField(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    QString cell = text;
    if (!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()) &&
        !number.match(cell).hasMatch())
        cell.prepend(u'\'');
    if (!cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\n') &&
        !cell.contains(u'\r'))
        return cell;
    return u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QString exerciseName(int exercise)
{
    return tr(drilltable::exerciseName(exercise));
}

QString percentText(double percent)
{
    //: A percentage: the number, then the per cent sign as the language writes it.
    return QCoreApplication::translate("progress::ProgressWindow", "%1 %")
        .arg(QLocale().toString(percent, 'f', QLocale::FloatingPointShortest));
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::Form_Load()
{
    // The chart's library is loaded here, not when the window is made: the program prepares every
    // window unseen after it starts, and needs no chart for that.
    if (const MakeChart make = chartMaker()) {
        m_chart.reset(make(this));
        picChart = m_chart->widget();
    } else {
        auto *missing = new QLabel(tr("The chart cannot be drawn: its module is missing. The table "
                                      "below holds every score."),
                                   this);
        missing->setObjectName(QStringLiteral("picChart"));
        missing->setWordWrap(true);
        picChart = missing;
    }
    picChart->setMinimumHeight(200);
    static_cast<QVBoxLayout *>(lblTrend->parentWidget()->layout())->insertWidget(0, picChart, 2);

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
    showLearners();
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
    reread();
}

void ProgressWindow::reread()
{
    History history;
    QStringList problems;
    QStringList watched;
    for (const Drill &drill : drilltable::Drills) {
        const QString path = QDir(m_folder).filePath(QLatin1String(drill.scores.fileName));
        // A save holds the lock for a moment: rather than keep the window waiting, the file is
        // read again when the save's change is seen.
        const QDeadlineTimer deadline(200);
        const ReadBytes read = readBytes(path, ReadLimit, [&deadline] {
            QThread::msleep(2);
            return !deadline.hasExpired();
        });
        if (!read.missing)
            watched << path;
        if (!read.error.isEmpty())
            problems << tr("\"%1\" could not be read: %2")
                            .arg(QLatin1String(drill.scores.fileName), read.error);
        else
            history.read(drill, read.bytes);
    }
    m_history = std::move(history);
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!watched.isEmpty())
        m_watcher.addPaths(watched);

    if (m_history.notScores() > 0)
        problems.prepend(
            m_history.notScores() == 1
                ? tr("1 line is not a score.")
                : tr("%1 lines are not scores.").arg(QLocale().toString(m_history.notScores())));
    lblNotScores->setText(problems.join(u' '));
    showLearners();
}

std::vector<int> ProgressWindow::shownExercises() const
{
    std::vector<int> shown;
    for (int i = 0; i < ExerciseCount; ++i) {
        if (cboDrill->currentIndex() == 0 ||
            int(indexOf(drilltable::drillOfExercise(i))) + 1 == cboDrill->currentIndex())
            shown.push_back(i);
    }
    return shown;
}

QString ProgressWindow::learnerName() const
{
    const int row = lstLearners->currentIndex().row();
    return row >= 0 && row < int(m_learners.size()) ? m_learners[row].name : QString();
}

void ProgressWindow::showLearners()
{
    const QString chosen = learnerName();
    m_learners = summarize(m_history);
    const std::vector<int> shown = shownExercises();
    QStringList headers{tr("Learner"), tr("Saves"), tr("Last saved")};
    for (const int exercise : shown)
        headers << exerciseName(exercise);
    m_learnerTable->show(headers, int(m_learners.size()), [this, shown](int row, int column) {
        const LearnerSummary &learner = m_learners[row];
        switch (column) {
        case 0:
            return learner.name;
        case 1:
            return QLocale().toString(learner.saves);
        case 2:
            return QLocale().toString(learner.last, QLocale::ShortFormat);
        }
        const ExerciseSummary &exercise = learner.exercises[shown[column - 3]];
        if (exercise.scored == 0)
            return QString();
        //: A learner's latest percentage in an exercise, then their best.
        return tr("%1, best %2").arg(percentText(exercise.latest), percentText(exercise.best));
    });
    lstLearners->resizeColumnsToContents();

    const auto again = std::ranges::find(m_learners, chosen, &LearnerSummary::name);
    const int row = again != m_learners.end() ? int(again - m_learners.begin())
                    : m_learners.empty()      ? -1
                                              : 0;
    if (row >= 0)
        lstLearners->setCurrentIndex(m_learnerTable->index(row, 0));
    showLearner();
}

void ProgressWindow::showLearner()
{
    const int row = lstLearners->currentIndex().row();
    const std::vector<int> shown = shownExercises();
    m_lines.clear();
    if (row >= 0 && row < int(m_learners.size())) {
        const int learner = m_learners[row].learner;
        for (const Record &record : m_history.records()) {
            if (record.learner != learner)
                continue;
            for (int i = 0; i < record.drill->exercises(); ++i) {
                const int exercise = exerciseIndex(*record.drill, i);
                if (std::ranges::find(shown, exercise) != shown.end())
                    m_lines.push_back({record.date, exercise, record.results[i]});
            }
        }
    }
    // In the order of the days; saves of one day in the order they were made.
    std::ranges::stable_sort(m_lines, {}, &Line::date);

    m_recordTable->show(
        {tr("Date"), tr("Exercise"), tr("Percentage"), tr("Questions")}, int(m_lines.size()),
        [this](int row, int column) {
            const Line &line = m_lines[row];
            switch (column) {
            case 0:
                return QLocale().toString(line.date, QLocale::ShortFormat);
            case 1:
                return exerciseName(line.exercise);
            case 2:
                return line.result.scored ? percentText(line.result.percent) : tr("not scored");
            }
            return line.result.answered < 0 ? QString() : QLocale().toString(line.result.answered);
        });
    grdRecords->resizeColumnsToContents();

    QList<ChartSeries> series;
    for (const int exercise : shown) {
        ChartSeries one{exerciseName(exercise), {}};
        for (const Line &line : m_lines) {
            if (line.exercise == exercise && line.result.scored)
                one.points.append({double(QDateTime(line.date, QTime(12, 0)).toMSecsSinceEpoch()),
                                   line.result.percent});
        }
        if (!one.points.isEmpty())
            series.append(one);
    }
    if (m_chart)
        m_chart->show(series, {tr("Date"), tr("Percentage"), QLocale()});
    const QString words = trend();
    lblTrend->setText(words);
    picChart->setAccessibleName(tr("Chart of %1's percentages").arg(learnerName()));
    picChart->setAccessibleDescription(words);
}

QString ProgressWindow::trend() const
{
    const int row = lstLearners->currentIndex().row();
    if (row < 0 || row >= int(m_learners.size()))
        return tr("No scores saved yet.");
    QStringList words;
    for (const int exercise : shownExercises()) {
        const ExerciseSummary &summary = m_learners[row].exercises[exercise];
        if (summary.scored > 0)
            words << (summary.scored == 1
                          ? tr("%1: %2 in 1 save")
                                .arg(exerciseName(exercise), percentText(summary.latest))
                          : tr("%1: from %2 to %3 in %4 saves")
                                .arg(exerciseName(exercise), percentText(summary.first),
                                     percentText(summary.latest),
                                     QLocale().toString(summary.scored)));
    }
    return words.isEmpty() ? tr("No scores saved yet.") : words.join(QStringLiteral("; ")) + u'.';
}

void ProgressWindow::cmdSaveTable_Click()
{
    const QString fileName = ModalBoxes::instance().saveFileName(
        this, tr("Save the Table"), fileNameFor(learnerName(), ".csv"), tr("Spreadsheet (*.csv)"));
    if (!fileName.isEmpty())
        saveTable(fileName);
}

void ProgressWindow::cmdSavePdf_Click()
{
    const QString fileName = ModalBoxes::instance().saveFileName(
        this, tr("Save as PDF"), fileNameFor(learnerName(), ".pdf"), tr("PDF (*.pdf)"));
    if (!fileName.isEmpty())
        savePdf(fileName);
}

bool ProgressWindow::saveTable(const QString &fileName) const
{
    // Spreadsheets take a file with a byte-order mark as UTF-8, and dates and numbers written
    // the one way they all read.
    QString text =
        QChar(0xFEFF) +
        QStringList{tr("Learner"), tr("Date"), tr("Exercise"), tr("Percentage"), tr("Questions")}
            .join(u',') +
        QStringLiteral("\r\n");
    const QString name = csvField(learnerName());
    for (const Line &line : m_lines) {
        text +=
            QStringList{
                name, line.date.toString(Qt::ISODate), csvField(exerciseName(line.exercise)),
                line.result.scored ? csvField(QString::number(line.result.percent)) : QString(),
                line.result.answered < 0 ? QString() : QString::number(line.result.answered)}
                .join(u',') +
            QStringLiteral("\r\n");
    }
    return writeExportFile(fileName, text.toUtf8());
}

bool ProgressWindow::writeExportFile(const QString &fileName, const QByteArray &bytes) const
{
    const QString error = toolkit::writeWholeFile(fileName, bytes);
    if (!error.isEmpty())
        ModalBoxes::instance().message(const_cast<ProgressWindow *>(this),
                                       tr("\"%1\" could not be saved. %2").arg(fileName, error),
                                       QString::fromLatin1(ApplicationTitle), QMessageBox::Ok,
                                       QMessageBox::Ok, QMessageBox::Warning);
    return error.isEmpty();
}

bool ProgressWindow::savePdf(const QString &fileName) const
{
    // QPdfWriter is Qt's PDF engine without the print dialogs: no print support library loads
    // with the program.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter printer(&pdf);
    printer.setResolution(300);
    printer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::MetricSystem
                                      ? QPageSize::A4
                                      : QPageSize::Letter));
    printer.setTitle(tr("Progress of %1").arg(learnerName()));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font = this->font();
    font.setPointSizeF(11);
    painter.setFont(font);
    const double lineHeight = painter.fontMetrics().height() * 1.3;
    double y = 0;
    const auto write = [&](const QString &text, int flags = Qt::TextWordWrap) {
        const QRectF box =
            painter.boundingRect(QRectF(0, y, page.width(), page.height()), flags, text);
        painter.drawText(box, flags, text);
        y += box.height() + lineHeight * 0.3;
    };

    QFont title = font;
    title.setPointSizeF(16);
    title.setBold(true);
    painter.setFont(title);
    write(tr("Progress of %1").arg(learnerName()) + QStringLiteral(" - ") +
          cboDrill->currentText());
    painter.setFont(font);

    // The chart as drawn on screen, scaled to the page's width: lines stay lines in the PDF.
    if (m_chart) {
        const QSize shown = picChart->size().isEmpty() ? QSize(800, 400) : picChart->size();
        const double scale =
            std::min(page.width() / shown.width(), page.height() * 0.45 / shown.height());
        painter.save();
        painter.translate(0, y);
        painter.scale(scale, scale);
        picChart->render(&painter, {}, {}, QWidget::DrawChildren);
        painter.restore();
        y += shown.height() * scale + lineHeight;
    }
    write(trend());

    // The table: its columns at fixed places, a page at a time.
    const QStringList headers = m_recordTable->headers();
    const double columns[] = {0, 0.2, 0.55, 0.75};
    const auto row = [&](const QStringList &cells) {
        if (y + lineHeight > page.height()) {
            printer.newPage();
            y = 0;
        }
        for (int c = 0; c < cells.size(); ++c)
            painter.drawText(QRectF(columns[c] * page.width(), y, page.width() * 0.35, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, cells[c]);
        y += lineHeight;
    };
    font.setBold(true);
    painter.setFont(font);
    row(headers);
    font.setBold(false);
    painter.setFont(font);
    for (int r = 0; r < m_recordTable->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < headers.size(); ++c)
            cells << m_recordTable->cell(r, c);
        row(cells);
    }
    return painter.end() && writeExportFile(fileName, pdf.data());
}

void showProgress(const Drill *drill)
{
    static_cast<ProgressWindow *>(frmProgress().show())->showDrill(drill);
}

} // namespace progress
