// Mathematical Vocabulary: the glossary, and the bridge problem it opens. Nothing to print.
#pragma once

#include "activities/Activity.h"

namespace vocab {

const activities::Activity& activity();

}  // namespace vocab
