// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Division window's design, a written long division with one exercise, and the constructor
// that builds the window from it.
#include "divisionwindow.h"

#include "dividing.h"

#include "drills/designparts.h"
#include "toolkit/forms/binding.h"
#include "toolkit/forms/shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace division {

using namespace toolkit;
using namespace drills::parts;
using drills::Face;
using enum toolkit::Kind;

namespace {

// Rows bind into the exercise's controls: .member = exercise<&Controls::answerBox>.
using Controls = drills::ExerciseControls;
template<auto... Field>
constexpr MemberBinder exercise = bindTo<&DivisionWindow::two, Field...>;

constexpr Font Panel{"Arial", 11.25, true, true};
constexpr Font Percent{"Arial", 15.75, true, true};

} // namespace

// The window's design. Its texts are translated in the window's context. The tiles, the correct
// answer and the score values have no accessible name of their own: what they show is their name,
// so a screen reader reads the number.
// clang-format off
const ControlRow DivisionWindow::Rows[] = {
    // The score panel, beneath everything.
    {.kind = Shape, .name = "Shape22", .geometry = {960, 3120, 5895, 855}, .back = PaleYellow,
     .outline = PaleYellow, .outlineWidth = 1, .flags = Rounded},
    // Frames in the tiles' colours, the answer frames and the button rims.
    {.kind = Shape, .name = "Shape18", .geometry = {1800, 2160, 1095, 495}, .outline = Peach,
     .outlineWidth = 12, .flags = Rounded},
    {.kind = Shape, .name = "Shape17", .geometry = {3120, 2160, 1095, 495}, .outline = Pink,
     .outlineWidth = 12, .flags = Rounded},
    {.kind = Shape, .name = "Shape10", .geometry = {3000, 1200, 1815, 735}, .outline = Yellow,
     .outlineWidth = 12, .flags = Rounded, .member = exercise<&Controls::awaitingFrame>},
    {.kind = Shape, .name = "Shape12", .geometry = {3000, 1200, 1815, 735}, .outline = Blue,
     .outlineWidth = 12, .flags = Hidden | Rounded, .member = exercise<&Controls::rightFrame>},
    {.kind = Shape, .name = "Shape13", .geometry = {3000, 1200, 1815, 735}, .outline = Red,
     .outlineWidth = 12, .flags = Hidden | Rounded, .member = exercise<&Controls::wrongFrame>},
    {.kind = Shape, .name = "Shape3", .geometry = {5640, 840, 1095, 495}, .outline = Blue,
     .outlineWidth = 25, .flags = Rounded},
    {.kind = Shape, .name = "Shape4", .geometry = {5640, 1560, 1095, 495}, .outline = Blue,
     .outlineWidth = 25, .flags = Rounded},
    {.kind = Shape, .name = "Shape7", .geometry = {5640, 840, 1095, 495}, .outline = Yellow,
     .outlineWidth = 25, .flags = Rounded, .member = exercise<&Controls::resetRim>},
    {.kind = Shape, .name = "Shape8", .geometry = {5640, 1560, 1095, 495}, .outline = Yellow,
     .outlineWidth = 25, .flags = Hidden | Rounded, .member = exercise<&Controls::answerRim>},
    {.kind = Shape, .name = "Shape16", .geometry = {5640, 2400, 975, 495}, .outline = Magenta,
     .outlineWidth = 25, .flags = Rounded},
    // The division bracket: two plain bars, one pixel thin, drawn solid by their outline,
    // above the answer frame that reaches down to the bar.
    {.kind = Shape, .name = "Shape24", .geometry = {3060, 2040, 15, 735},
     .outline = SystemColour::WindowText, .outlineWidth = 5},
    {.kind = Shape, .name = "Shape21", .geometry = {3030, 2010, 1815, 15},
     .outline = SystemColour::WindowText, .outlineWidth = 5},
    // Labels, pictures and timers.
    {.kind = Label, .name = "Label11", .geometry = {1560, 360, 3675, 360},
     //: The answer is rounded to two decimal places.
     .caption = QT_TR_NOOP("Divide 2 decimal places  "), .font = Heading, .flags = AutoSize},
    {.kind = Label, .name = "lblNumber(3)", .geometry = {1800, 720, 3375, 375},
     //: Above the correct answer after a wrong one; short and kind.
     .caption = QT_TR_NOOP("The Correct Answer is "), .font = LeadIn, .flags = Centred | SingleLine | Unheard,
     .member = exercise<&Controls::leadIn>},
    {.kind = Label, .name = "lblGood", .geometry = {2640, 720, 1605, 315},
     .caption = QT_TR_NOOP("You are good."), .font = Praise, .flags = Hidden | AutoSize | Unheard,
     .member = exercise<&Controls::praise>},
    {.kind = Label, .name = "lblNumber(2)", .geometry = {3120, 1320, 1575, 495}, .font = Tile,
     .back = SystemColour::ActiveTitleText, .flags = Hidden | Centred | Border,
     .description = QT_TR_NOOP("correct answer, to two decimal places"),
     .member = exercise<&Controls::correctAnswer>},
    {.kind = Image, .name = "imgImage", .geometry = {2040, 1320, 735, 615}, .flags = Stretch,
     .description = QT_TR_NOOP("whether the answer was right"),
     .member = exercise<&Controls::picture>},
    {.kind = Label, .name = "lblNumber(1)", .geometry = {1800, 2160, 1095, 495}, .font = Tile,
     .back = Peach, .flags = Centred, .description = QT_TR_NOOP("number to divide by"),
     .member = exercise<&Controls::operands, 1>},
    {.kind = Label, .name = "lblNumber(0)", .geometry = {3120, 2160, 1095, 495}, .font = Tile,
     .back = Pink, .flags = Centred, .description = QT_TR_NOOP("number to divide"),
     .member = exercise<&Controls::operands, 0>},
    {.kind = Timer, .name = "Timer1", .interval = 500,
     .member = exercise<&Controls::firstTimer>, .handler = on<&DivisionWindow::Timer1_Timer>},
    {.kind = Timer, .name = "Timer2", .interval = 500,
     .member = exercise<&Controls::secondTimer>, .handler = on<&DivisionWindow::Timer2_Timer>},
    {.kind = Image, .name = "imgFace(0)", .geometry = {0, 0, 480, 480}, .picture = ":/face0.xpm",
     .flags = Hidden, .accessibleName = QT_TR_NOOP("frowning face"),
     .member = bindTo<&DivisionWindow::imgFace, 0>},
    {.kind = Image, .name = "imgFace(1)", .geometry = {0, 0, 480, 480}, .picture = ":/face1.xpm",
     .flags = Hidden, .accessibleName = QT_TR_NOOP("face with a straight mouth"),
     .member = bindTo<&DivisionWindow::imgFace, 1>},
    {.kind = Image, .name = "imgFace(2)", .geometry = {0, 0, 480, 480}, .picture = ":/face2.xpm",
     .flags = Hidden, .accessibleName = QT_TR_NOOP("smiling face"),
     .member = bindTo<&DivisionWindow::imgFace, 2>},
    {.kind = Image, .name = "imgFace(3)", .geometry = {0, 0, 480, 480}, .picture = ":/face3.xpm",
     .flags = Hidden, .accessibleName = QT_TR_NOOP("laughing face"),
     .member = bindTo<&DivisionWindow::imgFace, 3>},
    {.kind = Image, .name = "imgFace(4)", .geometry = {0, 0, 480, 480}, .picture = ":/face4.xpm",
     .flags = Hidden, .accessibleName = QT_TR_NOOP("laughing face with a nose"),
     .member = bindTo<&DivisionWindow::imgFace, 4>},
    {.kind = Label, .name = "Label8", .geometry = {1560, 4200, 1305, 675},
     .caption = QT_TR_NOOP("Sumbrook is freeware: share it freely.")},
    {.kind = Label, .name = "Label10", .geometry = {3840, 4200, 1980, 675},
     .caption = QT_TR_NOOP("For more information or comment Email to sumbrook@example.org"),
     .flags = Centred},
    {.kind = Label, .name = "Label4", .geometry = {1080, 3240, 975, 255},
     //: The score panel is three labels at fixed places, each before a number the program
     //: writes: right answers, questions answered and the percentage. Write each as a label
     //: ("Right:", "Total:", "That is"), not as a piece of a sentence.
     .caption = QT_TR_NOOP("You got "), .font = Panel, .flags = AutoSize | Unheard},
    {.kind = Label, .name = "lblCorrectA", .geometry = {2160, 3240, 735, 375}, .font = Panel,
     .description = QT_TR_NOOP("number of right answers"),
     .member = exercise<&Controls::correct>},
    {.kind = Label, .name = "Label9", .geometry = {3120, 3240, 1815, 615},
     //: Before the percentage, on the same line.
     .caption = QT_TR_NOOP("Questions Giving you a "), .font = Panel,
     .flags = Centred | Unheard},
    {.kind = Label, .name = "lblPercentA", .geometry = {5040, 3240, 1695, 615}, .font = Percent,
     .description = QT_TR_NOOP("percentage of right answers"),
     .member = exercise<&Controls::percent>},
    {.kind = Label, .name = "Label6", .geometry = {1080, 3600, 720, 255},
     //: Before the number of questions answered.
     .caption = QT_TR_NOOP("Out of "), .font = Panel, .flags = AutoSize | Unheard},
    {.kind = Label, .name = "lblTotalA", .geometry = {2160, 3600, 735, 255}, .font = Panel,
     .description = QT_TR_NOOP("number of problems answered"),
     .member = exercise<&Controls::total>},
    // The answer box and the buttons, in front.
    {.kind = TextBox, .name = "txtAnswer", .geometry = {3120, 1320, 1575, 555}, .font = Tile,
     .tabIndex = 0,
     .description = QT_TR_NOOP("type the answer to two decimal places and press Enter; Tab moves "
                               "on to the buttons"),
     .member = exercise<&Controls::answerBox>},
    {.kind = Button, .name = "cmdReset", .geometry = {5640, 840, 1095, 495},
     .caption = QT_TR_NOOP("Reset"), .flags = Disabled, .tabIndex = 1,
     .description = QT_TR_NOOP("press Enter for a new problem"),
     .member = exercise<&Controls::resetButton>, .handler = on<&DivisionWindow::cmdReset_Click>},
    {.kind = Button, .name = "cmdAnswer", .geometry = {5640, 1560, 1095, 495},
     .caption = QT_TR_NOOP("Answer"), .tabIndex = 2,
     .description = QT_TR_NOOP("press Enter to check the answer"),
     .member = exercise<&Controls::answerButton>, .handler = on<&DivisionWindow::cmdAnswer_Click>},
    {.kind = Button, .name = "cmdScore1", .geometry = {5640, 2400, 975, 495},
     .caption = QT_TR_NOOP("Score"), .tabIndex = 4,
     .description = QT_TR_NOOP("press Enter for the score"), .handler = on<&DivisionWindow::cmdScore1_Click>},
    {.kind = Button, .name = "cmdExit", .geometry = {1800, 5160, 1215, 495},
     .caption = QT_TR_NOOP("Exit"), .tabIndex = 3,
     .description = QT_TR_NOOP("press Enter to close the window"), .handler = on<&DivisionWindow::cmdExit_Click>},
};

