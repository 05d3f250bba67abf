// Metals and Acids: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace metalsacids {

const activities::Activity& activity();

}  // namespace metalsacids
