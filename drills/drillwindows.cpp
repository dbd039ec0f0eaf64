#include "drillwindows.h"

#include "drillwindow.h"

namespace drills {

toolkit::WindowInstance &frmAddition()
{
    static toolkit::WindowInstance instance([] { return new DrillWindow(Drill::Addition); });
    return instance;
}

toolkit::WindowInstance &frmSubtraction()
{
    static toolkit::WindowInstance instance([] { return new DrillWindow(Drill::Subtraction); });
    return instance;
}

toolkit::WindowInstance &frmMultiplication()
{
    static toolkit::WindowInstance instance([] { return new DrillWindow(Drill::Multiplication); });
    return instance;
}

toolkit::WindowInstance &drillWindow(Drill drill)
{
    switch (drill) {
    case Drill::Subtraction:
        return frmSubtraction();
    case Drill::Multiplication:
        return frmMultiplication();
    case Drill::Addition:
        break;
    }
    return frmAddition();
}

} // namespace drills
