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

// The balancing numbers with no common factor and the smallest sum, earliest in reading order on
// a tie, each from 1 to maxCoefficient; nullopt when none is within the bound. Worked out exactly
// when there is only one way to balance; tries every combination (maxCoefficient to the power of
// the number of formulas) only when there are more, so meant for the few formulas of a class
// equation.
std::optional<std::vector<int>> smallestBalancing(std::span<const Formula> reactants,
                                                  std::span<const Formula> products,
                                                  int maxCoefficient = 6);

// The largest number in front of a formula that a teacher's equation may need.
inline constexpr int kMaxListCoefficient = 20;

enum class BalanceOutcome {
    Balanced,
    CannotBalance,     // not at all, or only by leaving a formula out or moving it across
    MoreThanOneWay,    // independent ways that are not multiples of each other
    NeedsLargeNumber,  // only with a number over the limit
    OutOfRange,        // the working-out needs numbers too large for 64 bits, or the equation
                       // has more than kMaxBalancedFormulas formulas
};

// Far more than any real equation; keeps the working small whatever it is given.
inline constexpr std::size_t kMaxBalancedFormulas = 64;

struct BalanceResult {
    BalanceOutcome outcome = BalanceOutcome::CannotBalance;
    // The smallest whole numbers, reactants first: when Balanced, and when NeedsLargeNumber if
    // they fit an int. Empty otherwise.
    std::vector<int> coefficients;
};

// Solves the atom counts as simultaneous equations: the exact null space of the element by
// formula matrix, by fraction-free elimination in 64-bit integers with every step checked for
// overflow, so the time grows with the size of the equation, not with the numbers.
BalanceResult balance(std::span<const Formula> reactants, std::span<const Formula> products,
                      int maxCoefficient = kMaxListCoefficient);

}  // namespace chem
