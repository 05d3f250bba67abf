// Molecular Models on paper: each model with lines for its name, its formula and what it is.
#pragma once

#include <span>

#include "activities/molecules/MoleculeCatalogue.h"
#include "kit/sheets/Worksheet.h"

namespace molecules {

sheets::Worksheet worksheet(std::span<const MoleculeEntry> molecules = MoleculeCatalogue::entries());

}  // namespace molecules
