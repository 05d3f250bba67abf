// Mixed Up Words: a word's letters mixed up, with its clue; it plays Hangman's lists.
#pragma once

#include "activities/Activity.h"

namespace mixedup {

const activities::Activity& activity();

}  // namespace mixedup
