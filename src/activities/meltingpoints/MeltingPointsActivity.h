// Melting Points: the state of a substance at room temperature, from its melting and boiling
// points.
#pragma once

#include "activities/Activity.h"

namespace meltingpoints {

const activities::Activity& activity();

}  // namespace meltingpoints
