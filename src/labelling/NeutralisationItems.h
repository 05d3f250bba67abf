// Acids and Alkalis: six neutralisation word equations, each with one term to drag into place.
#pragma once

#include "labelling/BoardDesign.h"

namespace labelling {

inline constexpr BoardItem kNeutralisationItems[] = {
    {"potassium sulphate", {7440, 2040, 2880, 495}, 7560, 7320},
    {"sodium chloride", {7440, 1200, 2880, 495}, 4560, 6720},
    {"calcium hydroxide", {3120, 2880, 2880, 495}, 1560, 6720},
    {"potassium nitrate", {7440, 4560, 2880, 495}, 1560, 7320},
    {"hydrochloric acid", {120, 3720, 2880, 495}, 7560, 6720},
    {"sodium hydroxide", {3120, 5400, 2880, 495}, 4560, 7320},
};

// A static piece of an equation: its text, spaces and all, its left edge and its design width.
struct EquationText {
    const char* text;
    float left;
    float width;
};

// One equation row: the text before the arrow (Label5), whether it hugs the arrow, and the text
// after it (Label6). The row's blank is the target box standing at the row's top.
struct EquationRow {
    float top;
    EquationText before;
    bool beforeRightAligned;
    EquationText after;
};

inline constexpr EquationRow kEquationRows[] = {
    {1200, {"hydrochloric acid  +  sodium hydroxide", 240, 6180}, false, {"+ water", 10440, 1290}},
    {2040, {"sulphuric acid  +  potassium hydroxide", 240, 6150}, false, {"+ water", 10440, 1290}},
    {2880, {"nitric acid     + ", 240, 2490}, false, {"calcium nitrate    +   water", 7440, 4335}},
    {3720, {"+  calcium hydroxide", 3120, 3330}, true, {"calcium chloride   +  water", 7440, 4290}},
    {4560,
     {"nitric acid    +     potassium hydroxide", 240, 6120},
     false,
     {"+ water", 10440, 1290}},
    {5400, {"sulphuric acid  +", 240, 2640}, false, {"sodium sulphate   +  water", 7440, 4350}},
};

inline constexpr char kNeutralisationInstruction[] = "Drag the labels into the correct boxes.";

}  // namespace labelling
