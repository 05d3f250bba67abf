// Speed of Reactions: a quiz from its table or a teacher's.
#pragma once

#include "activities/Activity.h"

namespace speed {

const activities::Activity& activity();

}  // namespace speed
