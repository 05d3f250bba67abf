// Balancing by counting atoms on each side.
#include "kit/chem/Equation.h"

#include <array>
#include <cstdint>
#include <numeric>

#include "kit/chem/Elements.h"

namespace chem {

namespace {

// 64 bits hold a million atoms times any int coefficient, summed over a few thousand formulas.
bool atomsEqual(std::span<const Formula> reactants, std::span<const Formula> products,
                std::span<const int> coefficients) {
    std::array<std::int64_t, kElementSymbols.size() + 1> leftOver{};  // by atomic number
    std::size_t next = 0;
    for (const Formula& formula : reactants) {
        const int coefficient = coefficients[next++];
        for (const AtomCount& atom : formula.atoms())
            leftOver[atomicNumber(atom.symbol)] += std::int64_t{coefficient} * atom.count;
    }
    for (const Formula& formula : products) {
        const int coefficient = coefficients[next++];
        for (const AtomCount& atom : formula.atoms())
            leftOver[atomicNumber(atom.symbol)] -= std::int64_t{coefficient} * atom.count;
    }
    for (const std::int64_t n : leftOver)
        if (n != 0) return false;
    return true;
}

int commonFactor(std::span<const int> coefficients) {
    int factor = 0;
    for (const int c : coefficients) factor = std::gcd(factor, c);
    return factor;
}

}  // namespace

Balance checkBalance(std::span<const Formula> reactants, std::span<const Formula> products,
                     std::span<const int> coefficients) {
    if (reactants.empty() || products.empty() ||
        coefficients.size() != reactants.size() + products.size())
        return Balance::Unbalanced;
    for (const int c : coefficients)
        if (c < 1) return Balance::Unbalanced;
    if (!atomsEqual(reactants, products, coefficients)) return Balance::Unbalanced;
    return commonFactor(coefficients) == 1 ? Balance::Balanced : Balance::BalancedNotSmallest;
}

std::optional<std::vector<int>> smallestBalancing(std::span<const Formula> reactants,
                                                  std::span<const Formula> products,
                                                  int maxCoefficient) {
    if (reactants.empty() || products.empty() || maxCoefficient < 1) return std::nullopt;

    std::optional<std::vector<int>> best;
    int bestSum = 0;
    std::vector<int> tried(reactants.size() + products.size(), 1);
    while (true) {
        if (commonFactor(tried) == 1 && atomsEqual(reactants, products, tried)) {
            const int sum = std::accumulate(tried.begin(), tried.end(), 0);
            // Combinations come in reading order, so on a tie the first found stays.
            if (!best || sum < bestSum) {
                best = tried;
                bestSum = sum;
            }
        }
        // Next combination, the last formula's number turning fastest.
        std::size_t i = tried.size();
        while (i > 0 && tried[i - 1] == maxCoefficient) tried[--i] = 1;
        if (i == 0) break;
        ++tried[i - 1];
    }
    return best;
}

}  // namespace chem
