// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window's design, and the constructor that builds the window from it.
#include "aboutwindow.h"

#include "toolkit/forms/binding.h"

#include <QLabel>
#include <QPushButton>

namespace about {

using namespace toolkit;
using enum toolkit::Kind;

namespace {

constexpr Font Sans12{"MS Sans Serif", 12};
constexpr QPoint DesignPosition{156, 129}; // 2340 by 1935 twips from the screen's corner

constexpr WindowDesign Design{.name = "frmAbout",
                              .caption = "",
                              .clientArea = {5730, 3555},
                              .icon = nullptr,
                              .mdiChild = false};

} // namespace

// Back to front. Only the two lines of the etched separator overlap: the grey one lies over the
// white one just below it, as the design lists them. The rest keep the order a screen reader reads
// them in, title before version. The texts are translated in the window's context.
// clang-format off
const ControlRow AboutWindow::Rows[] = {
    {.kind = Image, .name = "picIcon", .geometry = {240, 240, 540, 540},
     .picture = ":/target-32.xpm", .accessibleName = QT_TR_NOOP("Sumbrook icon")},
    {.kind = Label, .name = "Label1", .geometry = {240, 2640, 3495, 735},
     .caption = QT_TR_NOOP("Please send any comments to  sumbrook@example.org"),
     .font = Sans12, .flags = Centred},
    {.kind = Line, .name = "Line1(0)", .ends = {105, 2460, 5654, 2460}, .outline = rgb(0xFFFFFF),
     .outlineWidth = 2},
    {.kind = Label, .name = "lblTitle", .geometry = {1050, 240, 1260, 300}, .font = Sans12,
     .fore = rgb(0x000000), .flags = AutoSize | Unheard,
     .member = bindTo<&AboutWindow::lblTitle>},
    {.kind = Line, .name = "Line1(1)", .ends = {90, 2445, 5654, 2445}, .outline = rgb(0x808080),
     .outlineWidth = 1},
    {.kind = Label, .name = "lblVersion", .geometry = {1050, 780, 1200, 300}, .font = Sans12,
     .flags = AutoSize, .member = bindTo<&AboutWindow::lblVersion>},
    {.kind = Button, .name = "cmdOK", .geometry = {4245, 2625, 1260, 345}, .caption = QT_TR_NOOP("OK"),
     .tabIndex = 0, .description = QT_TR_NOOP("press Enter to close this window"),
     .member = bindTo<&AboutWindow::cmdOK>, .handler = on<&AboutWindow::cmdOK_Click>},
    {.kind = Button, .name = "cmdSysInfo", .geometry = {4260, 3075, 1245, 345},
     .caption = QT_TR_NOOP("&System Info..."), .tabIndex = 2,
     .description = QT_TR_NOOP("press Enter to start the system information tool"),
     .member = bindTo<&AboutWindow::cmdSysInfo>, .handler = on<&AboutWindow::cmdSysInfo_Click>},
};
// clang-format on

AboutWindow::AboutWindow(SystemInfoServices services, toolkit::ModalBoxes &boxes, QWidget *parent)
    : Form(Design, parent)
    , m_services(std::move(services))
    , m_boxes(boxes)
{
    build(Rows);
    requireBound<&AboutWindow::lblTitle, &AboutWindow::lblVersion, &AboutWindow::cmdOK,
                 &AboutWindow::cmdSysInfo>(*this);
    makeDefault(cmdOK);

    // A fixed dialog border without minimize or maximize. A tool window would stay out of the
    // task bar, but it would not keep the program running once the main window has closed.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setGeometry(QRect(DesignPosition, size()));
}

namespace {
toolkit::WindowInstance g_instance([] { return new AboutWindow; });
}

toolkit::WindowInstance &frmAbout()
{
    return g_instance;
}

} // namespace about
