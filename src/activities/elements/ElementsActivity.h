// Elements and Compounds: a sorting board, from its table or a teacher's list.
#pragma once

#include "activities/Activity.h"

namespace elements {

const activities::Activity& activity();

}  // namespace elements
