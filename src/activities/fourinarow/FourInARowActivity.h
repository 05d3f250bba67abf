// Four in a Row: two teams take turns to answer, asked from three activities' lists.
#pragma once

#include "activities/Activity.h"

namespace fourinarow {

const activities::Activity& activity();

}  // namespace fourinarow
