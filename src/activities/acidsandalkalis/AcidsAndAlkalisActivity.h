// Acids and Alkalis: a board from its table, printed as it is drawn.
#pragma once

#include "activities/Activity.h"

namespace acidsandalkalis {

const activities::Activity& activity();

}  // namespace acidsandalkalis
