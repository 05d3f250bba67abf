// Acids and Alkalis: a sorting board, from its table or a teacher's list.
#pragma once

#include "activities/Activity.h"

namespace everydayph {

const activities::Activity& activity();

}  // namespace everydayph
