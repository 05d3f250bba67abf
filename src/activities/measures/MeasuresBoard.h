// Measures: six measuring instruments, a box under each for the quantity it measures and its unit.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace measures {

inline constexpr float kPictureWidth = 2460;
inline constexpr float kPictureHeight = 1860;
// Two lines: "volume of a liquid in cm³" does not go on one.
inline constexpr float kBoxHeight = 660;
// Three columns, two rows of pictures, as on Laboratory Apparatus.
inline constexpr float kColumns[] = {240, 2880, 5520};
inline constexpr float kRowTops[] = {960, 3480};

constexpr forms::TwipRect boxUnder(int column, int row) {
    return {kColumns[column], kRowTops[row] + kPictureHeight, kPictureWidth, kBoxHeight};
}

constexpr forms::TwipRect pictureAt(int column, int row) {
    return {kColumns[column], kRowTops[row], kPictureWidth, kPictureHeight};
}

// The home column, right of the pictures; no label waits level with its own box.
inline constexpr float kHomeLeft = 8760;

inline constexpr labelling::BoardItem kItems[] = {
    {"temperature in °C", boxUnder(0, 0), kHomeLeft, 2040},
    {"volume of a liquid in cm³", boxUnder(0, 1), kHomeLeft, 5400},
    {"mass in g", boxUnder(1, 0), kHomeLeft, 3720},
    {"time in s", boxUnder(2, 0), kHomeLeft, 4560},
    {"length in cm", boxUnder(2, 1), kHomeLeft, 2880},
    {"volume of gas in cm³", boxUnder(1, 1), kHomeLeft, 1200},
};

inline constexpr labelling::BoardPicture kPictures[] = {
    {"Images\\thermosm.jpg", pictureAt(0, 0)},    {"Images\\balancesm.jpg", pictureAt(1, 0)},
    {"Images\\stopwatchsm.jpg", pictureAt(2, 0)}, {"Images\\measuresm.jpg", pictureAt(0, 1)},
    {"Images\\syringesm.jpg", pictureAt(1, 1)},   {"Images\\rulersm.jpg", pictureAt(2, 1)},
};

inline const labelling::BoardDesign kMeasuresBoard{
    .items = kItems,
    .font = forms::tahoma(12, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {240, 6360, 7920, 615},
                shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
                "Drag each label under its instrument.",
                false},
    .back = shell::DeepBlue,
    .pictures = kPictures,
};

}  // namespace measures
