// Balancing by counting atoms on each side, and by solving for the numbers exactly.
#include "kit/chem/Equation.h"

#include <algorithm>
#include <array>
#include <climits>
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

namespace {

// Every combination in turn; only for equations with more than one way to balance.
std::optional<std::vector<int>> searchBalancing(std::span<const Formula> reactants,
                                                std::span<const Formula> products,
                                                int maxCoefficient) {
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

using Row = std::vector<std::int64_t>;

// The smallest int64 has no positive counterpart, which std::gcd and negation need.
bool inRange(std::int64_t n) {
    return n != INT64_MIN;
}

// a * x - b * y, false on overflow.
bool combine(std::int64_t a, std::int64_t x, std::int64_t b, std::int64_t y, std::int64_t& out) {
    std::int64_t ax = 0, by = 0;
    return !__builtin_mul_overflow(a, x, &ax) && !__builtin_mul_overflow(b, y, &by) &&
           !__builtin_sub_overflow(ax, by, &out) && inRange(out);
}

// Divides a row by the common factor of its entries, which keeps the numbers as small as the
// working allows.
void reduce(Row& row) {
    std::int64_t factor = 0;
    for (const std::int64_t n : row) factor = std::gcd(factor, n);
    if (factor > 1)
        for (std::int64_t& n : row) n /= factor;
}

struct Elimination {
    std::vector<Row> rows;  // after elimination: rows[i] has its pivot at pivots[i]
    std::vector<std::size_t> pivots;
    bool overflow = false;
};

// Gauss-Jordan elimination without fractions: each pivot column ends up with a number only in
// its own row. Counts are at most a million, so every entry starts well inside 64 bits.
Elimination eliminate(std::vector<Row> rows, std::size_t columns) {
    Elimination result;
    std::size_t rank = 0;
    for (std::size_t column = 0; column < columns && rank < rows.size(); ++column) {
        std::size_t pivot = rank;
        while (pivot < rows.size() && rows[pivot][column] == 0) ++pivot;
        if (pivot == rows.size()) continue;
        std::swap(rows[rank], rows[pivot]);
        const std::int64_t a = rows[rank][column];
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::int64_t b = rows[r][column];
            if (r == rank || b == 0) continue;
            // Both divided by their common factor: row r times a/g less the pivot row times b/g.
            const std::int64_t g = std::gcd(a, b);
            for (std::size_t c = 0; c < columns; ++c) {
                if (!combine(a / g, rows[r][c], b / g, rows[rank][c], rows[r][c])) {
                    result.overflow = true;
                    return result;
                }
            }
            reduce(rows[r]);
        }
        result.pivots.push_back(column);
        ++rank;
    }
    rows.resize(rank);
    result.rows = std::move(rows);
    return result;
}

}  // namespace

BalanceResult balance(std::span<const Formula> reactants, std::span<const Formula> products,
                      int maxCoefficient) {
    BalanceResult result;
    if (reactants.empty() || products.empty()) return result;
    if (reactants.size() + products.size() > kMaxBalancedFormulas) {
        result.outcome = BalanceOutcome::OutOfRange;
        return result;
    }

    // One row per element, one column per formula; products count negative, so a balancing
    // is a solution of rows times numbers = 0 with every number positive.
    const std::size_t columns = reactants.size() + products.size();
    std::vector<std::string_view> elements;
    std::vector<Row> rows;
    for (std::size_t j = 0; j < columns; ++j) {
        const bool product = j >= reactants.size();
        const Formula& formula = product ? products[j - reactants.size()] : reactants[j];
        for (const AtomCount& atom : formula.atoms()) {
            const auto known = std::find(elements.begin(), elements.end(), atom.symbol);
            const std::size_t row = static_cast<std::size_t>(known - elements.begin());
            if (known == elements.end()) {
                elements.push_back(atom.symbol);
                rows.emplace_back(columns, 0);
            }
            rows[row][j] += product ? -atom.count : atom.count;
        }
    }

    const Elimination solved = eliminate(std::move(rows), columns);
    if (solved.overflow) {
        result.outcome = BalanceOutcome::OutOfRange;
        return result;
    }
    std::vector<bool> isPivot(columns, false);
    for (const std::size_t column : solved.pivots) isPivot[column] = true;
    const std::size_t freeColumns = columns - solved.pivots.size();
    if (freeColumns == 0) return result;  // only all zeros balance it

    // A pivot row with nothing in any free column pins its formula's number to 0.
    for (const Row& row : solved.rows) {
        bool pinned = true;
        for (std::size_t c = 0; c < columns; ++c) pinned = pinned && (isPivot[c] || row[c] == 0);
        if (pinned) return result;
    }
    if (freeColumns > 1) {
        result.outcome = BalanceOutcome::MoreThanOneWay;
        return result;
    }

    // One free column f: its number is t, and each pivot row a * x + row[f] * t = 0 gives
    // x = -row[f] * t / a. With t the least common multiple of the pivots, every x is whole.
    const std::size_t f = static_cast<std::size_t>(
        std::find(isPivot.begin(), isPivot.end(), false) - isPivot.begin());
    std::int64_t t = 1;
    for (std::size_t i = 0; i < solved.rows.size(); ++i) {
        const std::int64_t a = solved.rows[i][solved.pivots[i]];
        const std::int64_t step = (a < 0 ? -a : a) / std::gcd(t, a);
        if (__builtin_mul_overflow(t, step, &t)) {
            result.outcome = BalanceOutcome::OutOfRange;
            return result;
        }
    }
    std::vector<std::int64_t> numbers(columns, 0);
    numbers[f] = t;
    for (std::size_t i = 0; i < solved.rows.size(); ++i) {
        const Row& row = solved.rows[i];
        std::int64_t& x = numbers[solved.pivots[i]];
        if (__builtin_mul_overflow(-row[f], t / row[solved.pivots[i]], &x) || !inRange(x)) {
            result.outcome = BalanceOutcome::OutOfRange;
            return result;
        }
    }
    std::int64_t factor = 0;
    for (const std::int64_t n : numbers) factor = std::gcd(factor, n);
    // t is positive, so the other numbers must be too.
    for (std::int64_t& n : numbers) {
        n /= factor;
        if (n <= 0) return result;
    }

    const std::int64_t largest = *std::max_element(numbers.begin(), numbers.end());
    result.outcome =
        largest <= maxCoefficient ? BalanceOutcome::Balanced : BalanceOutcome::NeedsLargeNumber;
    if (largest <= INT_MAX) result.coefficients.assign(numbers.begin(), numbers.end());
    return result;
}

std::optional<std::vector<int>> smallestBalancing(std::span<const Formula> reactants,
                                                  std::span<const Formula> products,
                                                  int maxCoefficient) {
    if (reactants.empty() || products.empty() || maxCoefficient < 1) return std::nullopt;
    BalanceResult exact = balance(reactants, products, maxCoefficient);
    switch (exact.outcome) {
        case BalanceOutcome::Balanced:
            return std::move(exact.coefficients);
        case BalanceOutcome::CannotBalance:
        case BalanceOutcome::NeedsLargeNumber:
            return std::nullopt;
        case BalanceOutcome::MoreThanOneWay:
        case BalanceOutcome::OutOfRange:
            break;
    }
    return searchBalancing(reactants, products, maxCoefficient);
}

}  // namespace chem
