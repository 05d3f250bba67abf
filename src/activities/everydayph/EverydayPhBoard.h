// Acids and Alkalis (menu 2): twelve everyday substances sorted into acid, neutral and alkali.
#pragma once

#include "kit/labelling/SortingLayout.h"

namespace everydayph {

using labelling::BoardItem;
using labelling::BoardOutline;
using labelling::BoardText;

// Three columns of four; the twelve homes in four rows of three beneath them (the longest name,
// "washing soda solution", leaves no room for four to a row, and sets the columns' width).
inline constexpr labelling::SortingLayout kEverydayPhLayout{
    .firstBox = {330, 1470, 3600, 450},
    .columnPitch = 3810,
    .rowPitch = 540,
    .homeLeft = 330,
    .homeTop = 4020,
    .homeColumnPitch = 3810,
    .homeRowPitch = 630,
    .homesPerRow = 3,
};

inline constexpr int kAcid = 0;
inline constexpr int kNeutral = 1;
inline constexpr int kAlkali = 2;

// Column by column; the last number is the label's place at home, in reading order.
inline constexpr BoardItem kEverydayPhItems[] = {
    kEverydayPhLayout.item("lemon juice", kAcid, 0, 9),
    kEverydayPhLayout.item("vinegar", kAcid, 1, 1),
    kEverydayPhLayout.item("stomach acid", kAcid, 2, 7),
    kEverydayPhLayout.item("cola", kAcid, 3, 5),
    kEverydayPhLayout.item("pure water", kNeutral, 0, 11),
    kEverydayPhLayout.item("salt solution", kNeutral, 1, 2),
    kEverydayPhLayout.item("sugar solution", kNeutral, 2, 3),
    kEverydayPhLayout.item("tap water", kNeutral, 3, 6),
    kEverydayPhLayout.item("oven cleaner", kAlkali, 0, 10),
    kEverydayPhLayout.item("washing soda solution", kAlkali, 1, 0),
    kEverydayPhLayout.item("milk of magnesia", kAlkali, 2, 8),
    kEverydayPhLayout.item("baking soda solution", kAlkali, 3, 4),
};
static_assert(labelling::wellFormed(kEverydayPhItems, kEverydayPhLayout));

inline constexpr auto kEverydayPhGroups =
    labelling::columnGroups(kEverydayPhItems, kEverydayPhLayout);

inline const BoardText kEverydayPhHeadings[] = {
    kEverydayPhLayout.headingText(kAcid, "Acid"),
    kEverydayPhLayout.headingText(kNeutral, "Neutral"),
    kEverydayPhLayout.headingText(kAlkali, "Alkali"),
};

inline constexpr BoardOutline kEverydayPhOutlines[] = {
    kEverydayPhLayout.columnFrame("Shape1", kAcid, 4),
    kEverydayPhLayout.columnFrame("Shape2", kNeutral, 4),
    kEverydayPhLayout.columnFrame("Shape3", kAlkali, 4),
};

inline const labelling::BoardDesign kEverydayPhBoard{
    .items = kEverydayPhItems,
    .font = forms::tahoma(16.5f, true),
    .scoreSuffix = " correct",
    .groups = kEverydayPhGroups,
    .message = labelling::kSortingMessage,
    .back = shell::DeepBlue,
    .houseButtons = true,
    .texts = kEverydayPhHeadings,
    .outlines = kEverydayPhOutlines,
};

}  // namespace everydayph
