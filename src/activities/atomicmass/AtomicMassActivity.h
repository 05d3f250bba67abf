// Atomic Mass: relative formula masses worked out from the key.
#pragma once

#include "activities/Activity.h"

namespace atomicmass {

const activities::Activity& activity();

}  // namespace atomicmass
