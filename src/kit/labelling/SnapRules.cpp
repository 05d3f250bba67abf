#include "kit/labelling/SnapRules.h"

namespace labelling {

bool inSnapZone(TwipPoint corner, const forms::TwipRect& box) {
    // Kept as float on purpose: a bound one rounding away from the label's edge must compare as
    // the board has always compared it.
    const float leftBound = box.left - box.width / 2;
    const float topBound = box.top - box.height / 2;
    const float rightBound = box.left + box.width;
    const float bottomBound = box.top + box.height;
    return leftBound < corner.left && corner.left < rightBound && topBound < corner.top &&
           corner.top < bottomBound;
}

TwipPoint settle(TwipPoint corner, std::span<const forms::TwipRect> boxes) {
    for (const forms::TwipRect& box : boxes) {
        if (inSnapZone(corner, box)) corner = {box.left, box.top};
    }
    return corner;
}

}  // namespace labelling
