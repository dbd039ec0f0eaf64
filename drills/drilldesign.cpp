#include "drilldesign.h"

#include "designparts.h"

namespace drills {

using namespace toolkit;
using enum toolkit::Kind;

namespace {

using namespace parts;

constexpr PerDrill<Font> PraiseLeft{Praise, Font{"MS Serif", 12, true}, Praise};
constexpr PerDrill<Font> Panel{Font{"Arial", 11.25, true, true}, Font{"Arial", 9.75, true, true},
                               Font{"Arial", 9.75, true, true}};

constexpr PerDrill<const char *> SignCaption{"+", "-", "X"};

// One row per control reads better than one field per line.
// clang-format off
// Columns: kind, name, geometry (Addition, Subtraction, Multiplication), caption, font, back,
// flags, outline colour, outline width, rectangle taken from, timer interval.
constexpr DrillRow Rows[] = {
    // The two-number exercise.
    {Label, "Label11", {{2160, 0, 1065, 360}, {960, 0, 2145, 360}, {1320, 0, 1980, 360}},
     {"ADD 2", "SUBTRACT  2", "MULTIPLY  2"}, Heading, {}, AutoSize},
    {Label, "lblNumber(0)", {{2040, 480, 1095, 495}, {1560, 600, 1095, 495}, {1680, 720, 1095, 495}},
     "", Tile, Pink, Centred},
    {Label, "Label2(0)", {{1440, 1320, 285, 555}, {1200, 1200, 165, 555}, {1200, 1320, 345, 555}},
     SignCaption, Sign, {}, Centred | AutoSize},
    {Label, "lblNumber(1)", {{2040, 1080, 1095, 495}, {1560, 1200, 1095, 495}, {1680, 1320, 1095, 495}},
     "", Tile, Peach, Centred},
    {Label, "Label1(0)", {{1440, 1800, 285, 555}, {1080, 1800, 285, 555}, {1080, 1920, 285, 555}},
     "=", Sign, {}, AutoSize},
    {TextBox, "txtAnswer", {{2040, 1800, 975, 675}, {1560, 1875, 975, 555}, {1680, 2040, 975, 555}},
     "", Tile},
    {Label, "lblNumber(2)", {{2040, 1800, 975, 615}, {1560, 1920, 975, 495}, {1680, 2040, 975, 495}},
     "", Tile, SystemColour::ActiveTitleText, Border | Centred | Hidden},
    {Button, "cmdReset", {{3600, 360, 975, 495}, {3000, 600, 975, 495}, {3120, 720, 1095, 495}},
     "Reset", {}, {}, Disabled},
    {Button, "cmdAnswer", {{3600, 1080, 975, 495}, {3000, 1320, 975, 495}, {3120, 1440, 1095, 495}},
     "Answer"},
    {Button, "cmdScore1", {{3600, 1800, 975, 495}, {3000, 1920, 975, 495}, {3120, 2160, 1095, 495}},
     "Score"},
    {Image, "imgImage", {{2040, 2880, 855, 735}, {1680, 2640, 735, 615}, {1680, 2880, 735, 615}},
     "", {}, {}, Stretch},
    {Label, "lblGood", {{1680, 3720, 1605, 315}, {120, 2760, 1575, 285}, {0, 3000, 1605, 315}},
     PraiseCaption, PraiseLeft, {}, AutoSize | Hidden},
    {Label, "lblNumber(3)", {{240, 1680, 1095, 1335}, {120, 2400, 1215, 975}, {120, 2280, 1215, 1215}},
     LeadInCaption, LeadIn, {}, Centred},
    {Timer, "Timer1", {}, "", {}, {}, NoFlags, {}, 0, nullptr, 500},
    {Timer, "Timer2", {}, "", {}, {}, NoFlags, {}, 0, nullptr, 500},

    // Its score panel.
    {Label, "Label4", {{360, 4440, 870, 255}, {360, 4080, 795, 240}, {240, 3840, 795, 240}},
     "You got ", Panel, {}, AutoSize},
    {Label, "lblCorrectA", {{1440, 4440, 735, 375}, {1440, 4080, 735, 375}, {1320, 3840, 615, 375}},
     "", Panel},
    {Label, "Label9", {{2160, 4440, 1815, 615}, {2400, 4080, 1815, 615}, {2160, 3840, 1695, 615}},
     "Questions Giving you a ", Panel, {}, Centred},
    {Label, "lblPercentA", {{3840, 4440, 1215, 615}, {4320, 4080, 1215, 615}, {3960, 3840, 975, 615}},
     "", Panel},
    {Label, "Label6", {{360, 4800, 720, 255}, {360, 4440, 630, 240}, {240, 4200, 630, 240}},
     "Out of ", Panel, {}, AutoSize},
    {Label, "lblTotalA", {{1440, 4800, 735, 255}, {1440, 4440, 735, 255}, {1320, 4200, 615, 255}},
     "", Panel},

    // The three-number exercise.
    {Label, "Label12", {{6240, 0, 1065, 360}, {5760, 120, 2055, 360}, {6120, 0, 1890, 360}},
     {"ADD 3", "SUBTRACT 3", "MULTIPLY 3"}, Heading, {}, AutoSize},
    {Label, "lblnumber2(0)", {{6120, 555, 975, 495}, {6240, 675, 975, 495}, {6360, 555, 975, 495}},
     "", Tile, Peach, Centred},
    {Label, "Label2(1)", {{5520, 1320, 285, 555}, {5760, 1800, 165, 555}, {5760, 1080, 345, 555}},
     SignCaption, Sign, {}, Centred | AutoSize},
    {Label, "lblnumber2(1)", {{6120, 1275, 975, 495}, {6240, 1275, 975, 495}, {6360, 1155, 975, 495}},
     "", Tile, LightGreen, Centred},
    {Label, "Label2(2)", {{5520, 2040, 285, 555}, {5880, 1200, 165, 555}, {5760, 1680, 345, 555}},
     SignCaption, Sign, {}, Centred | AutoSize},
    {Label, "lblnumber2(2)", {{6120, 1995, 975, 495}, {6240, 1875, 975, 495}, {6360, 1755, 975, 495}},
     "", Tile, Lavender, Centred},
    {Label, "Label1(1)", {{5400, 2760, 285, 555}, {5640, 2520, 285, 555}, {5640, 2520, 285, 555}},
     "=", Sign, {}, AutoSize},
    {TextBox, "txtNumber2", {{6120, 2760, 975, 555}, {6240, 2520, 975, 555}, {6240, 2520, 1335, 495}},
     "", Tile},
    {Label, "lblnumber2(3)", {{6120, 2760, 975, 615}, {6240, 2520, 975, 495}, {6240, 2520, 1335, 495}},
     "", Tile, SystemColour::HighlightText, Border | Centred},
    {Button, "cmdReset1", {{7680, 480, 975, 495}, {7920, 600, 975, 495}, {8160, 480, 975, 495}},
     "Reset", {}, {}, Disabled},
    {Button, "cmdAnswer1", {{7680, 1200, 975, 495}, {7920, 1320, 975, 495}, {8160, 1200, 975, 495}},
     "Answer"},
    {Button, "cmdScore", {{7680, 1920, 975, 495}, {7920, 1920, 975, 495}, {8160, 1920, 975, 495}},
     "Score"},
    {Image, "imgAnswer", {{6240, 3720, 855, 735}, {6360, 3360, 735, 615}, {6480, 3240, 735, 615}},
     "", {}, {}, Stretch},
    {Label, "lblGood1", {{5880, 4560, 1605, 315}, {3960, 2760, 1605, 315}, {4200, 3000, 1605, 315}},
     PraiseCaption, Praise, {}, AutoSize | Hidden},
    {Label, "lblNumber(4)", {{4200, 2760, 1095, 1215}, {4200, 2280, 1215, 975}, {4320, 2520, 1335, 1095}},
     LeadInCaption, LeadIn, {}, Centred | Hidden},
    {Timer, "Timer3", {}, "", {}, {}, NoFlags, {}, 0, nullptr, 500},
    {Timer, "Timer4", {}, "", {}, {}, NoFlags, {}, 0, nullptr, 500},

    // Its score panel.
    {Label, "Label3", {{5280, 5280, 870, 255}, {5520, 4920, 795, 240}, {4560, 4800, 795, 240}},
     "You got ", Panel, {}, AutoSize},
    {Label, "lblCorrect", {{6360, 5280, 735, 375}, {6600, 4920, 735, 375}, {5640, 4800, 615, 375}},
     "", Panel},
    {Label, "Label7", {{7200, 5280, 1815, 615}, {7560, 4920, 1815, 615}, {6480, 4800, 1575, 615}},
     "Questions Giving you a ", Panel, {}, Centred},
    {Label, "lblPersent", {{8880, 5280, 1335, 615}, {9720, 4920, 1095, 615}, {8400, 4800, 975, 615}},
     "", Panel},
    {Label, "Label5", {{5280, 5640, 720, 255}, {5520, 5280, 630, 240}, {4560, 5160, 630, 240}},
     "Out of ", Panel, {}, AutoSize},
    {Label, "lblTotal", {{6360, 5640, 735, 255}, {6600, 5280, 735, 255}, {5640, 5160, 615, 255}},
     "", Panel},

    // Shared by the window.
    {Button, "cmdExit", {{600, 6120, 1215, 495}, {120, 5040, 1215, 495}, {840, 5880, 1215, 495}},
     "Exit"},
    {Label, "Label8", {{600, 5280, 1305, 675}, {1560, 4920, 1305, 675}, {240, 4920, 1305, 675}},
     NoticeCaption},
    {Label, "Label10", {{2880, 5400, 1980, 675}, {3360, 4920, 1980, 675}, {2040, 4920, 1980, 675}},
     ContactCaption, {}, {}, Centred},
    {Image, "imgFace(0)", {{0, 0, 480, 480}}, ":/face0.xpm", {}, {}, Hidden},
    {Image, "imgFace(1)", {{0, 0, 480, 480}}, ":/face1.xpm", {}, {}, Hidden},
    {Image, "imgFace(2)", {{0, 0, 480, 480}}, ":/face2.xpm", {}, {}, Hidden},
    {Image, "imgFace(3)", {{0, 0, 480, 480}}, ":/face3.xpm", {}, {}, Hidden},
    {Image, "imgFace(4)", {{0, 0, 480, 480}}, ":/face4.xpm", {}, {}, Hidden},

    // Tile frames round the tiles' corners.
    {Shape, "Shape17", {}, "", {}, {}, Rounded, Pink, 12, "lblNumber(0)"},
    {Shape, "Shape18", {}, "", {}, {}, Rounded, Peach, 12, "lblNumber(1)"},
    {Shape, "Shape19", {{6120, 555, 975, 570}, {6240, 675, 975, 495}, {6360, 555, 975, 495}},
     "", {}, {}, Rounded, Peach, 12},
    {Shape, "Shape20", {{6120, 1275, 975, 570}, {6240, 1275, 975, 495}, {6360, 1155, 975, 495}},
     "", {}, {}, Rounded, LightGreen, 12},
    {Shape, "Shape21", {{6120, 1995, 975, 570}, {6240, 1875, 975, 495}, {6360, 1755, 975, 495}},
     "", {}, {}, Rounded, Lavender, 12},

    // Answer frames: yellow while an answer is awaited, blue after a right one, red after a wrong.
    {Shape, "Shape10", {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}},
     "", {}, {}, Rounded, Yellow, 12},
    {Shape, "Shape12", {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}},
     "", {}, {}, Rounded | Hidden, Blue, 12},
    {Shape, "Shape13", {{1920, 1680, 1215, 855}, {1440, 1800, 1215, 735}, {1560, 1920, 1215, 735}},
     "", {}, {}, Rounded | Hidden, Red, 12},
    {Shape, "Shape9", {{6000, 2670, 1215, 735}, {6120, 2430, 1215, 735}, {6120, 2400, 1575, 645}},
     "", {}, {}, Rounded, Yellow, 12},
    {Shape, "Shape14", {{6000, 2670, 1215, 765}, {6120, 2430, 1215, 735}, {6120, 2430, 1575, 645}},
     "", {}, {}, Rounded | Hidden, Blue, 12},
    {Shape, "Shape11", {{6000, 2670, 1215, 765}, {6120, 2400, 1215, 735}, {6120, 2430, 1575, 615}},
     "", {}, {}, Rounded | Hidden, Red, 12},

