// The vocabulary of the design tables: one row per control, turned into widgets by Form::build().
#pragma once

#include "twips.h"

#include <cstdint>

namespace toolkit {

enum class Kind : std::uint8_t { Label, TextBox, Button, Image, Shape, Line, Timer };

// A face of the design ("MS Sans Serif", "MS Serif", "Arial"); a null face means the window's font.
struct Font
{
    const char *face = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// A fixed #RRGGBB colour, a numbered system colour of the desktop's scheme, or none.
struct Colour
{
    enum Source : std::uint8_t { None, Rgb, System };
    Source source = None;
    std::uint32_t value = 0;

    constexpr bool isSet() const { return source != None; }
};

constexpr Colour rgb(std::uint32_t value)
{
    return {Colour::Rgb, value};
}

// The system colour numbers the design uses.
namespace SystemColour {
constexpr Colour WindowText{Colour::System, 8};
constexpr Colour ActiveTitleText{Colour::System, 9};
constexpr Colour AppWorkspace{Colour::System, 12};
constexpr Colour HighlightText{Colour::System, 14};
constexpr Colour ButtonFace{Colour::System, 15};
} // namespace SystemColour

enum Flag : unsigned {
    NoFlags = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    AutoSize = 1u << 2, // a label takes the size of its caption, keeping Left and Top
    Centred = 1u << 3,
    Border = 1u << 4,     // single-line border
    Rounded = 1u << 5,    // a shape's rounded rectangle
    Stretch = 1u << 6,    // an image scales its picture to fill the control
    SingleLine = 1u << 7, // a label that does not wrap
    TabStop = 1u << 8,    // a button that the Tab key reaches; the drills' buttons are kept out
    MultiLine = 1u << 9,  // a text box of many lines, with both scroll bars and no wrapping
};

struct ControlRow
{
    Kind kind = Kind::Label;
    const char *name = nullptr; // also the Qt object name: "lblNumber(0)" for array elements
    Twips geometry = {};        // for a line: x1, y1, x2, y2
    const char *caption = "";   // label caption, button text, image picture resource
    Font font = {};
    Colour back = {}; // label background, shape fill
    unsigned flags = NoFlags;
    Colour line = {};              // shape outline, line colour, label text
    int lineWidth = 0;             // in pixels
    const char *follows = nullptr; // a frame that takes the rectangle of this control
    int interval = 0;              // timers, in milliseconds
};

// What a screen reader says of a control, or of the window when the name is the window's own. A
// null accessible name leaves the control's text to speak for it, so it follows every change.
struct AccessibleRow
{
    const char *name;
    const char *accessibleName = nullptr;
    const char *description = nullptr;
    bool announced = false; // its appearing is announced, wherever the focus is
};

// A menu bar entry (parent null) or an item of the entry named by parent.
struct MenuRow
{
    const char *name;
    const char *caption;
    const char *parent = nullptr;
};

// Window properties that the shell needs to place a window.
struct WindowDesign
{
    const char *name;
    const char *caption;
    TwipsSize clientArea; // the restored size
    const char *icon;     // picture name, see designIcon()
    bool mdiChild = true;
};

} // namespace toolkit
