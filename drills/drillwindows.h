// The program's one Addition, Subtraction and Multiplication window.
#pragma once

#include "drilldesign.h"

#include "toolkit/windowinstance.h"

namespace drills {

toolkit::WindowInstance &frmAddition();
toolkit::WindowInstance &frmSubtraction();
toolkit::WindowInstance &frmMultiplication();
toolkit::WindowInstance &drillWindow(Drill drill);

} // namespace drills
