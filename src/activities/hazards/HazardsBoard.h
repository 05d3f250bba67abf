// Hazard Symbols: the nine hazard pictograms, a box under each for what it warns of.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace hazards {

// Five pictograms on the first row and four on the second, each centred in a cell of its row.
inline constexpr float kCellWidth = 2340;
inline constexpr float kRowLefts[] = {105, 105 + kCellWidth / 2};
inline constexpr float kRowTops[] = {840, 3300};
inline constexpr float kPictogram = 1650;
inline constexpr float kBoxWidth = 2220;
inline constexpr float kBoxHeight = 630;
inline constexpr float kHomeTops[] = {5850, 6540};

constexpr forms::TwipRect pictogramAt(int row, int cell) {
    return {kRowLefts[row] + kCellWidth * cell + (kCellWidth - kPictogram) / 2, kRowTops[row],
            kPictogram, kPictogram};
}

constexpr forms::TwipRect boxUnder(int row, int cell) {
    return {kRowLefts[row] + kCellWidth * cell + (kCellWidth - kBoxWidth) / 2,
            kRowTops[row] + kPictogram + 60, kBoxWidth, kBoxHeight};
}

// Homes take the same cells in two rows below, in another order.
constexpr labelling::BoardItem item(const char* text, int row, int cell, int homeRow,
                                    int homeCell) {
    const forms::TwipRect home = boxUnder(homeRow, homeCell);
    return {text, boxUnder(row, cell), home.left, kHomeTops[homeRow]};
}

inline constexpr labelling::BoardItem kItems[] = {
    item("Explosive", 0, 0, 0, 3),
    item("Flammable", 0, 1, 1, 2),
    item("Oxidising", 0, 2, 0, 0),
    item("Gas under pressure", 0, 3, 1, 0),
    item("Corrosive", 0, 4, 0, 2),
    item("Toxic", 1, 0, 0, 4),
    item("Harmful or irritant", 1, 1, 1, 3),
    item("Serious health hazard", 1, 2, 0, 1),
    item("Hazardous to the environment", 1, 3, 1, 1),
};

inline constexpr labelling::BoardPicture kPictures[] = {
    {"Images\\hazexplosive.jpg", pictogramAt(0, 0)},
    {"Images\\hazflammable.jpg", pictogramAt(0, 1)},
    {"Images\\hazoxidising.jpg", pictogramAt(0, 2)},
    {"Images\\hazgas.jpg", pictogramAt(0, 3)},
    {"Images\\hazcorrosive.jpg", pictogramAt(0, 4)},
    {"Images\\haztoxic.jpg", pictogramAt(1, 0)},
    {"Images\\hazharmful.jpg", pictogramAt(1, 1)},
    {"Images\\hazhealth.jpg", pictogramAt(1, 2)},
    {"Images\\hazenvironment.jpg", pictogramAt(1, 3)},
};

inline const labelling::BoardDesign kHazardsBoard{
    .items = kItems,
    .font = forms::tahoma(13.5f, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {1995, 7230, 7920, 615},
                shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
                "What does each symbol warn of?",
                false},
    .back = shell::DeepBlue,
    .pictures = kPictures,
};

}  // namespace hazards
