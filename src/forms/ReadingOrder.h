// The order a class reads a screen or a page in, worked out once for the keyboard, the screen
// reader and paper alike, so that a box's number on paper is the one its name is read out with.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "forms/Twips.h"

namespace forms {

// Indices into places, row by row from the top and left to right along each row. A place whose
// top lies within half its row's first height of that row's top is on the row: a box set a
// little lower than its neighbour is still read beside it.
std::vector<std::size_t> readingOrder(std::span<const TwipRect> places);

}  // namespace forms
