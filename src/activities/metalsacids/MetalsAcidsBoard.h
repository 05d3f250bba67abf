// Metals and Acids: six word equations of a metal with an acid, each with one term to drag in.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "kit/labelling/EquationRows.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace metalsacids {

// Row 4 is the widest: the salt and then its blank, "hydrogen", after an arrow that has to clear
// row 3's "iron" blank and acid. The arrow stands further left than the house column for it.
inline constexpr float kLeft = 240;
inline constexpr float kArrowLeft = 5445;
inline constexpr float kRightSide = 5985;
inline constexpr float kBoxWidth = 2580;
inline constexpr float kBoxHeight = 495;
inline constexpr float kFirstRow = 1680;
inline constexpr float kRowPitch = 720;
inline constexpr float kHomeTops[] = {6060, 6660};
inline constexpr float kHomeLefts[] = {600, 4665, 8730};

constexpr float rowTop(int row) {
    return kFirstRow + kRowPitch * row;
}

// A label placed in a blank sits on the row's line: its centred text's baseline level with the
// row text's.
constexpr forms::TwipRect blank(int row, float left) {
    return {left, rowTop(row) - 90, kBoxWidth, kBoxHeight};
}

inline constexpr labelling::BoardItem kItems[] = {
    {"magnesium chloride", blank(0, kRightSide), kHomeLefts[1], kHomeTops[1]},
    {"zinc sulphate", blank(1, kRightSide), kHomeLefts[0], kHomeTops[0]},
    {"iron", blank(2, kLeft), kHomeLefts[1], kHomeTops[0]},
    {"hydrogen", blank(3, 9090), kHomeLefts[0], kHomeTops[1]},
    {"hydrochloric acid", blank(4, 1140), kHomeLefts[2], kHomeTops[1]},
    {"aluminium chloride", blank(5, kRightSide), kHomeLefts[2], kHomeTops[0]},
};

inline constexpr labelling::EquationRow kRows[] = {
    {rowTop(0), {"magnesium + hydrochloric acid", kLeft, 4500}, false, {"+ hydrogen", 8625, 1500}},
    {rowTop(1), {"zinc + sulphuric acid", kLeft, 4500}, false, {"+ hydrogen", 8625, 1500}},
    {rowTop(2),
     {"+ hydrochloric acid", 2880, 2520},
     false,
     {"iron chloride + hydrogen", kRightSide, 3600}},
    {rowTop(3),
     {"magnesium + sulphuric acid", kLeft, 4500},
     false,
     {"magnesium sulphate +", kRightSide, 3045}},
    {rowTop(4), {"zinc +", kLeft, 780}, false, {"zinc chloride + hydrogen", kRightSide, 3600}},
    {rowTop(5), {"aluminium + hydrochloric acid", kLeft, 4500}, false, {"+ hydrogen", 8625, 1500}},
};

// The general equation above the rows, its arrow over theirs.
inline const labelling::BoardText kTexts[] = {
    {"Label8",
     -1,
     "metal + acid",
     {kArrowLeft - 3120, 900, 3000, 495},
     shell::textLook(forms::arial(20.25f, true), forms::Align::Right)},
    {"Label9",
     -1,
     "\u2192",
     {kArrowLeft, 810, 495, 660},
     shell::textLook(labelling::arrowFont(24, true), forms::Align::Centre)},
    {"Label10",
     -1,
     "salt + hydrogen",
     {kRightSide, 900, 3600, 495},
     shell::textLook(forms::arial(20.25f, true))},
};

inline const labelling::BoardDesign kMetalsAcidsBoard{
    .items = kItems,
    .font = forms::tahoma(13.5f, true),
    .scoreSuffix = " correct",
    // Label5 to Label7 are the rows' texts and arrows.
    .message = {"Label11",
                {1995, 7320, 7920, 585},
                shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
                "Drag each name into its blank.",
                false},
    .back = shell::DeepBlue,
    .texts = kTexts,
    .equations = kRows,
    .equationFont = forms::tahoma(15),
    .equationArrowLeft = kArrowLeft,
};

}  // namespace metalsacids
