// Changing State: solid, liquid and gas as particles, with the changes between them on arrows.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace changingstate {

// The picture at its own size, 760 × 400 pixels; its empty strips hold the boxes.
inline constexpr forms::TwipRect kPicture{255, 780, 11400, 6000};
inline constexpr float kBoxWidth = 1950;
inline constexpr float kBoxHeight = 450;

// A box centred across the strip at pixel x (its centre) and pixel y (its top) of the picture.
constexpr forms::TwipRect boxInPicture(int centrePx, int topPx) {
    return {kPicture.left + centrePx * 15.f - kBoxWidth / 2, kPicture.top + topPx * 15.f, kBoxWidth,
            kBoxHeight};
}

// Strips: under each frame (y 300..345), in the gaps between frames under the right-pointing
// arrows (y 185..217) and over the left-pointing ones (y 233..265), and under the top line of
// the subliming arrow (y 65..97).
inline constexpr int kFrameCentres[] = {90, 380, 670};
inline constexpr int kGapCentres[] = {235, 525};

// The boxes stand on five columns; homes take those columns in a row of five over the picture's
// empty foot and a row of three below it, never on their own box's column; the message has a
// line of its own beneath them.
constexpr float column(int c) {
    return kPicture.left + (90 + 145 * c) * 15.f - kBoxWidth / 2;
}
inline constexpr float kHomeTops[] = {6030, 6570};

inline constexpr labelling::BoardItem kItems[] = {
    {"solid", boxInPicture(kFrameCentres[0], 307), column(3), kHomeTops[0]},
    {"liquid", boxInPicture(kFrameCentres[1], 307), column(0), kHomeTops[1]},
    {"gas", boxInPicture(kFrameCentres[2], 307), column(1), kHomeTops[0]},
    {"melting", boxInPicture(kGapCentres[0], 186), column(4), kHomeTops[0]},
    {"freezing", boxInPicture(kGapCentres[0], 234), column(2), kHomeTops[1]},
    {"evaporating", boxInPicture(kGapCentres[1], 186), column(0), kHomeTops[0]},
    {"condensing", boxInPicture(kGapCentres[1], 234), column(2), kHomeTops[0]},
    {"subliming", boxInPicture(380, 66), column(1), kHomeTops[1]},
};

// The frames and arrows as the eye finds them, item by item; what they are called is the task.
inline constexpr const char* kBoxNames[] = {
    "box under the left frame, particles packed close in rows",
    "box under the middle frame, particles close together in no order",
    "box under the right frame, particles far apart",
    "box on the arrow from the left frame to the middle",
    "box on the arrow from the middle frame back to the left",
    "box on the arrow from the middle frame to the right",
    "box on the arrow from the right frame back to the middle",
    "box on the arrow from the left frame straight to the right",
};
static_assert(std::size(kBoxNames) == std::size(kItems));

inline constexpr labelling::BoardPicture kPictures[] = {{"Images\\changingstate.jpg", kPicture}};

inline const labelling::BoardDesign kChangingStateBoard{
    .items = kItems,
    .font = forms::tahoma(14.25f, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {1935, 7260, 8055, 480},
                shell::textLook(forms::tahoma(18, true), forms::Align::Centre),
                "Label the diagram.",
                false},
    .back = shell::DeepBlue,
    .pictures = kPictures,
    .boxNames = kBoxNames,
};

}  // namespace changingstate
