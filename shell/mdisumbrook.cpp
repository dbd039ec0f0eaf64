#include "mdisumbrook.h"

#include "about/aboutwindow.h"
#include "division/divisiondesign.h"
#include "division/divisionwindow.h"
#include "drills/drilldesign.h"
#include "drills/drillwindow.h"
#include "drills/drillwindows.h"
#include "toolkit/appearance.h"
#include "toolkit/design.h"
#include "toolkit/form.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSet>
#include <QShortcut>
#include <QTimer>

#include <vector>

namespace shell {

namespace {

constexpr toolkit::WindowDesign Design{"mdiSumbrook", "Sumbrook", {7695, 4965}, "target", false};

struct MenuItem
{
    const char *name;
    const char *caption;
    void (mdiSumbrook::*handler)();
    bool available;
};

// The "Sumbrook" list, in order; no separators, access keys or shortcuts.
constexpr MenuItem SumbrookItems[] = {
    {"mnuitemAddition", "Addition", &mdiSumbrook::mnuitemAddition_Click, true},
    {"mnuItemSubtraction", "Subtraction", &mdiSumbrook::mnuItemSubtraction_Click, true},
    {"mnuItemMultiplication", "Multiplication", &mdiSumbrook::mnuItemMultiplication_Click, true},
    {"mnuItemDivision", "Division", &mdiSumbrook::mnuItemDivision_Click, true},
};

constexpr MenuItem AboutCommand{"mnuAbout", "About Sumbrook", &mdiSumbrook::mnuAbout_Click, true};

// Every control of the child windows, for what they load ahead of need.
std::vector<toolkit::ControlRow> childRows()
{
    std::vector<toolkit::ControlRow> rows;
    for (const drills::DrillRow &row : drills::drillRows()) {
        for (const auto drill : drills::AllDrills)
            rows.push_back(row.at(drill));
    }
    const auto division = division::divisionRows();
    rows.insert(rows.end(), division.begin(), division.end());
    return rows;
}

// A window of the kind built and painted once, unseen, at its restored size, where all its
// controls lie: the first window of a process otherwise pays for its controls' polish and first
// paint while the user waits.
void paintUnseen(toolkit::Form &form)
{
    QPixmap canvas(form.size());
    form.render(&canvas);
}

} // namespace

mdiSumbrook::mdiSumbrook(QWidget *parent)
    : QMainWindow(parent)
    , m_area(new QMdiArea(this))
    , m_mnuSumbrook(new QMenu(QStringLiteral("Sumbrook"), this))
    , m_preload(new QTimer(this))
{
    setObjectName(QString::fromLatin1(Design.name));
    setWindowTitle(QString::fromLatin1(Design.caption));
    setWindowIcon(toolkit::designIcon(Design.icon));
    showWorkspaceColour();
    setCentralWidget(m_area);

    const auto action = [this](const MenuItem &item) {
        auto *a = new QAction(QString::fromLatin1(item.caption), this);
        a->setObjectName(QString::fromLatin1(item.name));
        a->setEnabled(item.available);
        connect(a, &QAction::triggered, this, item.handler);
        return a;
    };
    m_mnuSumbrook->setObjectName(QStringLiteral("mnuSumbrook"));
    for (const MenuItem &item : SumbrookItems)
        m_mnuSumbrook->addAction(action(item));
    m_mnuAbout = action(AboutCommand);
    showMenusOf(nullptr);
    // The restored client area lies below the menu bar.
    const QSize client = Design.clientArea.toPixels();
    resize(client.width(), client.height() + menuBar()->heightForWidth(client.width()));

    // Alt alone reaches the menu bar already; F10, as on Windows, opens its first menu. Its first
    // item is chosen as when the list is opened with Down, so that Enter alone takes it.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        QAction *first = menuBar()->actions().value(0);
        if (!first)
            return;
        menuBar()->setActiveAction(first);
        if (QMenu *menu = first->menu())
            menu->setActiveAction(menu->actions().value(0));
    });

    toolkit::WindowInstance::setMdiArea(m_area);
    m_preload->setObjectName(QStringLiteral("tmrPreload"));
    connect(m_preload, &QTimer::timeout, this, &mdiSumbrook::preloadNext);
    m_area->viewport()->installEventFilter(this);
    connect(m_area, &QMdiArea::subWindowActivated, this, &mdiSumbrook::showMenusOf);
}

