// Chemical Equations on paper: each symbol equation with a box before every formula.
#pragma once

#include <span>

#include "activities/equations/ChemicalEquations.h"
#include "kit/sheets/Worksheet.h"

namespace equations {

sheets::Worksheet worksheet(std::span<const ChemicalEquation> equations = kChemicalEquations);

}  // namespace equations
