// pH: the universal indicator colour bar, with a box under every other pH for a solution of it.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "kit/labelling/EquationRows.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace ph {

// The bar at its own size, 750 × 90 pixels: fifteen cells of 50 pixels, pH 0 at the left.
inline constexpr forms::TwipRect kBar{330, 960, 11250, 1350};
inline constexpr float kCellWidth = 750;
inline constexpr float kBoxWidth = 1380;
inline constexpr float kBoxHeight = 900;
inline constexpr float kMarkerTop = kBar.top + kBar.height;
inline constexpr float kMarkerHeight = 360;
inline constexpr float kBoxTop = kMarkerTop + kMarkerHeight + 30;
inline constexpr float kHomeTop = 4500;

constexpr float cellCentre(int pH) {
    return kBar.left + kCellWidth * pH + kCellWidth / 2;
}

constexpr forms::TwipRect boxUnder(int pH) {
    return {cellCentre(pH) - kBoxWidth / 2, kBoxTop, kBoxWidth, kBoxHeight};
}

// Homes stand in a row on the boxes' columns, each under another solution's box.
constexpr labelling::BoardItem item(const char* text, int pH, int homeUnderPH) {
    return {text, boxUnder(pH), cellCentre(homeUnderPH) - kBoxWidth / 2, kHomeTop};
}

// In ascending pH, which is also the order of their boxes across the bar.
inline constexpr labelling::BoardItem kItems[] = {
    item("stomach acid", 1, 9),         item("vinegar", 3, 13),
    item("black coffee", 5, 1),         item("pure water", 7, 11),
    item("baking soda solution", 9, 5), item("household ammonia", 11, 3),
    item("oven cleaner", 13, 7),
};

inline constexpr labelling::BoardPicture kPictures[] = {{"Images\\phbar.jpg", kBar}};

// A small pointer under each pH that has a box, so that a box reads as its cell's.
inline labelling::BoardText marker(int index) {
    const forms::TwipRect& box = kItems[index].target;
    return {"Label6",
            index,
            "\u25B2",
            {box.left + box.width / 2 - 240, kMarkerTop, 480, kMarkerHeight},
            shell::textLook(labelling::arrowFont(14), forms::Align::Centre)};
}

inline const labelling::BoardText kTexts[] = {marker(0), marker(1), marker(2), marker(3),
                                              marker(4), marker(5), marker(6)};

// The bar's colours tell a box's pH only to the eye.
inline constexpr const char* kBoxNames[] = {"box under pH 1", "box under pH 3", "box under pH 5",
                                            "box under pH 7", "box under pH 9", "box under pH 11",
                                            "box under pH 13"};
static_assert(std::size(kBoxNames) == std::size(kItems));

inline const labelling::BoardDesign kPhBoard{
    .items = kItems,
    .font = forms::tahoma(13.5f, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {1995, 6000, 7920, 615},
                shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
                "Drag each solution to its pH.",
                false},
    .back = shell::DeepBlue,
    .pictures = kPictures,
    .texts = kTexts,
    .boxNames = kBoxNames,
};

}  // namespace ph
