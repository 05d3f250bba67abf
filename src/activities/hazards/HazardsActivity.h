// Hazard Symbols: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace hazards {

const activities::Activity& activity();

}  // namespace hazards