    // Button rims: the blue ones always, a yellow one above while its button is disabled.
    {Shape, "Shape3", {}, "", {}, {}, Rounded, Blue, 25, "cmdReset"},
    {Shape, "Shape4", {}, "", {}, {}, Rounded, Blue, 25, "cmdAnswer"},
    {Shape, "Shape1", {}, "", {}, {}, Rounded, Blue, 25, "cmdReset1"},
    {Shape, "Shape2", {}, "", {}, {}, Rounded, Blue, 25, "cmdAnswer1"},
    {Shape, "Shape7", {}, "", {}, {}, Rounded, Yellow, 25, "cmdReset"},
    {Shape, "Shape8", {}, "", {}, {}, Rounded | Hidden, Yellow, 25, "cmdAnswer"},
    {Shape, "Shape5", {}, "", {}, {}, Rounded, Yellow, 25, "cmdReset1"},
    {Shape, "Shape6", {}, "", {}, {}, Rounded | Hidden, Yellow, 25, "cmdAnswer1"},
    {Shape, "Shape16", {}, "", {}, {}, Rounded, Magenta, 25, "cmdScore1"},
    {Shape, "Shape15", {}, "", {}, {}, Rounded, Magenta, 25, "cmdScore"},

    // The score panels, beneath their labels.
    {Shape, "Shape22", {{240, 4320, 5295, 855}, {240, 3960, 5535, 855}, {120, 3720, 5055, 855}},
     "", {}, PaleYellow, Rounded, PaleYellow, 1},
    {Shape, "Shape23", {{5160, 5160, 5535, 855}, {5400, 4800, 5535, 855}, {4440, 4680, 5415, 855}},
     "", {}, PaleYellow, Rounded, PaleYellow, 1},
};

