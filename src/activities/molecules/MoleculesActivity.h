// Molecular Models: each molecule built from its atoms.
#pragma once

#include "activities/Activity.h"

namespace molecules {

const activities::Activity& activity();

}  // namespace molecules
