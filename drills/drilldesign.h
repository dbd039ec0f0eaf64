// The one design of the Addition, Subtraction and Multiplication windows, with a column per window
// for what differs.
#pragma once

#include "toolkit/design.h"

#include <array>
#include <span>

namespace drills {

enum class Drill { Addition, Subtraction, Multiplication };
inline constexpr std::array AllDrills{Drill::Addition, Drill::Subtraction, Drill::Multiplication};

// A design value for each of the three windows; one value when they share it.
template<class T>
struct PerDrill
{
    std::array<T, 3> value{};

    constexpr PerDrill() = default;
    constexpr PerDrill(T all)
        : value{all, all, all}
    {}
    constexpr PerDrill(T addition, T subtraction, T multiplication)
        : value{addition, subtraction, multiplication}
    {}
    constexpr T operator[](Drill drill) const { return value[static_cast<int>(drill)]; }
};

struct DrillRow
{
    toolkit::Kind kind;
    const char *name;
    PerDrill<toolkit::Twips> geometry;
    PerDrill<const char *> caption = "";
    PerDrill<toolkit::Font> font = toolkit::Font{};
    toolkit::Colour back = {};
    unsigned flags = toolkit::NoFlags;
    toolkit::Colour line = {};
    int lineWidth = 0;
    const char *follows = nullptr;
    int interval = 0;

    toolkit::ControlRow at(Drill drill) const
    {
        return {kind,  name, geometry[drill], caption[drill], font[drill], back,
                flags, line, lineWidth,       follows,        interval};
    }
};

struct DrillMenuRow
{
    PerDrill<const char *> name;
    PerDrill<const char *> caption;
    const char *parent = nullptr;
};

// What a screen reader says of a control, for each window.
struct DrillAccessibleRow
{
    const char *name;
    PerDrill<const char *> accessibleName = nullptr;
    const char *description = nullptr;
    bool announced = false;

    toolkit::AccessibleRow at(Drill drill) const
    {
        return {name, accessibleName[drill], description, announced};
    }
};

std::span<const DrillRow> drillRows();
std::span<const DrillAccessibleRow> drillAccessibility();
std::span<const DrillMenuRow> drillMenuRows();
const toolkit::WindowDesign &windowDesign(Drill drill);
std::span<const char *const> tabOrder(Drill drill);

// The operand ranges, lo to hi, of one exercise when the window loads and at Reset.
struct Range
{
    int lo;
    int hi;
};

struct OperandRanges
{
    std::array<Range, 2> twoAtLoad;
    std::array<Range, 2> twoAtReset;
    std::array<Range, 3> threeAtLoad;
    std::array<Range, 3> threeAtReset;
};

const OperandRanges &operandRanges(Drill drill);

} // namespace drills
