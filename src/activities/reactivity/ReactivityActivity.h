// Reactivity Sequence: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace reactivity {

const activities::Activity& activity();

}  // namespace reactivity
