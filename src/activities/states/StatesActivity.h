// Solids, Liquids and Gases: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace states {

const activities::Activity& activity();

}  // namespace states
