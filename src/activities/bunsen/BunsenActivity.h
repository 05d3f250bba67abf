// Bunsen Burner: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace bunsen {

const activities::Activity& activity();

}  // namespace bunsen
