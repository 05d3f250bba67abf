#include "kit/wordgames/LetterRow.h"

#include <algorithm>
#include <cmath>

namespace wordgames {

using forms::kTwipsPerPixel;

forms::TwipRect LetterRow::place(int position, int length) const {
    // Whole pixels, so that every place of a word is drawn the same width.
    const float step = std::min(
        pitch, std::floor(row.width / std::max(1, length) / kTwipsPerPixel) * kTwipsPerPixel);
    const float left = row.left + (row.width - step * length) / 2;
    return {std::round((left + step * position) / kTwipsPerPixel) * kTwipsPerPixel, row.top,
            step - gap, row.height};
}

}  // namespace wordgames
