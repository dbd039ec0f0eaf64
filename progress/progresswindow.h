// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window frmProgress: the class at a glance and each learner over a period, read in
// the background from the four score files of a folder, which it never writes. The class table,
// a learner's chart and records, saved for a teacher as CSV and as PDF.
#pragma once

#include "classview.h"
#include "scorehistory.h"

#include "toolkit/forms/form.h"
#include "toolkit/forms/windowinstance.h"

#include <QFileSystemWatcher>
#include <QPointer>
#include <QTimer>

#include <memory>

class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QThread;

namespace progress {

class ChartView;
class TextTable;
struct ReadJob;

// One for each drill's score file, in the table's order.
using Files = std::array<std::shared_ptr<const History>, drilltable::DrillCount>;
using FileChoice = std::array<bool, drilltable::DrillCount>;
using Reports = std::array<FileReport, drilltable::DrillCount>;

class ProgressWindow : public toolkit::Form
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);
    ~ProgressWindow() override;

    void Form_Load() override;

    // Shows the scores of the folder, and remembers it for the next time the window opens.
    void showFolder(const QString &folder);
    // Shows one drill's exercises, or every drill's.
    void showDrill(const Drill *drill);
    // The class table, or the chosen learner's records, as a spreadsheet reads it; and as PDF
    // with the chart.
    QByteArray tableBytes() const;
    QByteArray pdfBytes() const;
    bool saveTable(const QString &fileName);
    bool savePdf(const QString &fileName);
    bool reading() const;

    // The chosen learner's period in words, compared with the period before.
    QString trend() const;

    static const toolkit::WindowDesign Design;
    static const toolkit::ControlRow Rows[]; // in progressdesign.cpp

    QLabel *lblFolder = nullptr;
    QPushButton *cmdFolder = nullptr;
    QComboBox *cboDrill = nullptr;
    QComboBox *cboPeriod = nullptr;
    QDateEdit *datSince = nullptr;
    QTabWidget *tabViews = nullptr;
    QTableView *lstLearners = nullptr;
    QLabel *lblTrend = nullptr;
    QTableView *grdRecords = nullptr;
    QProgressBar *prgReading = nullptr;
    QLabel *lblNotScores = nullptr;
    QPushButton *cmdSaveTable = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    ChartView *picChart = nullptr;

    // Far more than the viewer shows: a larger file is read up to here, its records kept.
    qint64 readLimit = 256'000'000;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Its controls' handlers, which the rows connect.
    void cmdFolder_Click();
    void cboDrill_Click();
    void cboPeriod_Click();
    void datSince_Change();
    void lstLearners_Click();
    void cmdSaveTable_Click();
    void cmdSavePdf_Click();

    void reread(FileChoice files);
    void readDone();
    void showClass(const QString &chosen);
    void showLearner();
    void showReports();
    void sayChoice(const QComboBox *box);
    QString learnerName() const;
    const Drill *shownDrill() const; // null for every drill
    std::vector<int> shownExercises() const;
    PeriodKind periodKind() const;
    // Writes an export whole and says so, or says why it could not.
    bool writeExportFile(const QString &path, const QByteArray &bytes);
    QString periodText() const;

    QString m_folder;
    Roster m_roster;
    Files m_files;
    Reports m_reports;
    ClassView m_view;
    std::vector<const ClassRow *> m_rows; // the class table's, before sorting
    LearnerData m_learner;
    TextTable *m_classTable;
    QSortFilterProxyModel *m_sorted;
    TextTable *m_recordTable;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a save's writes come as several changes: read once they have settled
    QTimer m_progress;
    FileChoice m_changed{};
    std::shared_ptr<ReadJob> m_job;
    QThread *m_thread = nullptr;
    bool m_again = false;
};

toolkit::WindowInstance &frmProgress();

// Opens the window, on one drill's exercises or, given none, on every drill's.
void showProgress(const Drill *drill = nullptr);

// A level as a teacher reads it ("Sums to 10"); one this program does not know, as written.
QString levelTitle(const Drill &drill, const QString &name);
// An exercise's name in the window's language: "Addition, 2 numbers", "Division".
QString exerciseName(int exercise);
// A percentage (85 for 85%) as the drills write it, to a count of decimals: "85%", "66,7 %".
QString percentText(double percent, int decimals = 0);

} // namespace progress
