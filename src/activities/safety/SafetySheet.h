// Safety in the Lab on paper: the laboratory with a numbered line for each unsafe behaviour,
// and the ten the picture shows as the answers.
#pragma once

#include "kit/sheets/Worksheet.h"

namespace safety {

// The ten unsafe behaviours of the laboratory picture, in the order the class usually finds
// them: back row from the left, then the right, then the front.
inline constexpr const char* kUnsafeBehaviours[] = {
    "Eating a sandwich, with a can of drink beside it, at the bench.",
    "Heating a test tube without safety goggles.",
    "Pointing the mouth of a heated test tube at a neighbour.",
    "Long hair left loose, hanging into a Bunsen flame.",
    "A Bunsen burner left burning with nobody there; a book and papers beside it catch fire.",
    "Tasting a chemical from a spatula; its jar has a hazard label.",
    "A bottle knocked over at the bench's edge, dripping into a puddle nobody has mopped up.",
    "Running and chasing across the laboratory.",
    "A school bag left in the gangway; a pupil carrying a beaker of acid is about to trip over it.",
    "Picking up broken glass with bare hands.",
};

sheets::Worksheet worksheet();

}  // namespace safety
