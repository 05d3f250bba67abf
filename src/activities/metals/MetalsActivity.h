// Metals and Non-metals: a sorting board, from its table or a teacher's list.
#pragma once

#include "activities/Activity.h"

namespace metals {

const activities::Activity& activity();

}  // namespace metals
