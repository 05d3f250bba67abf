// Measures: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace measures {

const activities::Activity& activity();

}  // namespace measures
