#include "divisiondesign.h"

#include "drills/designparts.h"

namespace division {

using namespace toolkit;
using namespace drills::parts;
using enum toolkit::Kind;

namespace {

constexpr Font Panel{"Arial", 11.25, true, true};
constexpr Font Percent{"Arial", 15.75, true, true};

// One row per control reads better than one field per line.
// clang-format off
// Columns: kind, name, geometry, caption, font, back, flags, outline colour, outline width,
// rectangle taken from, timer interval.
constexpr ControlRow Rows[] = {
    {Label, "Label11", {1560, 360, 3675, 360}, "Divide 2 decimal places  ", Heading, {}, AutoSize},
    {Label, "lblNumber(3)", {1800, 720, 3375, 375}, LeadInCaption, LeadIn, {}, Centred | SingleLine},
    {Label, "lblGood", {2640, 720, 1605, 315}, PraiseCaption, Praise, {}, AutoSize | Hidden},
    {TextBox, "txtAnswer", {3120, 1320, 1575, 555}, "", Tile},
    {Label, "lblNumber(2)", {3120, 1320, 1575, 495}, "", Tile, SystemColour::ActiveTitleText, Border | Centred | Hidden},
    {Image, "imgImage", {2040, 1320, 735, 615}, "", {}, {}, Stretch},
    {Label, "lblNumber(1)", {1800, 2160, 1095, 495}, "", Tile, Peach, Centred}, // divisor
    {Label, "lblNumber(0)", {3120, 2160, 1095, 495}, "", Tile, Pink, Centred}, // dividend
    {Button, "cmdReset", {5640, 840, 1095, 495}, "Reset", {}, {}, Disabled},
    {Button, "cmdAnswer", {5640, 1560, 1095, 495}, "Answer"},
    {Button, "cmdScore1", {5640, 2400, 975, 495}, "Score"},
    {Button, "cmdExit", {1800, 5160, 1215, 495}, "Exit"},
    {Timer, "Timer1", {}, "", {}, {}, NoFlags, {}, 0, nullptr, 500},
    {Timer, "Timer2", {}, "", {}, {}, NoFlags, {}, 0, nullptr, 500},
    {Image, "imgFace(0)", {0, 0, 480, 480}, ":/face0.xpm", {}, {}, Hidden},
    {Image, "imgFace(1)", {0, 0, 480, 480}, ":/face1.xpm", {}, {}, Hidden},
    {Image, "imgFace(2)", {0, 0, 480, 480}, ":/face2.xpm", {}, {}, Hidden},
    {Image, "imgFace(3)", {0, 0, 480, 480}, ":/face3.xpm", {}, {}, Hidden},
    {Image, "imgFace(4)", {0, 0, 480, 480}, ":/face4.xpm", {}, {}, Hidden},
    {Label, "Label8", {1560, 4200, 1305, 675}, NoticeCaption},
    {Label, "Label10", {3840, 4200, 1980, 675}, ContactCaption, {}, {}, Centred},

    // The score panel.
    {Label, "Label4", {1080, 3240, 975, 255}, "You got ", Panel, {}, AutoSize},
    {Label, "lblCorrectA", {2160, 3240, 735, 375}, "", Panel},
    {Label, "Label9", {3120, 3240, 1815, 615}, "Questions Giving you a ", Panel, {}, Centred},
    {Label, "lblPercentA", {5040, 3240, 1695, 615}, "", Percent},
    {Label, "Label6", {1080, 3600, 720, 255}, "Out of ", Panel, {}, AutoSize},
    {Label, "lblTotalA", {2160, 3600, 735, 255}, "", Panel},

    {Shape, "Shape18", {}, "", {}, {}, Rounded, Peach, 12, "lblNumber(1)"},
    {Shape, "Shape17", {}, "", {}, {}, Rounded, Pink, 12, "lblNumber(0)"},
    {Shape, "Shape10", {3000, 1200, 1815, 735}, "", {}, {}, Rounded, Yellow, 12},
    {Shape, "Shape12", {3000, 1200, 1815, 735}, "", {}, {}, Rounded | Hidden, Blue, 12},
    {Shape, "Shape13", {3000, 1200, 1815, 735}, "", {}, {}, Rounded | Hidden, Red, 12},
    {Shape, "Shape3", {}, "", {}, {}, Rounded, Blue, 25, "cmdReset"},
    {Shape, "Shape4", {}, "", {}, {}, Rounded, Blue, 25, "cmdAnswer"},
    {Shape, "Shape7", {}, "", {}, {}, Rounded, Yellow, 25, "cmdReset"},
    {Shape, "Shape8", {}, "", {}, {}, Rounded | Hidden, Yellow, 25, "cmdAnswer"},
    {Shape, "Shape16", {}, "", {}, {}, Rounded, Magenta, 25, "cmdScore1"},
    {Shape, "Shape22", {960, 3120, 5895, 855}, "", {}, PaleYellow, Rounded, PaleYellow, 1},
    // The division bracket: two plain bars, one pixel thin, drawn solid by their
    // outline, above the answer frame that reaches down to the bar.
    {Shape, "Shape24", {3060, 2040, 15, 735}, "", {}, {}, NoFlags, SystemColour::WindowText, 5},
    {Shape, "Shape21", {3030, 2010, 1815, 15}, "", {}, {}, NoFlags, SystemColour::WindowText, 5},
};
// clang-format on

// The tiles, the correct answer and the score values have no fixed name: what they show is their
// name, so a screen reader reads the number.
constexpr AccessibleRow Accessible[] = {
    {"lblNumber(0)", nullptr, "number to divide"},
    {"lblNumber(1)", nullptr, "number to divide by"},
    {"txtAnswer", "answer, to two decimal places", "type it and press Enter"},
    {"lblNumber(2)", nullptr, "correct answer, to two decimal places"},
    {"cmdReset", nullptr, "a new problem"},
    {"cmdAnswer", nullptr, "checks the answer"},
    {"cmdScore1", nullptr, "shows the score"},
    {"cmdExit", nullptr, "closes the window"},
    {"imgImage", nullptr, "whether the answer was right"},
    {"lblGood", nullptr, nullptr, true},
    {"lblCorrectA", nullptr, "number of right answers"},
    {"lblTotalA", nullptr, "number of problems answered"},
    {"lblPercentA", nullptr, "percentage of right answers"},
    {"imgFace(0)", FaceNames[0]},
    {"imgFace(1)", FaceNames[1]},
    {"imgFace(2)", FaceNames[2]},
    {"imgFace(3)", FaceNames[3]},
    {"imgFace(4)", FaceNames[4]},
};

constexpr MenuRow MenuRows[] = {
    {"mnuScore", " Score"},
    {"mnuitemSaveScore", "Save Score", "mnuScore"},
    {"mnuItemRetrievScores", "Display Scores", "mnuScore"},
};

constexpr WindowDesign Design{"frmDivision", "Division ", {6720, 5655}, "divide"};

constexpr const char *TabOrder[] = {"txtAnswer", "cmdReset", "cmdAnswer", "cmdExit", "cmdScore1"};

} // namespace

std::span<const ControlRow> divisionRows()
{
    return Rows;
}

std::span<const AccessibleRow> divisionAccessibility()
{
    return Accessible;
}

std::span<const MenuRow> divisionMenuRows()
{
    return MenuRows;
}

const WindowDesign &divisionDesign()
{
    return Design;
}

std::span<const char *const> divisionTabOrder()
{
    return TabOrder;
}

} // namespace division
