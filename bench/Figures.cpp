#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

std::vector<Figure>& figures() {
    static std::vector<Figure> list;
    return list;
}

}  // namespace

void record(Figure figure) {
    figures().push_back(std::move(figure));
}

void printFigures() {
    if (figures().empty()) return;
    std::size_t width = 0;
    for (const Figure& f : figures()) width = std::max(width, f.what.size());
    const int w = static_cast<int>(width);
    std::printf("\n%-*s  %12s  %-15s  %-3s  %s\n", w, "Figure", "Measured", "Target", "Met",
                "Against");
    std::printf("%s\n", std::string(width + 80, '-').c_str());
    for (const Figure& f : figures()) {
        char measured[32];
        const int decimals = f.value >= 100 ? 0 : f.value >= 10 ? 1 : 2;
        std::snprintf(measured, sizeof measured, "%.*f %s", decimals, f.value, f.unit.c_str());
        const bool hasTarget = !f.target.empty();
        std::printf("%-*s  %12s  %-15s  %-3s  %s\n", w, f.what.c_str(), measured,
                    hasTarget ? f.target.c_str() : "-", hasTarget ? (f.met ? "yes" : "NO") : "-",
                    f.compared.c_str());
    }
}

double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

}  // namespace bench
