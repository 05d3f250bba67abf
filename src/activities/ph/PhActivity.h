// pH: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace ph {

const activities::Activity& activity();

}  // namespace ph
