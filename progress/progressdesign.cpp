// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the Progress window, the constructor that builds the window from it, and its
// instance.
#include "progresswindow.h"

#include "chartpaint.h"
#include "texttable.h"

#include "toolkit/forms/binding.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace progress {

using namespace toolkit;

namespace {

// clang-format off
constexpr const char *PeriodNames[] = {
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "This week"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "This month"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "Since…"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "The school year"),
    nullptr,
};
// clang-format on

// Every drill of the table after "All drills".
constexpr auto DrillNames = [] {
    std::array<const char *, drilltable::DrillCount + 2> names{};
    names[0] = QT_TRANSLATE_NOOP("progress::ProgressWindow", "All drills");
    for (std::size_t d = 0; d < drilltable::DrillCount; ++d)
        names[d + 1] = drilltable::Drills[d].progressName;
    return names;
}();

constexpr const char *PageNames[] = {
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "&Class"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "&Learner"),
    nullptr,
};

} // namespace

// The window grows with its frame, so its controls stand in bands rather than at places.
// clang-format off
const ControlRow ProgressWindow::Rows[] = {
    {.kind = Kind::Label, .name = "lblFolder", .band = Band::Above, .stretch = 1,
     .flags = Selectable, .member = bindTo<&ProgressWindow::lblFolder>},
    {.kind = Kind::Button, .name = "cmdFolder", .band = Band::Above,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Open &Folder…"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "shows the scores saved in another folder"),
     .member = bindTo<&ProgressWindow::cmdFolder>, .handler = on<&ProgressWindow::cmdFolder_Click>},
    {.kind = Kind::Choice, .name = "cboDrill", .band = Band::Above, .items = DrillNames.data(),
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "drill"),
     .member = bindTo<&ProgressWindow::cboDrill>, .handler = on<&ProgressWindow::cboDrill_Click>},
    {.kind = Kind::Choice, .name = "cboPeriod", .band = Band::Above, .items = PeriodNames,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "period"),
     .member = bindTo<&ProgressWindow::cboPeriod>,
     .handler = on<&ProgressWindow::cboPeriod_Click>},
    {.kind = Kind::Date, .name = "datSince", .band = Band::Above,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "since"),
     .member = bindTo<&ProgressWindow::datSince>,
     .handler = on<&ProgressWindow::datSince_Change>},
    {.kind = Kind::Pages, .name = "tabViews", .band = Band::Body, .stretch = 1,
     .items = PageNames, .member = bindTo<&ProgressWindow::tabViews>},
    {.kind = Kind::Table, .name = "lstLearners", .band = Band::Page, .page = 0, .stretch = 1,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "class"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "each learner's average, right answers and change in the "
                                      "period, days practised and last practised; sort by a "
                                      "column's heading; choose a learner to see their progress"),
     .member = bindTo<&ProgressWindow::lstLearners>},
    {.kind = Kind::View, .name = "picChart", .band = Band::Page, .page = 1, .stretch = 2,
     .member = bindTo<&ProgressWindow::picChart>, .make = makeAs<ChartView>},
    {.kind = Kind::Label, .name = "lblTrend", .band = Band::Page, .page = 1, .flags = Selectable,
     .member = bindTo<&ProgressWindow::lblTrend>},
    {.kind = Kind::Table, .name = "grdRecords", .band = Band::Page, .page = 1, .stretch = 1,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "records"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "the chosen learner's saved scores, as the chart shows "
                                      "them"),
     .member = bindTo<&ProgressWindow::grdRecords>},
    {.kind = Kind::Meter, .name = "prgReading", .band = Band::Below, .flags = Hidden,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "reading the scores"),
     .member = bindTo<&ProgressWindow::prgReading>},
    {.kind = Kind::Label, .name = "lblNotScores", .band = Band::Below, .stretch = 1,
     .flags = Selectable, .member = bindTo<&ProgressWindow::lblNotScores>},
    {.kind = Kind::Button, .name = "cmdSaveTable", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Save &Table…"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "saves the class table, or the learner's records, for a spreadsheet"),
     .member = bindTo<&ProgressWindow::cmdSaveTable>,
     .handler = on<&ProgressWindow::cmdSaveTable_Click>},
    {.kind = Kind::Button, .name = "cmdSavePdf", .band = Band::Below,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Save as &PDF…"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "saves the class table, or the learner's chart and records, to print"),
     .member = bindTo<&ProgressWindow::cmdSavePdf>,
     .handler = on<&ProgressWindow::cmdSavePdf_Click>},
};
// clang-format on

const WindowDesign ProgressWindow::Design{.name = "frmProgress",
                                          .caption = QT_TR_NOOP("Progress"),
                                          .clientArea = {12000, 7200},
                                          .icon = "target"};

ProgressWindow::ProgressWindow(QWidget *parent)
    : Form(Design, parent)
    , m_classTable(new TextTable(this))
    , m_sorted(new GroupedSort(this))
    , m_recordTable(new TextTable(this))
{
    build(Rows);
    requireBound<&ProgressWindow::lblFolder, &ProgressWindow::cmdFolder, &ProgressWindow::cboDrill,
                 &ProgressWindow::cboPeriod, &ProgressWindow::datSince, &ProgressWindow::tabViews,
                 &ProgressWindow::lstLearners, &ProgressWindow::picChart, &ProgressWindow::lblTrend,
                 &ProgressWindow::grdRecords, &ProgressWindow::prgReading,
                 &ProgressWindow::lblNotScores, &ProgressWindow::cmdSaveTable,
                 &ProgressWindow::cmdSavePdf>(*this);

    m_sorted->setSourceModel(m_classTable);
    m_sorted->setSortRole(TextTable::SortRole);
    lstLearners->setModel(m_sorted);
    lstLearners->setSortingEnabled(true);
    lstLearners->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grdRecords->setModel(m_recordTable);
    connect(lstLearners->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ProgressWindow::lstLearners_Click);
    connect(lstLearners, &QTableView::activated, this, [this] { tabViews->setCurrentIndex(1); });
    connect(tabViews, &QTabWidget::currentChanged, this, [this] { showLearner(); });

    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, [this] { reread(std::exchange(m_changed, {})); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
        for (const Drill &drill : drilltable::Drills) {
            if (path.endsWith(u'/' + QLatin1String(drill.scores.fileName)))
                m_changed[drilltable::indexOf(drill)] = true;
        }
        m_settle.start();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        // A file made or removed: only those whose presence changed are read again.
        for (const Drill &drill : drilltable::Drills) {
            const size_t d = drilltable::indexOf(drill);
            const bool there =
                QFileInfo::exists(QDir(m_folder).filePath(QLatin1String(drill.scores.fileName)));
            if (there != bool(m_files[d] && m_reports[d].size > 0))
                m_changed[d] = true;
        }
        m_settle.start();
    });
    m_progress.setInterval(100);
}

namespace {
toolkit::WindowInstance g_instance([] { return new ProgressWindow; });
}

toolkit::WindowInstance &frmProgress()
{
    return g_instance;
}

} // namespace progress
