// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the integer drill windows, and the constructor that builds a window from it.
#include "drilldesign.h"

#include "designparts.h"
#include "drillwindow.h"
#include "operations.h"

#include "toolkit/forms/binding.h"
#include "toolkit/forms/shape.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <vector>

namespace drills {

using namespace toolkit;
using enum toolkit::Kind;

using namespace parts;

namespace {

// Rows bind into each exercise's controls: .member = twoNumber<&Controls::answerBox>.
using Controls = ExerciseControls;
template<auto... Field>
constexpr MemberBinder twoNumber = bindTo<&DrillWindow::two, Field...>;
template<auto... Field>
constexpr MemberBinder threeNumber = bindTo<&DrillWindow::three, Field...>;

constexpr PerLayout<Font> PraiseLeft{Praise, Font{"MS Serif", 12, true}, Praise};
constexpr PerLayout<Font> Panel{Font{"Arial", 11.25, true, true}, Font{"Arial", 9.75, true, true},
                                Font{"Arial", 9.75, true, true}};

} // namespace

// The window's design. Its texts are translated in the window's context. The tiles, the correct
// answers and the score values have no accessible name of their own: what they show is their
// name, so a screen reader reads the number.
// clang-format off
constexpr DrillRow DrillWindow::Rows[] = {
    // The score panels, beneath everything.
    {.shared = {.kind = Shape, .name = "Shape22", .back = PaleYellow, .outline = PaleYellow,
                .outlineWidth = 1, .flags = Rounded},
     .geometry = {{240, 4320, 5295, 855}, {240, 3960, 5535, 855}, {120, 3720, 5055, 855}}},
    {.shared = {.kind = Shape, .name = "Shape23", .back = PaleYellow, .outline = PaleYellow,
                .outlineWidth = 1, .flags = Rounded},
     .geometry = {{5160, 5160, 5535, 855}, {5400, 4800, 5535, 855}, {4440, 4680, 5415, 855}}},
    // Frames in the tiles' colours round their corners.
    {.shared = {.kind = Shape, .name = "Shape17", .outline = Pink, .outlineWidth = 12,
                .flags = Rounded},
     .geometry = {{2040, 480, 1095, 495}, {1560, 600, 1095, 495}, {1680, 720, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape18", .outline = Peach, .outlineWidth = 12,
                .flags = Rounded},
     .geometry = {{2040, 1080, 1095, 495}, {1560, 1200, 1095, 495}, {1680, 1320, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape19", .outline = Peach, .outlineWidth = 12,
                .flags = Rounded},
     .geometry = {{6120, 555, 975, 570}, {6240, 675, 975, 495}, {6360, 555, 975, 495}}},
    {.shared = {.kind = Shape, .name = "Shape20", .outline = LightGreen, .outlineWidth = 12,
                .flags = Rounded},
     .geometry = {{6120, 1275, 975, 570}, {6240, 1275, 975, 495}, {6360, 1155, 975, 495}}},
    {.shared = {.kind = Shape, .name = "Shape21", .outline = Lavender, .outlineWidth = 12,
                .flags = Rounded},
     .geometry = {{6120, 1995, 975, 570}, {6240, 1875, 975, 495}, {6360, 1755, 975, 495}}},
    // Answer frames: yellow while an answer is awaited, blue after a right one, red after a
    // wrong one.
    {.shared = {.kind = Shape, .name = "Shape10", .outline = Yellow, .outlineWidth = 12,
                .flags = Rounded, .member = twoNumber<&Controls::awaitingFrame>},
     .geometry = {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}}},
    {.shared = {.kind = Shape, .name = "Shape12", .outline = Blue, .outlineWidth = 12,
                .flags = Hidden | Rounded, .member = twoNumber<&Controls::rightFrame>},
     .geometry = {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}}},
    {.shared = {.kind = Shape, .name = "Shape13", .outline = Red, .outlineWidth = 12,
                .flags = Hidden | Rounded, .member = twoNumber<&Controls::wrongFrame>},
     .geometry = {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}}},
    {.shared = {.kind = Shape, .name = "Shape9", .outline = Yellow, .outlineWidth = 12,
                .flags = Rounded, .member = threeNumber<&Controls::awaitingFrame>},
     .geometry = {{6000, 2670, 1215, 735}, {6120, 2430, 1215, 735}, {6120, 2400, 1575, 645}}},
    {.shared = {.kind = Shape, .name = "Shape14", .outline = Blue, .outlineWidth = 12,
                .flags = Hidden | Rounded, .member = threeNumber<&Controls::rightFrame>},
     .geometry = {{6000, 2670, 1215, 765}, {6120, 2430, 1215, 735}, {6120, 2430, 1575, 645}}},
    {.shared = {.kind = Shape, .name = "Shape11", .outline = Red, .outlineWidth = 12,
                .flags = Hidden | Rounded, .member = threeNumber<&Controls::wrongFrame>},
     .geometry = {{6000, 2670, 1215, 765}, {6120, 2400, 1215, 735}, {6120, 2430, 1575, 615}}},
    // Button rims: the blue ones always, a yellow one above while its button is disabled.
    {.shared = {.kind = Shape, .name = "Shape3", .outline = Blue, .outlineWidth = 25,
                .flags = Rounded},
     .geometry = {{3600, 360, 975, 495}, {3000, 600, 975, 495}, {3120, 720, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape4", .outline = Blue, .outlineWidth = 25,
                .flags = Rounded},
     .geometry = {{3600, 1080, 975, 495}, {3000, 1320, 975, 495}, {3120, 1440, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape1", .outline = Blue, .outlineWidth = 25,
                .flags = Rounded},
     .geometry = {{7680, 480, 975, 495}, {7920, 600, 975, 495}, {8160, 480, 975, 495}}},
    {.shared = {.kind = Shape, .name = "Shape2", .outline = Blue, .outlineWidth = 25,
                .flags = Rounded},
     .geometry = {{7680, 1200, 975, 495}, {7920, 1320, 975, 495}, {8160, 1200, 975, 495}}},
    {.shared = {.kind = Shape, .name = "Shape7", .outline = Yellow, .outlineWidth = 25,
                .flags = Rounded, .member = twoNumber<&Controls::resetRim>},
     .geometry = {{3600, 360, 975, 495}, {3000, 600, 975, 495}, {3120, 720, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape8", .outline = Yellow, .outlineWidth = 25,
                .flags = Hidden | Rounded, .member = twoNumber<&Controls::answerRim>},
     .geometry = {{3600, 1080, 975, 495}, {3000, 1320, 975, 495}, {3120, 1440, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape5", .outline = Yellow, .outlineWidth = 25,
                .flags = Rounded, .member = threeNumber<&Controls::resetRim>},
     .geometry = {{7680, 480, 975, 495}, {7920, 600, 975, 495}, {8160, 480, 975, 495}}},
    {.shared = {.kind = Shape, .name = "Shape6", .outline = Yellow, .outlineWidth = 25,
                .flags = Hidden | Rounded, .member = threeNumber<&Controls::answerRim>},
     .geometry = {{7680, 1200, 975, 495}, {7920, 1320, 975, 495}, {8160, 1200, 975, 495}}},
    {.shared = {.kind = Shape, .name = "Shape16", .outline = Magenta, .outlineWidth = 25,
                .flags = Rounded},
     .geometry = {{3600, 1800, 975, 495}, {3000, 1920, 975, 495}, {3120, 2160, 1095, 495}}},
    {.shared = {.kind = Shape, .name = "Shape15", .outline = Magenta, .outlineWidth = 25,
                .flags = Rounded},
     .geometry = {{7680, 1920, 975, 495}, {7920, 1920, 975, 495}, {8160, 1920, 975, 495}}},
    // The two-number exercise.
    {.shared = {.kind = Label, .name = "Label11", .flags = AutoSize},
     .geometry = {{2160, 0, 1065, 360}, {960, 0, 2145, 360}, {1320, 0, 1980, 360}},
     .font = Heading, .drillText = DrillText::FirstHeading},
    {.shared = {.kind = Label, .name = "lblNumber(0)", .back = Pink, .flags = Centred,
                .description = QT_TR_NOOP("first number of the two-number problem"),
                .member = twoNumber<&Controls::operands, 0>},
     .geometry = {{2040, 480, 1095, 495}, {1560, 600, 1095, 495}, {1680, 720, 1095, 495}},
     .font = Tile},
    {.shared = {.kind = Label, .name = "Label2(0)", .flags = AutoSize | Centred},
     .geometry = {{1440, 1320, 285, 555}, {1200, 1200, 165, 555}, {1200, 1320, 345, 555}},
     .font = Sign, .drillText = DrillText::Sign},
    {.shared = {.kind = Label, .name = "lblNumber(1)", .back = Peach, .flags = Centred,
                .description = QT_TR_NOOP("second number of the two-number problem"),
                .member = twoNumber<&Controls::operands, 1>},
     .geometry = {{2040, 1080, 1095, 495}, {1560, 1200, 1095, 495}, {1680, 1320, 1095, 495}},
     .font = Tile},
    {.shared = {.kind = Label, .name = "Label1(0)", .flags = AutoSize},
     .geometry = {{1440, 1800, 285, 555}, {1080, 1800, 285, 555}, {1080, 1920, 285, 555}},
     .caption = QT_TR_NOOP("="), .font = Sign, .accessibleName = QT_TR_NOOP("equals")},
    {.shared = {.kind = Label, .name = "lblNumber(2)", .back = SystemColour::ActiveTitleText,
                .flags = Hidden | Centred | Border,
                .description = QT_TR_NOOP("correct answer to the two-number problem"),
                .member = twoNumber<&Controls::correctAnswer>},
     .geometry = {{2040, 1800, 975, 615}, {1560, 1920, 975, 495}, {1680, 2040, 975, 495}},
     .font = Tile},
    {.shared = {.kind = Image, .name = "imgImage", .flags = Stretch,
                .description = QT_TR_NOOP("whether the answer to the two-number problem was "
                                          "right"),
                .member = twoNumber<&Controls::picture>},
     .geometry = {{2040, 2880, 855, 735}, {1680, 2640, 735, 615}, {1680, 2880, 735, 615}}},
    {.shared = {.kind = Label, .name = "lblGood", .flags = Hidden | AutoSize | Unheard,
                .member = twoNumber<&Controls::praise>},
     .geometry = {{1680, 3720, 1605, 315}, {120, 2760, 1575, 285}, {0, 3000, 1605, 315}},
     .caption = QT_TR_NOOP("You are good."), .font = PraiseLeft},
    {.shared = {.kind = Label, .name = "lblNumber(3)", .flags = Centred | Unheard,
                .member = twoNumber<&Controls::leadIn>},
     .geometry = {{240, 1680, 1095, 1335}, {120, 2400, 1215, 975}, {120, 2280, 1215, 1215}},
     //: Beside the correct answer after a wrong one; short and kind. It wraps in a narrow
     //: column, each line clear of the "=" and of the Score button's rim.
     .caption = QT_TR_NOOP("The Correct Answer is "), .font = LeadIn},
    {.shared = {.kind = Timer, .name = "Timer1", .interval = 500,
                .member = twoNumber<&Controls::firstTimer>, .handler = on<&DrillWindow::Timer1_Timer>}},
    {.shared = {.kind = Timer, .name = "Timer2", .interval = 500,
                .member = twoNumber<&Controls::secondTimer>, .handler = on<&DrillWindow::Timer2_Timer>}},
    // Its score panel.
    {.shared = {.kind = Label, .name = "Label4", .flags = AutoSize | Unheard},
     .geometry = {{360, 4440, 870, 255}, {360, 4080, 795, 240}, {240, 3840, 795, 240}},
     //: The score panel is three labels at fixed places, each before a number the program
     //: writes: right answers, questions answered and the percentage. Write each as a label
     //: ("Right:", "Total:", "That is"), not as a piece of a sentence.
     .caption = QT_TR_NOOP("You got "), .font = Panel},
    {.shared = {.kind = Label, .name = "lblCorrectA",
                .description = QT_TR_NOOP("number of right answers to the two-number problem"),
                .member = twoNumber<&Controls::correct>},
     .geometry = {{1440, 4440, 735, 375}, {1440, 4080, 735, 375}, {1320, 3840, 615, 375}},
     .font = Panel},
    {.shared = {.kind = Label, .name = "Label9", .flags = Centred | Unheard},
     .geometry = {{2160, 4440, 1815, 615}, {2400, 4080, 1815, 615}, {2160, 3840, 1695, 615}},
     //: Before the percentage, on the same line.
     .caption = QT_TR_NOOP("Questions Giving you a "), .font = Panel},
    {.shared = {.kind = Label, .name = "lblPercentA",
                .description = QT_TR_NOOP("percentage of right answers to the two-number "
                                          "problem"),
                .member = twoNumber<&Controls::percent>},
     .geometry = {{3840, 4440, 1215, 615}, {4320, 4080, 1215, 615}, {3960, 3840, 975, 615}},
     .font = Panel},
    {.shared = {.kind = Label, .name = "Label6", .flags = AutoSize | Unheard},
     .geometry = {{360, 4800, 720, 255}, {360, 4440, 630, 240}, {240, 4200, 630, 240}},
     //: Before the number of questions answered.
     .caption = QT_TR_NOOP("Out of "), .font = Panel},
    {.shared = {.kind = Label, .name = "lblTotalA",
                .description = QT_TR_NOOP("number of two-number problems answered"),
                .member = twoNumber<&Controls::total>},
     .geometry = {{1440, 4800, 735, 255}, {1440, 4440, 735, 255}, {1320, 4200, 615, 255}},
     .font = Panel},
    // The three-number exercise.
    {.shared = {.kind = Label, .name = "Label12", .flags = AutoSize},
     .geometry = {{6240, 0, 1065, 360}, {5760, 120, 2055, 360}, {6120, 0, 1890, 360}},
     .font = Heading, .drillText = DrillText::SecondHeading},
    {.shared = {.kind = Label, .name = "lblnumber2(0)", .back = Peach, .flags = Centred,
                .description = QT_TR_NOOP("first number of the three-number problem"),
                .member = threeNumber<&Controls::operands, 0>},
     .geometry = {{6120, 555, 975, 495}, {6240, 675, 975, 495}, {6360, 555, 975, 495}},
     .font = Tile},
    {.shared = {.kind = Label, .name = "Label2(1)", .flags = AutoSize | Centred},
     .geometry = {{5520, 1320, 285, 555}, {5760, 1800, 165, 555}, {5760, 1080, 345, 555}},
     .font = Sign, .drillText = DrillText::Sign},
    {.shared = {.kind = Label, .name = "lblnumber2(1)", .back = LightGreen, .flags = Centred,
                .description = QT_TR_NOOP("second number of the three-number problem"),
                .member = threeNumber<&Controls::operands, 1>},
     .geometry = {{6120, 1275, 975, 495}, {6240, 1275, 975, 495}, {6360, 1155, 975, 495}},
     .font = Tile},
    {.shared = {.kind = Label, .name = "Label2(2)", .flags = AutoSize | Centred},
     .geometry = {{5520, 2040, 285, 555}, {5880, 1200, 165, 555}, {5760, 1680, 345, 555}},
     .font = Sign, .drillText = DrillText::Sign},
    {.shared = {.kind = Label, .name = "lblnumber2(2)", .back = Lavender, .flags = Centred,
                .description = QT_TR_NOOP("third number of the three-number problem"),
                .member = threeNumber<&Controls::operands, 2>},
     .geometry = {{6120, 1995, 975, 495}, {6240, 1875, 975, 495}, {6360, 1755, 975, 495}},
     .font = Tile},
    {.shared = {.kind = Label, .name = "Label1(1)", .flags = AutoSize},
     .geometry = {{5400, 2760, 285, 555}, {5640, 2520, 285, 555}, {5640, 2520, 285, 555}},
     .caption = QT_TR_NOOP("="), .font = Sign, .accessibleName = QT_TR_NOOP("equals")},
    {.shared = {.kind = Label, .name = "lblnumber2(3)", .back = SystemColour::HighlightText,
                .flags = Centred | Border,
                .description = QT_TR_NOOP("correct answer to the three-number problem"),
                .member = threeNumber<&Controls::correctAnswer>},
     .geometry = {{6120, 2760, 975, 615}, {6240, 2520, 975, 495}, {6240, 2520, 1335, 495}},
     .font = Tile},
    {.shared = {.kind = Image, .name = "imgAnswer", .flags = Stretch,
                .description = QT_TR_NOOP("whether the answer to the three-number problem was "
                                          "right"),
                .member = threeNumber<&Controls::picture>},
     .geometry = {{6240, 3720, 855, 735}, {6360, 3360, 735, 615}, {6480, 3240, 735, 615}}},
    {.shared = {.kind = Label, .name = "lblGood1", .flags = Hidden | AutoSize | Unheard,
                .member = threeNumber<&Controls::praise>},
     .geometry = {{5880, 4560, 1605, 315}, {3960, 2760, 1605, 315}, {4200, 3000, 1605, 315}},
     .caption = QT_TR_NOOP("You are good."), .font = Praise},
    {.shared = {.kind = Label, .name = "lblNumber(4)", .flags = Hidden | Centred | Unheard,
                .member = threeNumber<&Controls::leadIn>},
     .geometry = {{4200, 2760, 1095, 1215}, {4200, 2280, 1215, 975}, {4320, 2520, 1335, 1095}},
     .caption = QT_TR_NOOP("The Correct Answer is "), .font = LeadIn},
    {.shared = {.kind = Timer, .name = "Timer3", .interval = 500,
                .member = threeNumber<&Controls::firstTimer>, .handler = on<&DrillWindow::Timer3_Timer>}},
    {.shared = {.kind = Timer, .name = "Timer4", .interval = 500,
                .member = threeNumber<&Controls::secondTimer>, .handler = on<&DrillWindow::Timer4_Timer>}},
    // Its score panel.
    {.shared = {.kind = Label, .name = "Label3", .flags = AutoSize | Unheard},
     .geometry = {{5280, 5280, 870, 255}, {5520, 4920, 795, 240}, {4560, 4800, 795, 240}},
     .caption = QT_TR_NOOP("You got "), .font = Panel},
    {.shared = {.kind = Label, .name = "lblCorrect",
                .description = QT_TR_NOOP("number of right answers to the three-number problem"),
                .member = threeNumber<&Controls::correct>},
     .geometry = {{6360, 5280, 735, 375}, {6600, 4920, 735, 375}, {5640, 4800, 615, 375}},
     .font = Panel},
    {.shared = {.kind = Label, .name = "Label7", .flags = Centred | Unheard},
     .geometry = {{7200, 5280, 1815, 615}, {7560, 4920, 1815, 615}, {6480, 4800, 1575, 615}},
     .caption = QT_TR_NOOP("Questions Giving you a "), .font = Panel},
    {.shared = {.kind = Label, .name = "lblPersent",
                .description = QT_TR_NOOP("percentage of right answers to the three-number "
                                          "problem"),
                .member = threeNumber<&Controls::percent>},
     .geometry = {{8880, 5280, 1335, 615}, {9720, 4920, 1095, 615}, {8400, 4800, 975, 615}},
     .font = Panel},
    {.shared = {.kind = Label, .name = "Label5", .flags = AutoSize | Unheard},
     .geometry = {{5280, 5640, 720, 255}, {5520, 5280, 630, 240}, {4560, 5160, 630, 240}},
     .caption = QT_TR_NOOP("Out of "), .font = Panel},
    {.shared = {.kind = Label, .name = "lblTotal",
                .description = QT_TR_NOOP("number of three-number problems answered"),
                .member = threeNumber<&Controls::total>},
     .geometry = {{6360, 5640, 735, 255}, {6600, 5280, 735, 255}, {5640, 5160, 615, 255}},
     .font = Panel},
    // Shared by the window: the notices and the faces the feedback pictures show.
    {.shared = {.kind = Label, .name = "Label8"},
     .geometry = {{600, 5280, 1305, 675}, {1560, 4920, 1305, 675}, {240, 4920, 1305, 675}},
     .caption = QT_TR_NOOP("Sumbrook is freeware: share it freely.")},
    {.shared = {.kind = Label, .name = "Label10", .flags = Centred},
     .geometry = {{2880, 5400, 1980, 675}, {3360, 4920, 1980, 675}, {2040, 4920, 1980, 675}},
     .caption = QT_TR_NOOP("For more information or comment Email to sumbrook@example.org")},
    {.shared = {.kind = Image, .name = "imgFace(0)", .picture = ":/face0.xpm", .flags = Hidden,
                .member = bindTo<&DrillWindow::imgFace, 0>},
     .geometry = {{0, 0, 480, 480}}, .accessibleName = QT_TR_NOOP("frowning face")},
    {.shared = {.kind = Image, .name = "imgFace(1)", .picture = ":/face1.xpm", .flags = Hidden,
                .member = bindTo<&DrillWindow::imgFace, 1>},
     .geometry = {{0, 0, 480, 480}}, .accessibleName = QT_TR_NOOP("face with a straight mouth")},
    {.shared = {.kind = Image, .name = "imgFace(2)", .picture = ":/face2.xpm", .flags = Hidden,
                .member = bindTo<&DrillWindow::imgFace, 2>},
     .geometry = {{0, 0, 480, 480}}, .accessibleName = QT_TR_NOOP("smiling face")},
    {.shared = {.kind = Image, .name = "imgFace(3)", .picture = ":/face3.xpm", .flags = Hidden,
                .member = bindTo<&DrillWindow::imgFace, 3>},
     .geometry = {{0, 0, 480, 480}}, .accessibleName = QT_TR_NOOP("laughing face")},
    {.shared = {.kind = Image, .name = "imgFace(4)", .picture = ":/face4.xpm", .flags = Hidden,
                .member = bindTo<&DrillWindow::imgFace, 4>},
     .geometry = {{0, 0, 480, 480}}, .accessibleName = QT_TR_NOOP("laughing face with a nose")},
    // Text boxes and buttons, in front.
    {.shared = {.kind = TextBox, .name = "txtAnswer",
                .description = QT_TR_NOOP("type the answer and press Enter; Tab moves on to the "
                                          "buttons"),
                .member = twoNumber<&Controls::answerBox>,
                .handler = on<&DrillWindow::txtAnswer_Change>},
     .geometry = {{2040, 1800, 975, 675}, {1560, 1875, 975, 555}, {1680, 2040, 975, 555}},
     .font = Tile, .tabIndex = {0, 8, 8}},
    {.shared = {.kind = Button, .name = "cmdReset", .flags = Disabled,
                .description = QT_TR_NOOP("press Enter for a new two-number problem"),
                .member = twoNumber<&Controls::resetButton>,
                .handler = on<&DrillWindow::cmdReset_Click>},
     .geometry = {{3600, 360, 975, 495}, {3000, 600, 975, 495}, {3120, 720, 1095, 495}},
     .caption = QT_TR_NOOP("Reset"), .tabIndex = {1, 7, 7},
     .accessibleName = QT_TR_NOOP("Reset, two numbers")},
    {.shared = {.kind = Button, .name = "cmdAnswer",
                .description = QT_TR_NOOP("press Enter to check the answer to the two-number "
                                          "problem"),
                .member = twoNumber<&Controls::answerButton>,
                .handler = on<&DrillWindow::cmdAnswer_Click>},
     .geometry = {{3600, 1080, 975, 495}, {3000, 1320, 975, 495}, {3120, 1440, 1095, 495}},
     .caption = QT_TR_NOOP("Answer"), .tabIndex = {2, 6, 6},
     .accessibleName = QT_TR_NOOP("Answer, two numbers")},
    {.shared = {.kind = Button, .name = "cmdScore1",
                .description = QT_TR_NOOP("press Enter for the score of the two-number problem"),
                .handler = on<&DrillWindow::cmdScore1_Click>},
     .geometry = {{3600, 1800, 975, 495}, {3000, 1920, 975, 495}, {3120, 2160, 1095, 495}},
     .caption = QT_TR_NOOP("Score"), .tabIndex = {8, 0, 0},
     .accessibleName = QT_TR_NOOP("Score, two numbers")},
    {.shared = {.kind = TextBox, .name = "txtNumber2",
                .description = QT_TR_NOOP("type the answer and press Enter; Tab moves on to the "
                                          "buttons"),
                .member = threeNumber<&Controls::answerBox>,
                .handler = on<&DrillWindow::txtNumber2_Change>},
     .geometry = {{6120, 2760, 975, 555}, {6240, 2520, 975, 555}, {6240, 2520, 1335, 495}},
     .font = Tile, .tabIndex = {6, 2, 2}},
    {.shared = {.kind = Button, .name = "cmdReset1", .flags = Disabled,
                .description = QT_TR_NOOP("press Enter for a new three-number problem"),
                .member = threeNumber<&Controls::resetButton>,
                .handler = on<&DrillWindow::cmdReset1_Click>},
     .geometry = {{7680, 480, 975, 495}, {7920, 600, 975, 495}, {8160, 480, 975, 495}},
     .caption = QT_TR_NOOP("Reset"), .tabIndex = 4,
     .accessibleName = QT_TR_NOOP("Reset, three numbers")},
    {.shared = {.kind = Button, .name = "cmdAnswer1",
                .description = QT_TR_NOOP("press Enter to check the answer to the three-number "
                                          "problem"),
                .member = threeNumber<&Controls::answerButton>,
                .handler = on<&DrillWindow::cmdAnswer1_Click>},
     .geometry = {{7680, 1200, 975, 495}, {7920, 1320, 975, 495}, {8160, 1200, 975, 495}},
     .caption = QT_TR_NOOP("Answer"), .tabIndex = {5, 3, 3},
     .accessibleName = QT_TR_NOOP("Answer, three numbers")},
    {.shared = {.kind = Button, .name = "cmdScore",
                .description = QT_TR_NOOP("press Enter for the score of the three-number "
                                          "problem"),
                .handler = on<&DrillWindow::cmdScore_Click>},
     .geometry = {{7680, 1920, 975, 495}, {7920, 1920, 975, 495}, {8160, 1920, 975, 495}},
     .caption = QT_TR_NOOP("Score"), .tabIndex = {7, 1, 1},
     .accessibleName = QT_TR_NOOP("Score, three numbers")},
    {.shared = {.kind = Button, .name = "cmdExit",
                .description = QT_TR_NOOP("press Enter to close the window"),
                .handler = on<&DrillWindow::cmdExit_Click>},
     .geometry = {{600, 6120, 1215, 495}, {120, 5040, 1215, 495}, {840, 5880, 1215, 495}},
     .caption = QT_TR_NOOP("Exit"), .tabIndex = {3, 5, 5}},
};

constexpr DrillMenuRow DrillWindow::MenuRows[] = {
    {.shared = {.accessibleName = QT_TR_NOOP("Score")}, .name = "mnuScore",
     .caption = {QT_TR_NOOP(" Score"), QT_TR_NOOP("Score"), QT_TR_NOOP("Score")}},
    {.shared = {.item = true, .handler = on<&DrillWindow::mnuItemSaveScore_Click>},
     .name = {"mnuitemSaveScore", "mnuItemSaveScore", "mnuItemSaveScore"},
     .caption = QT_TR_NOOP("Save Score")},
    {.shared = {.item = true, .handler = on<&DrillWindow::mnuItemRetrievScores_Click>,
                .accessibleName = QT_TR_NOOP("Display Scores")},
     .name = "mnuItemRetrievScores",
     .caption = {QT_TR_NOOP("Display Scores"), QT_TR_NOOP("Desplay Scores"),
                 QT_TR_NOOP("Desplay Scores")}},
    // Beyond the design: each learner's progress, opened on this drill.
    {.shared = {.item = true, .handler = on<&DrillWindow::mnuItemProgress_Click>},
     .name = "mnuItemProgress", .caption = QT_TR_NOOP("Progress")},
};

// The restored client area of each layout.
constexpr PerLayout<TwipsSize> ClientAreas{{11265, 8085}, {11205, 6645}, {10095, 6645}};

// clang-format on

// A field set in a shared row where it has a column would be overwritten by the column.
static_assert(std::ranges::all_of(DrillWindow::Rows, [](const DrillRow &row) {
    constexpr ControlRow Unset;
    return row.shared.geometry == Unset.geometry && *row.shared.caption == '\0' &&
           row.shared.font == Unset.font && row.shared.tabIndex == Unset.tabIndex &&
           row.shared.accessibleName == Unset.accessibleName;
}));
static_assert(std::ranges::all_of(DrillWindow::MenuRows, [](const DrillMenuRow &row) {
    return !row.shared.name && !row.shared.caption;
}));

ControlRow DrillRow::at(const Drill &drill) const
{
    ControlRow row = shared;
    row.geometry = geometry[drill.layout];
    row.caption = caption[drill.layout];
    row.font = font[drill.layout];
    row.tabIndex = tabIndex[drill.layout];
    row.accessibleName = accessibleName[drill.layout];
    switch (drillText) {
    case DrillText::None:
        break;
    case DrillText::FirstHeading:
    case DrillText::SecondHeading:
        row.caption = drill.headings[drillText == DrillText::SecondHeading];
        break;
    case DrillText::Sign:
        // The sign between the tiles, and what a screen reader calls it.
        row.caption = integerOperation(drill.operation).sign;
        row.accessibleName = integerOperation(drill.operation).word;
        break;
    }
    return row;
}

MenuRow DrillMenuRow::at(const Drill &drill) const
{
    MenuRow row = shared;
    row.name = name[drill.layout];
    row.caption = caption[drill.layout];
    return row;
}

namespace {

// One window's rows, from rows with a column per layout.
template<class Row, std::size_t Count>
auto rowsOf(const Row (&rows)[Count], const Drill &drill)
{
    std::vector<decltype(rows[0].at(drill))> own;
    std::ranges::transform(rows, std::back_inserter(own),
                           [&drill](const Row &row) { return row.at(drill); });
    return own;
}

// Each integer drill's window: its name, caption and icon from the table of drills, its size
// from its layout. Division's row has a design of its own.
constexpr auto Windows = [] {
    std::array<WindowDesign, drilltable::DrillCount> windows{};
    for (const Drill &drill : drilltable::Drills) {
        windows[indexOf(drill)] = {
            .name = drill.name,
            .caption = drill.caption,
            .clientArea = integerLayout(drill.layout) ? ClientAreas[drill.layout] : TwipsSize{},
            .icon = drill.icon};
    }
    return windows;
}();

const Drill &integerDrill(const Drill &drill)
{
    if (!integerLayout(drill.layout))
        qFatal("%s has no integer drill's layout", drill.name);
    return drill;
}

} // namespace

// Builds the window from the design: its controls and menu, bound into each exercise's controls.
DrillWindow::DrillWindow(const Drill &drill, toolkit::RandomSource &random,
                         toolkit::ModalBoxes &boxes, QWidget *parent)
    : Form(Windows[indexOf(integerDrill(drill))], parent)
    , m_two(integerOperation(drill.operation), Face::Smiling)
    , m_three(integerOperation(drill.operation), Face::Laughing)
    , m_drill(drill)
    , m_random(random)
    , m_boxes(boxes)
    , m_twoView(*this, integerOperation(drill.operation), two, 2, imgFace)
    , m_threeView(*this, integerOperation(drill.operation), three, 3, imgFace)
{
    build(rowsOf(Rows, drill));
    buildMenus(rowsOf(MenuRows, drill));
    m_twoView.controlsBuilt();
    m_threeView.controlsBuilt();
}

} // namespace drills
