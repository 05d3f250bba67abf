// The Jotter's sixteen pen colours: the QBasic colour numbers 0 to 15, in number order.
#pragma once

#include <array>

#include "forms/Colour.h"

namespace jotter {

inline constexpr std::array<forms::Colour, 16> kPalette = {
    forms::rgb(0, 0, 0),        // 0 black
    forms::rgb(0, 0, 128),      // 1 blue
    forms::rgb(0, 128, 0),      // 2 green
    forms::rgb(0, 128, 128),    // 3 cyan
    forms::rgb(128, 0, 0),      // 4 red
    forms::rgb(128, 0, 128),    // 5 magenta
    forms::rgb(128, 128, 0),    // 6 dark yellow
    forms::rgb(192, 192, 192),  // 7 light grey
    forms::rgb(128, 128, 128),  // 8 grey
    forms::rgb(0, 0, 255),      // 9 light blue
    forms::rgb(0, 255, 0),      // 10 light green
    forms::rgb(0, 255, 255),    // 11 light cyan
    forms::rgb(255, 0, 0),      // 12 light red
    forms::rgb(255, 0, 255),    // 13 light magenta
    forms::rgb(255, 255, 0),    // 14 light yellow
    forms::rgb(255, 255, 255),  // 15 bright white
};

// What a screen reader calls each square of the palette.
inline constexpr std::array<const char*, 16> kPaletteNames = {
    "black",       "blue",          "green",        "cyan",         "red",         "magenta",
    "dark yellow", "light grey",    "grey",         "light blue",   "light green", "light cyan",
    "light red",   "light magenta", "light yellow", "bright white",
};

// The pen starts in, and Clear while erasing returns to, light yellow.
inline constexpr int kStartColour = 14;

}  // namespace jotter