const MenuRow DivisionWindow::MenuRows[] = {
    {.name = "mnuScore", .caption = QT_TR_NOOP(" Score"), .accessibleName = QT_TR_NOOP("Score")},
    {.name = "mnuitemSaveScore", .caption = QT_TR_NOOP("Save Score"), .item = true,
     .handler = on<&DivisionWindow::mnuitemSaveScore_Click>},
    {.name = "mnuItemRetrievScores", .caption = QT_TR_NOOP("Display Scores"), .item = true,
     .handler = on<&DivisionWindow::mnuItemRetrievScores_Click>},
    // Beyond the design: each learner's progress, opened on Division.
    {.name = "mnuItemProgress", .caption = QT_TR_NOOP("Progress"), .item = true,
     .handler = on<&DivisionWindow::mnuItemProgress_Click>},
};

namespace {
constexpr const drilltable::Drill &Division = drilltable::drill("division");
}

// Its name, caption and icon are its row's in the table of drills.
const WindowDesign DivisionWindow::Design{.name = Division.name, .caption = Division.caption,
                                          .clientArea = {6720, 5655}, .icon = Division.icon};
// clang-format on

// Builds the window from the design: its controls and menu, bound into its exercise's controls.
DivisionWindow::DivisionWindow(toolkit::RandomSource &random, toolkit::ModalBoxes &boxes,
                               QWidget *parent)
    : Form(Design, parent)
    , m_exercise(Dividing, Face::Smiling)
    , m_drill(Division)
    , m_view(*this, Dividing, two, 2, imgFace)
    , m_random(random)
    , m_boxes(boxes)
{
    // The answer box has no change handler: typing moves no default button here.
    build(Rows);
    buildMenus(MenuRows);
    m_view.controlsBuilt();
}

} // namespace division
