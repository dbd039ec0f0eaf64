// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the Progress window, the constructor that builds the window from it, and its
// instance.
#include "progresswindow.h"

#include "chartpaint.h"
#include "texttable.h"

#include "toolkit/forms/binding.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace progress {

using namespace toolkit;

namespace {

// Where a control stands: the bar above, the class's page, the chosen learner's page, the bar
// below. The window is new to the program and grows with its frame, so it is laid out, not placed.
enum class Place : std::uint8_t { Top, Learners, Learner, Bottom };
enum class Part : std::uint8_t { Label, Button, Choice, Date, Table, Bar };

struct PartRow
{
    Part kind = Part::Label;
    const char *name = nullptr;
    Place place = Place::Top;
    const char *caption = "";
    const char *accessibleName = nullptr;
    const char *description = nullptr;
    MemberBinder member = {};
    Handler handler = nullptr;          // a button's click, a choice's change
    const char *const *items = nullptr; // a choice's, up to a null; none: the drills
};

// clang-format off
constexpr const char *PeriodNames[] = {
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "This week"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "This month"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "Since…"),
    QT_TRANSLATE_NOOP("progress::ProgressWindow", "The school year"),
    nullptr,
};


constexpr PartRow Rows[] = {
    {.kind = Part::Label, .name = "lblFolder", .place = Place::Top,
     .member = bindTo<&ProgressWindow::lblFolder>},
    {.kind = Part::Button, .name = "cmdFolder", .place = Place::Top,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Open &Folder…"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "shows the scores saved in another folder"),
     .member = bindTo<&ProgressWindow::cmdFolder>, .handler = on<&ProgressWindow::cmdFolder_Click>},
    {.kind = Part::Choice, .name = "cboDrill", .place = Place::Top,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "drill"),
     .member = bindTo<&ProgressWindow::cboDrill>, .handler = on<&ProgressWindow::cboDrill_Click>},
    {.kind = Part::Choice, .name = "cboPeriod", .place = Place::Top,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "period"),
     .member = bindTo<&ProgressWindow::cboPeriod>,
     .handler = on<&ProgressWindow::cboPeriod_Click>, .items = PeriodNames},
    {.kind = Part::Date, .name = "datSince", .place = Place::Top,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "since"),
     .member = bindTo<&ProgressWindow::datSince>,
     .handler = on<&ProgressWindow::datSince_Change>},
    {.kind = Part::Table, .name = "lstLearners", .place = Place::Learners,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "class"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "each learner's average, right answers and change in the "
                                      "period, days practised and last practised; sort by a "
                                      "column's heading; choose a learner to see their progress"),
     .member = bindTo<&ProgressWindow::lstLearners>},
    {.kind = Part::Label, .name = "lblTrend", .place = Place::Learner,
     .member = bindTo<&ProgressWindow::lblTrend>},
    {.kind = Part::Table, .name = "grdRecords", .place = Place::Learner,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "records"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "the chosen learner's saved scores, as the chart shows "
                                      "them"),
     .member = bindTo<&ProgressWindow::grdRecords>},
    {.kind = Part::Bar, .name = "prgReading", .place = Place::Bottom,
     .accessibleName = QT_TRANSLATE_NOOP("progress::ProgressWindow", "reading the scores"),
     .member = bindTo<&ProgressWindow::prgReading>},
    {.kind = Part::Label, .name = "lblNotScores", .place = Place::Bottom,
     .member = bindTo<&ProgressWindow::lblNotScores>},
    {.kind = Part::Button, .name = "cmdSaveTable", .place = Place::Bottom,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Save &Table…"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "saves the class table, or the learner's records, for a spreadsheet"),
     .member = bindTo<&ProgressWindow::cmdSaveTable>,
     .handler = on<&ProgressWindow::cmdSaveTable_Click>},
    {.kind = Part::Button, .name = "cmdSavePdf", .place = Place::Bottom,
     .caption = QT_TRANSLATE_NOOP("progress::ProgressWindow", "Save as &PDF…"),
     .description = QT_TRANSLATE_NOOP("progress::ProgressWindow",
                                      "saves the class table, or the learner's chart and records, to print"),
     .member = bindTo<&ProgressWindow::cmdSavePdf>,
     .handler = on<&ProgressWindow::cmdSavePdf_Click>},
};

