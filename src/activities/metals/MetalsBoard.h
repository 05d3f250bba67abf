// Metals and Non-metals: twelve elements sorted into two columns of six.
#pragma once

#include "kit/labelling/SortingLayout.h"

namespace metals {

using labelling::BoardItem;
using labelling::BoardOutline;
using labelling::BoardText;

// Two columns in the middle of the board; the twelve homes in three rows of four beneath them.
inline constexpr labelling::SortingLayout kMetalsLayout{
    .firstBox = {2100, 1470, 2700, 480},
    .columnPitch = 5010,
    .rowPitch = 540,
    .homeLeft = 240,
    .homeTop = 4980,
    .homeColumnPitch = 2910,
    .homeRowPitch = 600,
    .homesPerRow = 4,
};

inline constexpr int kMetals = 0;
inline constexpr int kNonMetals = 1;

// Column by column; the last number is the label's place at home, in reading order.
inline constexpr BoardItem kMetalsItems[] = {
    kMetalsLayout.item("iron", kMetals, 0, 8),
    kMetalsLayout.item("copper", kMetals, 1, 1),
    kMetalsLayout.item("sodium", kMetals, 2, 2),
    kMetalsLayout.item("magnesium", kMetals, 3, 5),
    kMetalsLayout.item("aluminium", kMetals, 4, 10),
    kMetalsLayout.item("zinc", kMetals, 5, 7),
    kMetalsLayout.item("oxygen", kNonMetals, 0, 6),
    kMetalsLayout.item("carbon", kNonMetals, 1, 0),
    kMetalsLayout.item("sulphur", kNonMetals, 2, 3),
    kMetalsLayout.item("nitrogen", kNonMetals, 3, 11),
    kMetalsLayout.item("chlorine", kNonMetals, 4, 9),
    kMetalsLayout.item("iodine", kNonMetals, 5, 4),
};
static_assert(labelling::wellFormed(kMetalsItems, kMetalsLayout));

inline constexpr auto kMetalsGroups = labelling::columnGroups(kMetalsItems, kMetalsLayout);

inline const BoardText kMetalsHeadings[] = {
    kMetalsLayout.headingText(kMetals, "Metals"),
    kMetalsLayout.headingText(kNonMetals, "Non-metals"),
};

inline constexpr BoardOutline kMetalsOutlines[] = {
    kMetalsLayout.columnFrame("Shape1", kMetals, 6),
    kMetalsLayout.columnFrame("Shape2", kNonMetals, 6),
};

inline const labelling::BoardDesign kMetalsBoard{
    .items = kMetalsItems,
    .font = forms::tahoma(20.25f, true),
    .scoreSuffix = " correct",
    .groups = kMetalsGroups,
    .message = labelling::kSortingMessage,
    .back = shell::DeepBlue,
    .houseButtons = true,
    .texts = kMetalsHeadings,
    .outlines = kMetalsOutlines,
};

}  // namespace metals
