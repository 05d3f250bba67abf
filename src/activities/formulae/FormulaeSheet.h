// Substituting into Formulae on paper: each formula with values drawn once from a seed, so that
// the answer sheet printed with it works out the same numbers.
#pragma once

#include <cstdint>
#include <span>

#include "activities/formulae/FormulaTemplates.h"
#include "kit/sheets/Worksheet.h"

namespace formulae {

// Every formula `rounds` times, each time with values of its own.
sheets::Worksheet worksheet(std::uint64_t seed,
                            std::span<const FormulaTemplate> formulas = kFormulaTemplates,
                            int rounds = 2);

}  // namespace formulae
