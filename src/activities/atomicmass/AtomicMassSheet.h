// Atomic Mass on paper: the formulas to work out, with the key the class works them from.
#pragma once

#include <span>

#include "kit/chem/FormulaMassItems.h"
#include "kit/sheets/Worksheet.h"

namespace atomicmass {

// Formulas as typed ("CaCO3").
sheets::Worksheet worksheet(std::span<const char* const> formulas = chem::kFormulaMassItems);

}  // namespace atomicmass
