// Fair Experiments: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace fairtests {

const activities::Activity& activity();

}  // namespace fairtests
