// Hangman: a word from its clue, letter by letter, from the word list or a teacher's.
#pragma once

#include "activities/Activity.h"

namespace hangman {

const activities::Activity& activity();

}  // namespace hangman
