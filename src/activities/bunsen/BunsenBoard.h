// Bunsen Burner: the burner's five parts at the ends of its leader lines, and its two flames.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace bunsen {

// The large diagram at its own size, 300 × 440 pixels.
inline constexpr forms::TwipRect kDiagram{240, 780, 4500, 6600};
// Its leader lines end 296 pixels in, each at its part's height.
inline constexpr float kPartLeft = kDiagram.left + 296 * 15 + 60;
inline constexpr float kPartWidth = 1950;
inline constexpr float kPartHeight = 450;

constexpr forms::TwipRect partAtLine(int linePx) {
    return {kPartLeft, kDiagram.top + linePx * 15.f - kPartHeight / 2, kPartWidth, kPartHeight};
}

// The flames, 140 × 200 pixels each, with a two-line box under each.
inline constexpr forms::TwipRect kSafetyFlame{7080, 780, 2100, 3000};
inline constexpr forms::TwipRect kRoaringFlame{9540, 780, 2100, 3000};
inline constexpr float kFlameBoxHeight = 630;

constexpr forms::TwipRect boxUnder(const forms::TwipRect& flame) {
    return {flame.left, flame.top + flame.height + 60, flame.width, kFlameBoxHeight};
}

// Homes in two columns under the flames, four and three, 90 apart down each.
inline constexpr float kHomeColumns[] = {7080, 9540};

// The flames' names break before the bracket: wrapped by width, "(air" would end the first line.
inline constexpr labelling::BoardItem kItems[] = {
    {"chimney", partAtLine(70), kHomeColumns[0], 5880},
    {"collar", partAtLine(190), kHomeColumns[0], 6420},
    {"air hole", partAtLine(250), kHomeColumns[0], 4620},
    {"base", partAtLine(410), kHomeColumns[1], 4620},
    {"gas supply", partAtLine(330), kHomeColumns[1], 5160},
    {"safety flame\n(air hole closed)", boxUnder(kSafetyFlame), kHomeColumns[1], 5700},
    {"roaring flame\n(air hole open)", boxUnder(kRoaringFlame), kHomeColumns[0], 5160},
};

inline constexpr labelling::BoardPicture kPictures[] = {
    {"Images\\bunsenlg.jpg", kDiagram},
    {"Images\\flamesafety.jpg", kSafetyFlame},
    {"Images\\flameroaring.jpg", kRoaringFlame},
};

inline const labelling::BoardDesign kBunsenBoard{
    .items = kItems,
    .font = forms::tahoma(13.5f, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {1995, 7440, 7920, 465},
                shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
                "Drag each label to its box.",
                false},
    .back = shell::DeepBlue,
    .pictures = kPictures,
};

}  // namespace bunsen