mdiSumbrook::~mdiSumbrook()
{
    // The area reports a last activation while it is being destroyed.
    disconnect(m_area, nullptr, this, nullptr);
    if (toolkit::WindowInstance::mdiArea() == m_area)
        toolkit::WindowInstance::setMdiArea(nullptr);
}

void mdiSumbrook::mnuitemAddition_Click()
{
    drills::frmAddition().show();
}

void mdiSumbrook::mnuItemSubtraction_Click()
{
    drills::frmSubtraction().show();
}

void mdiSumbrook::mnuItemMultiplication_Click()
{
    drills::frmMultiplication().show();
}

void mdiSumbrook::mnuItemDivision_Click()
{
    division::frmDivision().show();
}

void mdiSumbrook::mnuAbout_Click()
{
    about::frmAbout().show();
}

void mdiSumbrook::closeEvent(QCloseEvent *event)
{
    m_area->closeAllSubWindows();
    if (!m_area->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void mdiSumbrook::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        showWorkspaceColour();
    QMainWindow::changeEvent(event);
}

bool mdiSumbrook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport() && event->type() == QEvent::Paint) {
        m_area->viewport()->removeEventFilter(this);
        startPreloading();
    }
    return QMainWindow::eventFilter(watched, event);
}

void mdiSumbrook::startPreloading()
{
    // Once the frame is on screen, what the child windows need loads while the user reads the
    // menu: a step per idle moment, so that neither a click nor quitting waits for all of it.
    const QFont base = toolkit::windowFont();
    QSet<QString> fonts; // by the key loadFonts() tells fonts apart with
    QSet<QByteArrayView> pictures;
    for (const toolkit::ControlRow &row : childRows()) {
        const QString font = toolkit::toQFont(row.font, base).key();
        if (!fonts.contains(font)) {
            fonts.insert(font);
            m_preloadSteps.push_back([font = row.font] { toolkit::loadFonts({&font, 1}); });
        }
        if (row.kind == toolkit::Kind::Image && *row.caption && !pictures.contains(row.caption)) {
            pictures.insert(row.caption);
            m_preloadSteps.push_back([picture = row.caption] {
                toolkit::loadPictures({&picture, 1});
            });
        }
    }
    // Pointless once a window of the kind has been opened; it would only add to the memory used.
    for (const auto drill : drills::AllDrills) {
        m_preloadSteps.push_back([drill] {
            if (!drills::drillWindow(drill).isLoaded()) {
                drills::DrillWindow unseen(drill);
                paintUnseen(unseen);
            }
        });
    }
    m_preloadSteps.push_back([] {
        if (!division::frmDivision().isLoaded()) {
            division::DivisionWindow unseen;
            paintUnseen(unseen);
        }
    });
    m_preload->start(0);
}

void mdiSumbrook::preloadNext()
{
    const std::function<void()> step = std::move(m_preloadSteps.front());
    m_preloadSteps.pop_front();
    if (m_preloadSteps.empty())
        m_preload->stop();
    step();
}

void mdiSumbrook::showWorkspaceColour()
{
    m_area->setBackground(
        palette().brush(toolkit::systemRole(toolkit::SystemColour::AppWorkspace.value)));
}

void mdiSumbrook::showMenusOf(QMdiSubWindow *child)
{
    // An inactive frame reports no active child; its current one still owns the menu bar.
    if (!child)
        child = m_area->currentSubWindow();
    const auto *form = child ? qobject_cast<toolkit::Form *>(child->widget()) : nullptr;
    menuBar()->clear();
    if (form && !form->menus().isEmpty()) {
        for (QMenu *menu : form->menus())
            menuBar()->addAction(menu->menuAction());
        return;
    }
    menuBar()->addAction(m_mnuSumbrook->menuAction());
    menuBar()->addAction(m_mnuAbout);
}

} // namespace shell
