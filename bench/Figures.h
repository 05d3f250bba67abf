// The figures the benchmarks measured, gathered for one table beside their targets.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct Figure {
    std::string what;
    double value = 0;
    std::string unit;
    std::string target;  // as the target reads, e.g. "< 8 ms"; empty for a figure given for context
    bool met = false;
    std::string compared;  // what it is set against, when anything (the floor, a ratio)
};

void record(Figure figure);
void printFigures();

// The middle value of samples (the mean of the two middle ones for an even count).
double median(std::vector<double> samples);

}  // namespace bench
