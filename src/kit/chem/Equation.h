// Whether numbers in front of the formulas balance an equation, and the smallest numbers that do.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "kit/chem/Formula.h"

namespace chem {

enum class Balance {
    Balanced,             // every element's atoms equal on both sides, in the smallest numbers
    BalancedNotSmallest,  // equal, but the numbers share a factor (4, 2, 4 for H2 + O2 → H2O)
    Unbalanced,
};

// One coefficient per formula, reactants first, then products. Unbalanced also when either
// side is empty, the number of coefficients does not match, or a coefficient is below 1.
Balance checkBalance(std::span<const Formula> reactants, std::span<const Formula> products,
                     std::span<const int> coefficients);

// Tries every coefficient from 1 to maxCoefficient for each formula (maxCoefficient to the
// power of the number of formulas, so meant for the few formulas of a class equation) and
// returns the balancing numbers with no common factor and the smallest sum, earliest first on
// a tie; nullopt when none is within the bound.
std::optional<std::vector<int>> smallestBalancing(std::span<const Formula> reactants,
                                                  std::span<const Formula> products,
                                                  int maxCoefficient = 6);

}  // namespace chem
