// Elements and Compounds: twelve substances sorted into element, compound and mixture.
#pragma once

#include "kit/labelling/SortingLayout.h"

namespace elements {

using labelling::BoardItem;
using labelling::BoardOutline;
using labelling::BoardText;

// Three columns of four; the twelve homes in three rows of four beneath them.
inline constexpr labelling::SortingLayout kElementsLayout{
    .firstBox = {705, 1470, 2700, 450},
    .columnPitch = 3900,
    .rowPitch = 540,
    .homeLeft = 240,
    .homeTop = 4200,
    .homeColumnPitch = 2910,
    .homeRowPitch = 660,
    .homesPerRow = 4,
};

inline constexpr int kElement = 0;
inline constexpr int kCompound = 1;
inline constexpr int kMixture = 2;

// Column by column; the last number is the label's place at home, in reading order.
inline constexpr BoardItem kElementsItems[] = {
    kElementsLayout.item("oxygen", kElement, 0, 11),
    kElementsLayout.item("iron", kElement, 1, 2),
    kElementsLayout.item("helium", kElement, 2, 5),
    kElementsLayout.item("copper", kElement, 3, 8),
    kElementsLayout.item("water", kCompound, 0, 10),
    kElementsLayout.item("carbon dioxide", kCompound, 1, 1),
    kElementsLayout.item("sodium chloride", kCompound, 2, 7),
    kElementsLayout.item("methane", kCompound, 3, 4),
    kElementsLayout.item("air", kMixture, 0, 6),
    kElementsLayout.item("sea water", kMixture, 1, 0),
    kElementsLayout.item("crude oil", kMixture, 2, 9),
    kElementsLayout.item("bronze", kMixture, 3, 3),
};
static_assert(labelling::wellFormed(kElementsItems, kElementsLayout));

inline constexpr auto kElementsGroups = labelling::columnGroups(kElementsItems, kElementsLayout);

inline const BoardText kElementsHeadings[] = {
    kElementsLayout.headingText(kElement, "Element"),
    kElementsLayout.headingText(kCompound, "Compound"),
    kElementsLayout.headingText(kMixture, "Mixture"),
};

inline constexpr BoardOutline kElementsOutlines[] = {
    kElementsLayout.columnFrame("Shape1", kElement, 4),
    kElementsLayout.columnFrame("Shape2", kCompound, 4),
    kElementsLayout.columnFrame("Shape3", kMixture, 4),
};

inline const labelling::BoardDesign kElementsBoard{
    .items = kElementsItems,
    .font = forms::tahoma(18, true),
    .scoreSuffix = " correct",
    .groups = kElementsGroups,
    .message = labelling::kSortingMessage,
    .back = shell::DeepBlue,
    .houseButtons = true,
    .texts = kElementsHeadings,
    .outlines = kElementsOutlines,
};

}  // namespace elements
