// Chemical Symbols: names and symbols, from the school's thirty elements or a teacher's list.
#pragma once

#include "activities/Activity.h"

namespace symbols {

const activities::Activity& activity();

}  // namespace symbols
