// Chemical Equations: symbol equations to balance, from the program's own or a teacher's.
#pragma once

#include "activities/Activity.h"

namespace equations {

const activities::Activity& activity();

}  // namespace equations
