// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the Progress window, the constructor that builds the window from it, and its
// instance.
#include "progresswindow.h"

#include "texttable.h"

#include "toolkit/forms/binding.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace progress {

using namespace toolkit;

namespace {

// Where a control stands: the bar above, the learners' list, the chosen learner's column, the bar
// below. The window is new to the program and grows with its frame, so it is laid out, not placed.
enum class Place : std::uint8_t { Top, Learners, Learner, Bottom };
enum class Part : std::uint8_t { Label, Button, Choice, Table };

struct PartRow
{
    Part kind = Part::Label;
    const char *name = nullptr;
    Place place = Place::Top;
    const char *caption = "";
    const char *accessibleName = nullptr;
    const char *description = nullptr;
    MemberBinder member = {};
    Handler handler = nullptr; // a button's click, a choice's change
};

// clang-format off
constexpr PartRow Rows[] = {
    {.kind = Part::Label, .name = "lblFolder", .place = Place::Top,
     .member = bindTo<&ProgressWindow::lblFolder>},
    {.kind = Part::Button, .name = "cmdFolder", .place = Place::Top,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Open &Folder..."),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "shows the scores saved in another folder"),
     .member = bindTo<&ProgressWindow::cmdFolder>, .handler = on<&ProgressWindow::cmdFolder_Click>},
    {.kind = Part::Choice, .name = "cboDrill", .place = Place::Top,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "drill"),
     .member = bindTo<&ProgressWindow::cboDrill>, .handler = on<&ProgressWindow::cboDrill_Click>},
    {.kind = Part::Table, .name = "lstLearners", .place = Place::Learners,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "learners"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "each learner's saves, last day, and latest and best "
                                      "percentage; choose one to see their progress"),
     .member = bindTo<&ProgressWindow::lstLearners>},
    {.kind = Part::Label, .name = "lblTrend", .place = Place::Learner,
     .member = bindTo<&ProgressWindow::lblTrend>},
    {.kind = Part::Table, .name = "grdRecords", .place = Place::Learner,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "records"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "the chosen learner's saved scores, as the chart shows "
                                      "them"),
     .member = bindTo<&ProgressWindow::grdRecords>},
    {.kind = Part::Label, .name = "lblNotScores", .place = Place::Bottom,
     .member = bindTo<&ProgressWindow::lblNotScores>},
    {.kind = Part::Button, .name = "cmdSaveTable", .place = Place::Bottom,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Save &Table..."),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "saves the table for a spreadsheet"),
     .member = bindTo<&ProgressWindow::cmdSaveTable>,
     .handler = on<&ProgressWindow::cmdSaveTable_Click>},
    {.kind = Part::Button, .name = "cmdSavePdf", .place = Place::Bottom,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Save as &PDF..."),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "saves the chart and the table to print"),
     .member = bindTo<&ProgressWindow::cmdSavePdf>,
     .handler = on<&ProgressWindow::cmdSavePdf_Click>},
};

// clang-format on

} // namespace

const WindowDesign ProgressWindow::Design{.name = "frmProgress",
                                          .caption = QT_TR_NOOP("Progress"),
                                          .clientArea = {12000, 7200},
                                          .icon = "target"};

ProgressWindow::ProgressWindow(QWidget *parent)
    : Form(Design, parent)
    , m_learnerTable(new TextTable(this))
    , m_recordTable(new TextTable(this))
{
    setWindowTitle(tr(Design.caption));
    auto *top = new QHBoxLayout;
    auto *learner = new QVBoxLayout;
    auto *bottom = new QHBoxLayout;
    auto *split = new QSplitter(this);
    auto *learnerColumn = new QWidget(split);
    learnerColumn->setLayout(learner);
    learner->setContentsMargins({});
    for (const PartRow &row : Rows) {
        QWidget *part = nullptr;
        switch (row.kind) {
        case Part::Label:
            part = new QLabel(this);
            static_cast<QLabel *>(part)->setWordWrap(true);
            break;
        case Part::Button:
            part = new QPushButton(tr(row.caption), this);
            connect(static_cast<QPushButton *>(part), &QPushButton::clicked, this,
                    [this, h = row.handler] { h(*this); });
            break;
        case Part::Choice: {
            auto *choice = new QComboBox(this);
            choice->addItem(tr("All drills"));
            for (const drilltable::Drill &drill : drilltable::Drills)
                choice->addItem(tr(drill.progressName));
            connect(choice, &QComboBox::currentIndexChanged, this,
                    [this, h = row.handler] { h(*this); });
            part = choice;
            break;
        }
        case Part::Table: {
            auto *table = new QTableView(this);
            table->setSelectionBehavior(QAbstractItemView::SelectRows);
            table->setSelectionMode(QAbstractItemView::SingleSelection);
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
            table->verticalHeader()->hide();
            table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
            table->setTabKeyNavigation(false);
            part = table;
            break;
        }
        }
        part->setObjectName(QString::fromLatin1(row.name));
        if (row.accessibleName)
            part->setAccessibleName(tr(row.accessibleName));
        if (row.description)
            part->setAccessibleDescription(tr(row.description));
        row.member(*this, part);
        switch (row.place) {
        case Place::Top:
            top->addWidget(part, row.kind == Part::Label ? 1 : 0);
            break;
        case Place::Learners:
            split->insertWidget(0, part);
            break;
        case Place::Learner:
            learner->addWidget(part, row.kind == Part::Table ? 1 : 0);
            break;
        case Place::Bottom:
            bottom->addWidget(part, row.kind == Part::Label ? 1 : 0);
            break;
        }
    }
    requireBound<&ProgressWindow::lblFolder, &ProgressWindow::cmdFolder, &ProgressWindow::cboDrill,
                 &ProgressWindow::lstLearners, &ProgressWindow::lblTrend,
                 &ProgressWindow::grdRecords, &ProgressWindow::lblNotScores,
                 &ProgressWindow::cmdSaveTable, &ProgressWindow::cmdSavePdf>(*this);
    // The learners' columns, one per exercise, want about as much room as the chart.
    split->setStretchFactor(0, 4);
    split->setStretchFactor(1, 5);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    lstLearners->setModel(m_learnerTable);
    grdRecords->setModel(m_recordTable);
    connect(lstLearners->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ProgressWindow::lstLearners_Click);

    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, &ProgressWindow::reread);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
}

namespace {
toolkit::WindowInstance g_instance([] { return new ProgressWindow; });
}

toolkit::WindowInstance &frmProgress()
{
    return g_instance;
}

} // namespace progress
