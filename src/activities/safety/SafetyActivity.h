// Safety in the Lab: the ten unsafe things in a school laboratory.
#pragma once

#include "activities/Activity.h"

namespace safety {

const activities::Activity& activity();

}  // namespace safety
