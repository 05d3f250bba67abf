// Where a dropped name label comes to rest: the board's snap test, kept free of widgets.
#pragma once

#include <span>

#include "forms/Twips.h"

namespace labelling {

// A label's top-left corner in twips; only the corner takes part in snapping, not the size.
struct TwipPoint {
    float left = 0;
    float top = 0;
    bool operator==(const TwipPoint&) const = default;
};

// Whether a label with its top-left corner at `corner` is caught by `box`. The zone reaches half
// a box to the left of and above the box and a whole box to the right and below; every bound is
// exclusive, and the half-size bounds are taken in single precision.
bool inSnapZone(TwipPoint corner, const forms::TwipRect& box);

// Tries the boxes in the order given, each against the corner as the previous tries left it, so
// a later catch overrides an earlier one. A corner that no box catches stays where it is.
TwipPoint settle(TwipPoint corner, std::span<const forms::TwipRect> boxes);

}  // namespace labelling