// The tiles, the correct answers and the score values have no fixed name: what they show is
// their name, so a screen reader reads the number.
constexpr DrillAccessibleRow Accessible[] = {
    {"lblNumber(0)", nullptr, "first number of the two-number problem"},
    {"Label2(0)", {"plus", "minus", "times"}},
    {"lblNumber(1)", nullptr, "second number of the two-number problem"},
    {"Label1(0)", "equals"},
    {"txtAnswer", "answer to the two-number problem", "type it and press Enter"},
    {"lblNumber(2)", nullptr, "correct answer to the two-number problem"},
    {"cmdReset", nullptr, "a new two-number problem"},
    {"cmdAnswer", nullptr, "checks the answer to the two-number problem"},
    {"cmdScore1", nullptr, "shows the score of the two-number problem"},
    {"imgImage", nullptr, "whether the answer to the two-number problem was right"},
    {"lblGood", nullptr, nullptr, true},
    {"lblCorrectA", nullptr, "number of right answers to the two-number problem"},
    {"lblTotalA", nullptr, "number of two-number problems answered"},
    {"lblPercentA", nullptr, "percentage of right answers to the two-number problem"},

    {"lblnumber2(0)", nullptr, "first number of the three-number problem"},
    {"Label2(1)", {"plus", "minus", "times"}},
    {"lblnumber2(1)", nullptr, "second number of the three-number problem"},
    {"Label2(2)", {"plus", "minus", "times"}},
    {"lblnumber2(2)", nullptr, "third number of the three-number problem"},
    {"Label1(1)", "equals"},
    {"txtNumber2", "answer to the three-number problem", "type it and press Enter"},
    {"lblnumber2(3)", nullptr, "correct answer to the three-number problem"},
    {"cmdReset1", nullptr, "a new three-number problem"},
    {"cmdAnswer1", nullptr, "checks the answer to the three-number problem"},
    {"cmdScore", nullptr, "shows the score of the three-number problem"},
    {"imgAnswer", nullptr, "whether the answer to the three-number problem was right"},
    {"lblGood1", nullptr, nullptr, true},
    {"lblCorrect", nullptr, "number of right answers to the three-number problem"},
    {"lblTotal", nullptr, "number of three-number problems answered"},
    {"lblPersent", nullptr, "percentage of right answers to the three-number problem"},

    {"cmdExit", nullptr, "closes the window"},
    {"imgFace(0)", FaceNames[0]},
    {"imgFace(1)", FaceNames[1]},
    {"imgFace(2)", FaceNames[2]},
    {"imgFace(3)", FaceNames[3]},
    {"imgFace(4)", FaceNames[4]},
};

