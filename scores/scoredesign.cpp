// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The score viewer's design, and the constructor that builds the window from it.
#include "scorewindow.h"

#include "toolkit/forms/binding.h"

#include <QLabel>

namespace scores {

using namespace toolkit;

// The window's design; its texts are translated in the window's context.
// clang-format off
const WindowDesign ScoreWindow::Design{.name = "frmScore", .caption = QT_TR_NOOP("Math Scores"),
                                       .clientArea = {10350, 6465}, .icon = "bulb"};

const ControlRow ScoreWindow::Rows[] = {
    {.kind = Kind::Label, .name = "Label1", .geometry = {720, 240, 2760, 315},
     .caption = QT_TR_NOOP("The Math Scores Are "), .font = {"MS Serif", 13.5, true},
     .flags = AutoSize, .member = bindTo<&ScoreWindow::Label1>},
    {.kind = Kind::Label, .name = "lblPath", .geometry = {360, 3960, 480, 195},
     //: Never shown: the hidden label that holds the name of the file shown.
     .caption = QT_TR_NOOP("Label2"), .flags = Hidden | AutoSize,
     .member = bindTo<&ScoreWindow::lblPath>},
    {.kind = Kind::TextBox, .name = "txtScore", .geometry = {240, 960, 5775, 2775},
     //: The box's text until a file's scores are put in it, which is before it is first drawn:
     //: never seen.
     .caption = QT_TR_NOOP("Text1"), .flags = MultiLine, .tabIndex = 0,
     .accessibleName = QT_TR_NOOP("scores"),
     .description = QT_TR_NOOP("the scores saved in the file, one record a line; edits are saved "
                               "when the window closes; Ctrl+F4 closes it, Ctrl+Tab goes to the "
                               "other windows"),
     .member = bindTo<&ScoreWindow::txtScore>, .handler = on<&ScoreWindow::txtScore_Change>,
     .make = makeAs<ScoreBox>},
};
// clang-format on

ScoreWindow::ScoreWindow(toolkit::ModalBoxes &boxes, QWidget *parent)
    : Form(Design, parent)
    , m_boxes(boxes)
{
    build(Rows);
    requireBound<&ScoreWindow::txtScore, &ScoreWindow::lblPath, &ScoreWindow::Label1>(*this);
    setFocusProxy(txtScore);
}

namespace {
toolkit::WindowInstance g_instance([] { return new ScoreWindow; });
}

toolkit::WindowInstance &frmScore()
{
    return g_instance;
}

} // namespace scores
