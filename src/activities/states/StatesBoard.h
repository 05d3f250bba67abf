// Solids, Liquids and Gases: nine descriptions sorted under three particle diagrams.
#pragma once

#include "kit/labelling/SortingLayout.h"

namespace states {

using labelling::BoardItem;
using labelling::BoardOutline;
using labelling::BoardPicture;
using labelling::BoardText;

// Three wide columns of three two-line boxes; the nine homes in three rows of three beneath.
inline constexpr labelling::SortingLayout kStatesLayout{
    .firstBox = {240, 2730, 3660, 630},
    .columnPitch = 3885,
    .rowPitch = 675,
    .homeLeft = 240,
    .homeTop = 5010,
    .homeColumnPitch = 3885,
    .homeRowPitch = 750,
    .homesPerRow = 3,
    .headingTop = 915,
    .headingHeight = 420,
    .frameTop = 840,
};

inline constexpr int kSolid = 0;
inline constexpr int kLiquid = 1;
inline constexpr int kGas = 2;

// Column by column; the last number is the label's place at home, in reading order.
inline constexpr BoardItem kStatesItems[] = {
    kStatesLayout.item("keeps its own shape", kSolid, 0, 2),
    kStatesLayout.item("particles vibrate about fixed positions", kSolid, 1, 7),
    kStatesLayout.item("particles in a regular pattern", kSolid, 2, 4),
    kStatesLayout.item("takes the shape of the bottom of its container", kLiquid, 0, 5),
    kStatesLayout.item("particles touch but slide past each other", kLiquid, 1, 0),
    kStatesLayout.item("fixed volume but no fixed shape", kLiquid, 2, 6),
    kStatesLayout.item("spreads out to fill its container", kGas, 0, 8),
    kStatesLayout.item("particles far apart and moving fast", kGas, 1, 3),
    kStatesLayout.item("easily squashed", kGas, 2, 1),
};
static_assert(labelling::wellFormed(kStatesItems, kStatesLayout));

inline constexpr auto kStatesGroups = labelling::columnGroups(kStatesItems, kStatesLayout);

// Each diagram at its own size, 120 x 90 pixels, so that it shows sharp.
inline constexpr float kPictureTop = 1335;
inline constexpr float kPictureWidth = 1800;
inline constexpr float kPictureHeight = 1350;

inline const BoardText kStatesHeadings[] = {
    kStatesLayout.headingText(kSolid, "Solid"),
    kStatesLayout.headingText(kLiquid, "Liquid"),
    kStatesLayout.headingText(kGas, "Gas"),
};

inline constexpr BoardPicture kStatesPictures[] = {
    {"Images\\solidparticles.jpg",
     kStatesLayout.centred(kSolid, kPictureTop, kPictureWidth, kPictureHeight)},
    {"Images\\liquidparticles.jpg",
     kStatesLayout.centred(kLiquid, kPictureTop, kPictureWidth, kPictureHeight)},
    {"Images\\gasparticles.jpg",
     kStatesLayout.centred(kGas, kPictureTop, kPictureWidth, kPictureHeight)},
};

inline constexpr BoardOutline kStatesOutlines[] = {
    kStatesLayout.columnFrame("Shape1", kSolid, 3),
    kStatesLayout.columnFrame("Shape2", kLiquid, 3),
    kStatesLayout.columnFrame("Shape3", kGas, 3),
};

inline const labelling::BoardDesign kStatesBoard{
    .items = kStatesItems,
    .font = forms::tahoma(14.25f, true),
    .scoreSuffix = " correct",
    .groups = kStatesGroups,
    .message = labelling::kSortingMessage,
    .back = shell::DeepBlue,
    .houseButtons = true,
    .pictures = kStatesPictures,
    .texts = kStatesHeadings,
    .outlines = kStatesOutlines,
};

}  // namespace states
