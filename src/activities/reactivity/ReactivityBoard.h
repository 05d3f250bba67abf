// Reactivity Sequence: ten metals to put in a column from the most reactive to the least.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "kit/labelling/EquationRows.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace reactivity {

inline constexpr float kColumnLeft = 4560;
inline constexpr float kHomeLeft = 8280;
inline constexpr float kFirstTop = 960;
inline constexpr float kPitch = 600;
inline constexpr float kBoxWidth = 2700;
inline constexpr float kBoxHeight = 480;

constexpr float rowTop(int row) {
    return kFirstTop + kPitch * row;
}

// Each metal's box is its place in the series; its home is on another row of the home column.
constexpr labelling::BoardItem item(const char* text, int place, int homeRow) {
    return {text, {kColumnLeft, rowTop(place), kBoxWidth, kBoxHeight}, kHomeLeft, rowTop(homeRow)};
}

// Most reactive first.
inline constexpr labelling::BoardItem kItems[] = {
    item("potassium", 0, 5), item("sodium", 1, 3), item("calcium", 2, 9), item("magnesium", 3, 1),
    item("aluminium", 4, 7), item("zinc", 5, 8),   item("iron", 6, 4),    item("copper", 7, 0),
    item("silver", 8, 6),    item("gold", 9, 2),
};

inline constexpr float kEndsLeft = 1080;
inline constexpr float kEndsWidth = kColumnLeft - 120 - kEndsLeft;
// The arrow up the side of the column, from the least reactive towards the most.
inline constexpr float kArrowCentre = kEndsLeft + kEndsWidth / 2;
inline constexpr float kShaftWidth = 60;
inline constexpr float kHeadHeight = 420;

inline const labelling::BoardText kTexts[] = {
    {"Label6",
     0,
     "most reactive",
     {kEndsLeft, rowTop(0), kEndsWidth, kBoxHeight},
     shell::textLook(forms::tahoma(15.75f, true), forms::Align::Centre)},
    {"Label6",
     1,
     "least reactive",
     {kEndsLeft, rowTop(9), kEndsWidth, kBoxHeight},
     shell::textLook(forms::tahoma(15.75f, true), forms::Align::Centre)},
    {"Label7",
     -1,
     "\u25B2",
     {kArrowCentre - 300, rowTop(1), 600, kHeadHeight},
     shell::textLook(labelling::arrowFont(18), forms::Align::Centre)},
};

// The arrow's shaft: a 4-pixel bar, drawn as a rectangle whose two 2-pixel sides meet.
inline constexpr labelling::BoardOutline kOutlines[] = {
    {"Shape1",
     {kArrowCentre - kShaftWidth / 2, rowTop(1) + kHeadHeight, kShaftWidth,
      rowTop(9) - rowTop(1) - kHeadHeight - 120},
     shell::TitleYellow,
     2},
};

inline const labelling::BoardDesign kReactivityBoard{
    .items = kItems,
    .font = forms::tahoma(15.75f, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {240, 7140, 7920, 615},
                shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
                "Put the metals in order of reactivity.",
                false},
    .back = shell::DeepBlue,
    .texts = kTexts,
    .outlines = kOutlines,
};

}  // namespace reactivity
