// Laboratory Apparatus: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace equipment {

const activities::Activity& activity();

}  // namespace equipment
