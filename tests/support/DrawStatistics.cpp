#include "DrawStatistics.h"

#include <cstddef>

namespace testing_support {

namespace {

double chiSquare(const std::vector<int>& observed, double expected) {
    double sum = 0;
    for (int seen : observed) sum += (seen - expected) * (seen - expected) / expected;
    return sum;
}

}  // namespace

DrawStatistics drawStatistics(const std::vector<int>& draws, int count) {
    std::vector<int> singles(static_cast<std::size_t>(count));
    std::vector<int> pairs(static_cast<std::size_t>(count * count));
    for (int draw : draws) ++singles.at(static_cast<std::size_t>(draw));
    const std::size_t pairCount = draws.size() / 2;
    for (std::size_t i = 0; i < pairCount; ++i)
        ++pairs.at(static_cast<std::size_t>(draws[2 * i] * count + draws[2 * i + 1]));
    return {chiSquare(singles, static_cast<double>(draws.size()) / count),
            chiSquare(pairs, static_cast<double>(pairCount) / (count * count))};
}

}  // namespace testing_support
