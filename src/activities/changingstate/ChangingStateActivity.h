// Changing State: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace changingstate {

const activities::Activity& activity();

}  // namespace changingstate