// clang-format on

// The row the keyboard is on, framed two pixels wide in the text's colour while the table has the
// keyboard: the style's own mark is a thin dotted cell.
class RowFocus : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
        if (!view || QApplication::focusWidget() != view ||
            view->currentIndex().row() != index.row())
            return;
        painter->save();
        // The text's colour stands out against the selection's and the table's alike.
        painter->setPen(QPen(option.palette.color(QPalette::Text), 2));
        const QRectF r = QRectF(option.rect).adjusted(1, 1, -1, -1);
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (index.column() == 0)
            painter->drawLine(r.topLeft(), r.bottomLeft());
        if (index.column() == index.model()->columnCount() - 1)
            painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
};

} // namespace

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
    setWindowTitle(tr(Design.caption));
    auto *top = new QHBoxLayout;
    auto *classPage = new QVBoxLayout;
    auto *learner = new QVBoxLayout;
    auto *bottom = new QHBoxLayout;
    tabViews = new QTabWidget(this);
    tabViews->setObjectName(QStringLiteral("tabViews"));
    auto *classColumn = new QWidget(tabViews);
    classColumn->setLayout(classPage);
    auto *learnerColumn = new QWidget(tabViews);
    learnerColumn->setLayout(learner);
    for (const PartRow &row : Rows) {
        QWidget *part = nullptr;
        switch (row.kind) {
        case Part::Label:
            part = new QLabel(this);
            static_cast<QLabel *>(part)->setWordWrap(true);
            static_cast<QLabel *>(part)->setTextInteractionFlags(Qt::TextSelectableByMouse);
            break;
        case Part::Button:
            part = new QPushButton(tr(row.caption), this);
            connect(static_cast<QPushButton *>(part), &QPushButton::clicked, this,
                    [this, h = row.handler] { h(*this); });
            break;
        case Part::Choice: {
            auto *choice = new QComboBox(this);
            // The drills' choice lists every drill of the table after "All drills".
            if (!row.items) {
                choice->addItem(tr("All drills"));
                for (const drilltable::Drill &drill : drilltable::Drills)
                    choice->addItem(tr(drill.progressName));
            }
            for (const char *const *item = row.items; item && *item; ++item)
                choice->addItem(tr(*item));
            connect(choice, &QComboBox::currentIndexChanged, this,
                    [this, h = row.handler] { h(*this); });
            part = choice;
            break;
        }
        case Part::Date: {
            auto *date = new QDateEdit(this);
            date->setCalendarPopup(true);
            connect(date, &QDateEdit::dateChanged, this, [this, h = row.handler] { h(*this); });
            part = date;
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
            table->setItemDelegate(new RowFocus(table));
            // Columns fit the rows in view, not a hundred thousand records.
            table->horizontalHeader()->setResizeContentsPrecision(200);
            part = table;
            break;
        }
        case Part::Bar:
            part = new QProgressBar(this);
            part->hide();
            break;
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
            classPage->addWidget(part, 1);
            break;
        case Place::Learner:
            learner->addWidget(part, row.kind == Part::Table ? 1 : 0);
            break;
        case Place::Bottom:
            bottom->addWidget(part, row.kind == Part::Label ? 1 : 0);
            break;
        }
    }
    requireBound<
        &ProgressWindow::lblFolder, &ProgressWindow::cmdFolder, &ProgressWindow::cboDrill,
        &ProgressWindow::cboPeriod, &ProgressWindow::datSince, &ProgressWindow::lstLearners,
        &ProgressWindow::lblTrend, &ProgressWindow::grdRecords, &ProgressWindow::prgReading,
        &ProgressWindow::lblNotScores, &ProgressWindow::cmdSaveTable, &ProgressWindow::cmdSavePdf>(
        *this);
    picChart = new ChartView(learnerColumn);
    learner->insertWidget(0, picChart, 2);
    tabViews->addTab(classColumn, tr("&Class"));
    tabViews->addTab(learnerColumn, tr("&Learner"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabViews, 1);
    layout->addLayout(bottom);
    setTabOrder(datSince, tabViews);

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
