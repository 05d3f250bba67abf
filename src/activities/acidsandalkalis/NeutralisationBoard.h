// Acids and Alkalis: six neutralisation word equations, each with one term to drag into place.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"

namespace acidsandalkalis {

using namespace labelling;

inline constexpr BoardItem kNeutralisationItems[] = {
    {"potassium sulphate", {7440, 2040, 2880, 495}, 7560, 7320},
    {"sodium chloride", {7440, 1200, 2880, 495}, 4560, 6720},
    {"calcium hydroxide", {3120, 2880, 2880, 495}, 1560, 6720},
    {"potassium nitrate", {7440, 4560, 2880, 495}, 1560, 7320},
    {"hydrochloric acid", {120, 3720, 2880, 495}, 7560, 6720},
    {"sodium hydroxide", {3120, 5400, 2880, 495}, 4560, 7320},
};

inline constexpr EquationRow kNeutralisationRows[] = {
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

inline constexpr forms::Colour kLightCyan = forms::fromBgr(0x00FFFF80);

inline const BoardText kNeutralisationTexts[] = {
    {"Label8",
     -1,
     "Acid  +  Alkali",
     {2280, 240, 2700, 480},
     shell::textLook(forms::arial(20.25f, true))},
    {"Label12",
     -1,
     "\u2192",
     {5400, -60, 720, 885},
     shell::textLook(arrowFont(36, true), forms::Align::Centre)},
    {"Label11",
     -1,
     "Salt  +  Water",
     {6600, 240, 2595, 480},
     shell::textLook(forms::arial(20.25f, true))},
    // Two lines: the caption wraps within the label's width.
    {"Label9",
     -1,
     kNeutralisationInstruction,
     {120, 7920, 2625, 585},
     {.font = forms::tahoma(9.75f, true), .fore = kLightCyan, .align = forms::Align::Centre}},
};

// A plain yellow rectangle, 2 px: it reads on the deep blue where a thin black line would not.
inline constexpr BoardOutline kNeutralisationOutlines[] = {
    {"Shape1", {2040, 120, 7455, 735}, shell::TitleYellow, 2},
};

inline const BoardDesign kNeutralisationBoard{
    .items = kNeutralisationItems,
    .font = forms::tahoma(15.75f),
    .scoreSuffix = " scored ",
    .message = {"Label10",
                {3720, 6060, 4545, 585},
                shell::textLook(forms::tahoma(21.75f, true), forms::Align::Centre),
                "",
                true},
    .back = shell::DeepBlue,
    .houseButtons = false,
    .texts = kNeutralisationTexts,
    .outlines = kNeutralisationOutlines,
    .equations = kNeutralisationRows,
};

}  // namespace acidsandalkalis
