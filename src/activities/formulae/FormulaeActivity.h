// Substituting into Formulae: numbers drawn afresh for each formula.
#pragma once

#include "activities/Activity.h"

namespace formulae {

const activities::Activity& activity();

}  // namespace formulae
