// One row of letter places for a word, as both word games lay their blanks and tiles out.
#pragma once

#include "forms/Twips.h"

namespace wordgames {

struct LetterRow {
    forms::TwipRect row;
    // Left edge to left edge at most; a long word gets narrower places.
    float pitch;
    float gap;

    // Where a letter goes for a word of this length: the row's places from the left, centred.
    forms::TwipRect place(int position, int length) const;
};

}  // namespace wordgames
