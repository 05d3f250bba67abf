// Laboratory Apparatus: ten pictures of apparatus, a box under each, and the ten names.
#pragma once

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"

namespace equipment {

using namespace labelling;

inline constexpr BoardItem kApparatusItems[] = {
    {"Funnel", {240, 6780, 2460, 375}, 8760, 2760},
    {"Beaker", {2880, 4380, 2460, 375}, 8760, 4680},
    {"Test Tube", {240, 4380, 2460, 375}, 8760, 5160},
    {"Spatula", {2880, 1980, 2460, 375}, 8760, 4200},
    {"Bunsen Burner", {2880, 6780, 2460, 375}, 8760, 3240},
    {"Measuring Cylinder", {240, 1980, 2460, 375}, 8760, 3720},
    {"Pipette", {5520, 6780, 2460, 375}, 8760, 7080},
    {"Thermometer", {8160, 1980, 2460, 375}, 8760, 6600},
    {"Tripod", {5520, 4380, 2460, 375}, 8760, 6120},
    {"Conical Flask", {5520, 1980, 2460, 375}, 8760, 5640},
};

inline constexpr float kApparatusPictureWidth = 2460;
inline constexpr float kApparatusPictureHeight = 1860;

// Each picture stands directly above its item's target box.
constexpr forms::TwipRect pictureAbove(int item) {
    const forms::TwipRect& target = kApparatusItems[item].target;
    return {target.left, target.top - kApparatusPictureHeight, kApparatusPictureWidth,
            kApparatusPictureHeight};
}

// Picture slots (Image1) in the order they are loaded.
inline constexpr BoardPicture kApparatusPictures[] = {
    {"Images\\bunsensm.jpg", pictureAbove(4)},   {"Images\\tripodsm.jpg", pictureAbove(8)},
    {"Images\\funnelsm.jpg", pictureAbove(0)},   {"Images\\thermosm.jpg", pictureAbove(7)},
    {"Images\\testtubesm.jpg", pictureAbove(2)}, {"Images\\beakersm.jpg", pictureAbove(1)},
    {"Images\\flasksm.jpg", pictureAbove(9)},    {"Images\\pipettesm.jpg", pictureAbove(6)},
    {"Images\\measuresm.jpg", pictureAbove(5)},  {"Images\\spatulasm.jpg", pictureAbove(3)},
};

inline constexpr char kApparatusInstruction[] = "Label these pieces of laboratory apparatus";

// The instruction is also where the score is written, until Start Again writes it back.
inline const BoardDesign kApparatusBoard{
    .items = kApparatusItems,
    .font = forms::tahoma(11.25f, true),
    .scoreSuffix = " correct",
    .message = {"Label5",
                {240, 7260, 7695, 615},
                shell::textLook(forms::tahoma(20.25f), forms::Align::Centre),
                kApparatusInstruction,
                false},
    .houseButtons = false,
    .pictures = kApparatusPictures,
};

}  // namespace equipment
