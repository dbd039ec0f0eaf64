// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window frmProgress: each learner's scores over time, read from the four score files
// of a folder, which it never writes. A list of learners, and for the chosen one a chart and the
// table of their records, which can be saved for a teacher as CSV and as PDF.
#pragma once

#include "chart.h"
#include "scorehistory.h"

#include "toolkit/forms/form.h"
#include "toolkit/forms/windowinstance.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace progress {

class TextTable;

class ProgressWindow : public toolkit::Form
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);
    ~ProgressWindow() override;

    void Form_Load() override;
    void cmdFolder_Click();
    void cboDrill_Click();
    void lstLearners_Click();
    void cmdSaveTable_Click();
    void cmdSavePdf_Click();

    // Shows the scores of the folder, and remembers it for the next time the window opens.
    void showFolder(const QString &folder);
    // Shows one drill's exercises, or every drill's.
    void showDrill(const Drill *drill);
    // The chosen learner's table, as a spreadsheet reads it, and with the chart as PDF.
    bool saveTable(const QString &fileName) const;
    bool savePdf(const QString &fileName) const;
    // Writes an export whole, or says why it could not.
    bool writeExportFile(const QString &fileName, const QByteArray &bytes) const;

    // The trend of the chosen learner's exercises in words, as the chart describes itself.
    QString trend() const;

    static const toolkit::WindowDesign Design;

    QLabel *lblFolder = nullptr;
    QPushButton *cmdFolder = nullptr;
    QComboBox *cboDrill = nullptr;
    QTableView *lstLearners = nullptr;
    QLabel *lblTrend = nullptr;
    QTableView *grdRecords = nullptr;
    QLabel *lblNotScores = nullptr;
    QPushButton *cmdSaveTable = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QWidget *picChart = nullptr; // the chart, or a word where its module is missing

private:
    // One line of the chosen learner's table: one exercise of one record.
    struct Line
    {
        QDate date;
        int exercise;
        Result result;
    };

    void reread();
    void showLearners();
    void showLearner();
    QString learnerName() const;
    std::vector<int> shownExercises() const;

    QString m_folder;
    History m_history;
    std::vector<LearnerSummary> m_learners;
    std::vector<Line> m_lines;
    TextTable *m_learnerTable;
    TextTable *m_recordTable;
    std::unique_ptr<Chart> m_chart;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a save's writes come as several changes: read once they have settled
};

toolkit::WindowInstance &frmProgress();

// Opens the window, on one drill's exercises or, given none, on every drill's.
void showProgress(const Drill *drill = nullptr);

// An exercise's name in the window's language: "Addition, 2 numbers", "Division".
QString exerciseName(int exercise);
// A percentage as the learner's language writes it: "85 %", "66,67 %".
QString percentText(double percent);

} // namespace progress
