// Chi-square checks that a run of drawn indexes is uniform and that each draw ignores the last.
#pragma once

#include <vector>

namespace testing_support {

struct DrawStatistics {
    // Against equal counts in every one of count cells.
    double uniformity = 0;
    // Over the count * count cells of pairs of draws taken two at a time (non-overlapping, so
    // the pairs are independent samples and the statistic has count * count - 1 degrees of
    // freedom).
    double pairs = 0;
};

DrawStatistics drawStatistics(const std::vector<int>& draws, int count);

// Bounds far out in the tails (a chance near one in a billion of failing a sound generator),
// yet a generator that repeats within a clock tick or favours a value exceeds them many times.
inline constexpr double kUniformityBound10 = 60;  // 9 degrees of freedom
inline constexpr double kPairsBound10 = 210;      // 99 degrees of freedom

}  // namespace testing_support