constexpr DrillMenuRow MenuRows[] = {
    {"mnuScore", {" Score", "Score", "Score"}},
    {{"mnuitemSaveScore", "mnuItemSaveScore", "mnuItemSaveScore"}, "Save Score", "mnuScore"},
    {"mnuItemRetrievScores", {"Display Scores", "Desplay Scores", "Desplay Scores"}, "mnuScore"},
};

constexpr WindowDesign Windows[] = {
    {"frmAddition", "Addition", {11265, 8085}, "plus"},
    {"frmSubtraction", "Subtraction", {11205, 6645}, "minus"},
    {"frmMultiplication", "Multiplication", {10095, 6645}, "cross"},
};

constexpr const char *AdditionTabOrder[] = {"txtAnswer",  "cmdReset",   "cmdAnswer",
                                            "cmdExit",    "cmdReset1",  "cmdAnswer1",
                                            "txtNumber2", "cmdScore",   "cmdScore1"};
constexpr const char *OtherTabOrder[] = {"cmdScore1", "cmdScore", "txtNumber2",
                                         "cmdAnswer1", "cmdReset1", "cmdExit",
                                         "cmdAnswer",  "cmdReset", "txtAnswer"};

constexpr OperandRanges Ranges[] = {
    // Addition alone deals smaller numbers for its first problems.
    {{{{1, 10}, {1, 10}}}, {{{1, 25}, {1, 25}}}, {{{1, 10}, {1, 10}, {1, 10}}},
     {{{1, 25}, {1, 25}, {1, 25}}}},
    {{{{25, 74}, {1, 25}}}, {{{25, 74}, {1, 25}}}, {{{35, 84}, {20, 54}, {1, 20}}},
     {{{35, 84}, {20, 54}, {1, 20}}}},
    {{{{1, 25}, {1, 25}}}, {{{1, 25}, {1, 25}}}, {{{1, 25}, {1, 25}, {1, 25}}},
     {{{1, 25}, {1, 25}, {1, 25}}}},
};

// clang-format on

} // namespace

std::span<const DrillRow> drillRows()
{
    return Rows;
}

std::span<const DrillAccessibleRow> drillAccessibility()
{
    return Accessible;
}

std::span<const DrillMenuRow> drillMenuRows()
{
    return MenuRows;
}

const WindowDesign &windowDesign(Drill drill)
{
    return Windows[static_cast<int>(drill)];
}

std::span<const char *const> tabOrder(Drill drill)
{
    if (drill == Drill::Addition)
        return AdditionTabOrder;
    return OtherTabOrder;
}

const OperandRanges &operandRanges(Drill drill)
{
    return Ranges[static_cast<int>(drill)];
}

} // namespace drills
