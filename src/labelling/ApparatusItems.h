// Laboratory Apparatus: the ten names, their boxes under the pictures, and the pictures' files.
#pragma once

#include "labelling/BoardDesign.h"

namespace labelling {

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

// Picture slots (Image1) in the order they are loaded: the file, and the item whose target box
// stands directly under the picture.
struct ApparatusPicture {
    const char* file;
    int item;
};
inline constexpr ApparatusPicture kApparatusPictures[] = {
    {"Images\\bunsensm.jpg", 4},  {"Images\\tripodsm.jpg", 8},   {"Images\\funnelsm.jpg", 0},
    {"Images\\thermosm.jpg", 7},  {"Images\\testtubesm.jpg", 2}, {"Images\\beakersm.jpg", 1},
    {"Images\\flasksm.jpg", 9},   {"Images\\pipettesm.jpg", 6},  {"Images\\measuresm.jpg", 5},
    {"Images\\spatulasm.jpg", 3},
};
inline constexpr float kApparatusPictureWidth = 2460;
inline constexpr float kApparatusPictureHeight = 1860;

inline constexpr char kApparatusInstruction[] = "Label these pieces of laboratory apparatus";

}  // namespace labelling
