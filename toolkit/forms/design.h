// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The vocabulary of the design tables: one row per control, each field read by its name and meaning
// one thing, turned into widgets by Form::build().
#pragma once

#include "twips.h"

#include <cstdint>
#include <string_view>

class QObject;
class QWidget;

namespace toolkit {

class Form;

enum class Kind : std::uint8_t {
    Label,
    TextBox,
    Button,
    Image,
    Shape,
    Line,
    Timer,
    Choice, // a drop-down list of .items
    Date,   // a date, with a calendar to pick it from
    Table,  // rows of cells, chosen a row at a time
    Meter,  // how far a long task has come
    Pages,  // pages captioned by .items, holding the rows placed on them
    View,   // a control the window paints itself, made by .make
};

// Where a control of a window that grows with its frame stands: a bar across the top, the column
// between the bars, a page of the window's Pages control, a bar across the bottom. A placed
// control stands at its geometry instead.
enum class Band : std::uint8_t { Placed, Above, Body, Page, Below };

// A face of the design ("MS Sans Serif", "MS Serif", "Arial"); a null face means the window's font.
struct Font
{
    const char *face = nullptr;
    double points = 0;
    bool bold = false;
    bool italic = false;

    friend constexpr bool operator==(const Font &, const Font &) = default;
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
    Border = 1u << 4,      // single-line border
    Rounded = 1u << 5,     // a shape's rounded rectangle
    Stretch = 1u << 6,     // an image scales its picture to fill the control
    SingleLine = 1u << 7,  // a label that does not wrap
    MultiLine = 1u << 8,   // a text box of many lines, with both scroll bars and no wrapping
    Unheard = 1u << 9,     // a label a listener hears within a sentence said elsewhere
    Selectable = 1u << 10, // a label whose text the mouse selects, to copy it
    Apart = 1u << 11,      // a control of a bar, set apart from those before it
};

// A line's end points, in twips from the client area's top-left corner.
struct LineEnds
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Points a window's member at its control; made by bindTo<> (binding.h) where the control is
// declared. A binding into a member named as a control carries that name, and binding it to a
// control of another name stops the program: the row and the member cannot drift apart.
struct MemberBinder
{
    void (*bind)(Form &window, QObject *control) = nullptr;
    std::string_view member = {}; // the window member's name when it is the control's own
    int index = -1;               // the element of a member array

    constexpr explicit operator bool() const { return bind != nullptr; }
    void operator()(Form &window, QObject *control) const;
};

// Runs a window's handler; made by on<> (binding.h) where the control is declared.
using Handler = void (*)(Form &window);

// Makes a control as a class of the window's own: a text box of many lines that keeps more than
// its text, a table, a view; made by makeAs<> (binding.h).
using WidgetMaker = QWidget *(*)(QWidget *window);

// Rows stand back to front: a control lies above the rows before it.
struct ControlRow
{
    Kind kind = Kind::Label;
    const char *name = nullptr; // also the Qt object name: "lblNumber(0)" for array elements
    Twips geometry = {};        // Left, Top, Width, Height; none for a line or a timer
    LineEnds ends = {};         // a line's
    Band band = Band::Placed;
    int page = 0;             // the page of a row in Band::Page
    int stretch = 0;          // the share of the spare room along its band that a control takes
    const char *caption = ""; // a label's caption, a button's or text box's text
    const char *picture = nullptr;      // an image's picture resource
    const char *const *items = nullptr; // a choice's items or the pages' captions, up to a null
    Font font = {};
    Colour fore = {};     // a label's text
    Colour back = {};     // a label's background, a shape's fill
    Colour outline = {};  // a shape's outline, a line
    int outlineWidth = 0; // in pixels
    unsigned flags = NoFlags;
    int tabIndex = -1; // the place in the window's tab order; -1 for none
    int interval = 0;  // a timer's, in milliseconds
    // What a screen reader says. A null name leaves the control's text to speak for it, so it
    // follows every change.
    const char *accessibleName = nullptr;
    const char *description = nullptr;
    MemberBinder member = {};
    // A button's click, a text box's or choice's or date's change, a timer's tick.
    Handler handler = nullptr;
    WidgetMaker make = nullptr; // a text box of many lines, a table, a view
};

// A menu bar entry, or an item of the entry above it.
struct MenuRow
{
    const char *name = nullptr;
    const char *caption = nullptr;
    bool item = false;
    Handler handler = nullptr;
    // What a screen reader says where the caption is not what it should hear.
    const char *accessibleName = nullptr;
};

// Window properties that the shell needs to place a window.
struct WindowDesign
{
    const char *name;
    const char *caption;
    TwipsSize clientArea;       // the restored size
    const char *icon = nullptr; // picture name, see designIcon()
    bool mdiChild = true;
};

} // namespace toolkit
