// What a labelling board is made of: its items, their look, the score wording and the answer key.
#pragma once

#include <span>

#include "forms/Font.h"
#include "forms/Twips.h"

namespace labelling {

// One item: the text its name label carries, the target box where that label belongs, and the
// label's home place. The label has the size of its target box.
struct BoardItem {
    const char* text;
    forms::TwipRect target;
    float homeLeft;
    float homeTop;
};

struct BoardDesign {
    std::span<const BoardItem> items;
    // Name labels and target boxes.
    forms::FontSpec font;
    // Appended to " 7 out of 10", e.g. " correct".
    const char* scoreSuffix;
    // The answer key. Each item's group: name label j is correct on target box k when their items
    // share a group, so a sorting board gives a column of boxes one group. Empty: every item is
    // its own group, name label i belongs on target box i alone.
    std::span<const int> groups = {};
};

}  // namespace labelling
