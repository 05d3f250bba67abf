// Fair Experiments: three investigations, each with what to change, measure and keep the same.
#pragma once

#include "kit/labelling/SortingLayout.h"

namespace fairtests {

using labelling::BoardItem;
using labelling::BoardOutline;
using labelling::BoardPage;
using labelling::BoardText;

// Three wide columns of two-line boxes (one, one and four) under the question; the six homes in
// two rows of three beneath them.
inline constexpr labelling::SortingLayout kFairTestsLayout{
    .firstBox = {240, 2370, 3660, 630},
    .columnPitch = 3885,
    .rowPitch = 675,
    .homeLeft = 240,
    .homeTop = 5370,
    .homeColumnPitch = 3885,
    .homeRowPitch = 840,
    .homesPerRow = 3,
    .headingTop = 1890,
    .headingHeight = 420,
    .frameTop = 1860,
};

inline constexpr int kChange = 0;
inline constexpr int kMeasure = 1;
inline constexpr int kKeepSame = 2;
inline constexpr int kKeepSameRows = 4;

// Each page's texts follow the items: what is changed, what is measured, then four kept the same.
inline constexpr const char* kAcidTemperatureTexts[] = {
    "temperature of the acid", "time for the magnesium to disappear", "volume of acid",
    "concentration of acid",   "length of magnesium ribbon",          "type of acid",
};
inline constexpr const char* kDissolvingTexts[] = {
    "temperature of the water", "mass of potassium nitrate that dissolves",
    "volume of water",          "the solid used",
    "amount of stirring",       "time allowed to dissolve",
};
inline constexpr const char* kMarbleChipTexts[] = {
    "size of the marble chips", "volume of gas given off in one minute",
    "mass of marble chips",     "volume of acid",
    "concentration of acid",    "temperature of the acid",
};

// Where each label waits, item by item, in the six places at home. From one page to the next
// (and from the last round to the first) neither the changed nor the measured label waits where
// its column's label waited before; four labels kept the same in six places must keep two.
inline constexpr int kAcidTemperatureHomes[] = {4, 2, 0, 1, 3, 5};
inline constexpr int kDissolvingHomes[] = {0, 5, 2, 4, 1, 3};
inline constexpr int kMarbleChipHomes[] = {1, 3, 5, 0, 2, 4};

inline constexpr auto kDissolvingPlaces = kFairTestsLayout.homes(kDissolvingHomes);
inline constexpr auto kMarbleChipPlaces = kFairTestsLayout.homes(kMarbleChipHomes);

inline constexpr BoardPage kFairTestsPages[] = {
    {"How does the temperature of the acid affect how fast magnesium reacts?",
     kAcidTemperatureTexts},
    {"How does the temperature of water affect how much potassium nitrate dissolves?",
     kDissolvingTexts, kDissolvingPlaces},
    {"How does the size of marble chips affect how fast they react with acid?", kMarbleChipTexts,
     kMarbleChipPlaces},
};

// The first page's texts and places at home stand in the items.
inline constexpr BoardItem kFairTestsItems[] = {
    kFairTestsLayout.item(kAcidTemperatureTexts[0], kChange, 0, kAcidTemperatureHomes[0]),
    kFairTestsLayout.item(kAcidTemperatureTexts[1], kMeasure, 0, kAcidTemperatureHomes[1]),
    kFairTestsLayout.item(kAcidTemperatureTexts[2], kKeepSame, 0, kAcidTemperatureHomes[2]),
    kFairTestsLayout.item(kAcidTemperatureTexts[3], kKeepSame, 1, kAcidTemperatureHomes[3]),
    kFairTestsLayout.item(kAcidTemperatureTexts[4], kKeepSame, 2, kAcidTemperatureHomes[4]),
    kFairTestsLayout.item(kAcidTemperatureTexts[5], kKeepSame, 3, kAcidTemperatureHomes[5]),
};
static_assert(labelling::wellFormed(kFairTestsItems, kFairTestsLayout));

inline constexpr auto kFairTestsGroups = labelling::columnGroups(kFairTestsItems, kFairTestsLayout);

// Under the title, two lines of question.
inline constexpr forms::TwipRect kQuestionPlace{240, 810, 11430, 900};

inline const BoardText kFairTestsHeadings[] = {
    kFairTestsLayout.headingText(kChange, "Change"),
    kFairTestsLayout.headingText(kMeasure, "Measure"),
    kFairTestsLayout.headingText(kKeepSame, "Keep the same"),
};

inline constexpr BoardOutline kFairTestsOutlines[] = {
    kFairTestsLayout.columnFrame("Shape1", kChange, 1),
    kFairTestsLayout.columnFrame("Shape2", kMeasure, 1),
    kFairTestsLayout.columnFrame("Shape3", kKeepSame, kKeepSameRows),
};

inline const labelling::BoardDesign kFairTestsBoard{
    .items = kFairTestsItems,
    .font = forms::tahoma(14.25f, true),
    .scoreSuffix = " correct",
    .groups = kFairTestsGroups,
    .message = labelling::kSortingMessage,
    .back = shell::DeepBlue,
    .houseButtons = true,
    .texts = kFairTestsHeadings,
    .outlines = kFairTestsOutlines,
    .pages = kFairTestsPages,
    .pageQuestion = kQuestionPlace,
};

}  // namespace fairtests
