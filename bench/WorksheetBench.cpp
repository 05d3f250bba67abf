// Every activity's worksheet with its answer sheet made as a PDF in memory, pictures read afresh
// each time as a run of --worksheet reads them: the time and the size of the file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Benchmarks.h"
#include "Figures.h"
#include "kit/sheets/SheetPrinter.h"
#include "pictures/Pictures.h"
#include "program/Activities.h"
#include "program/Worksheets.h"

namespace bench {

namespace {

constexpr int kSamples = 7;
constexpr double kTargetMs = 300;
constexpr double kTargetMiB = 2;

void worksheetPdf(benchmark::State& state, const QString& screen) {
    std::vector<double> times;
    qint64 bytes = 0;
    for (auto _ : state) {
        for (int sample = 0; sample < kSamples; ++sample) {
            const auto start = std::chrono::steady_clock::now();
            pictures::Pictures pictures;
            const std::optional<sheets::Worksheet> sheet = program::worksheetFor(screen, 1);
            const std::optional<sheets::Pdf> pdf =
                sheet ? sheets::worksheetPdf(*sheet, pictures, true) : std::nullopt;
            const double ms = std::chrono::duration<double, std::milli>(
                                  std::chrono::steady_clock::now() - start)
                                  .count();
            if (!pdf) {
                state.SkipWithError("no PDF");
                return;
            }
            bytes = pdf->bytes.size();
            times.push_back(ms);
        }
        state.SetIterationTime(median(times) / 1000);
    }
    const double middle = median(times);
    const double mib = static_cast<double>(bytes) / (1024.0 * 1024.0);
    char spread[64];
    std::snprintf(spread, sizeof spread, "min %.1f, max %.1f ms",
                  *std::min_element(times.begin(), times.end()),
                  *std::max_element(times.begin(), times.end()));
    const std::string name = "worksheet PDF: " + screen.toStdString();
    record({name + ", made", middle, "ms", "< 300 ms", middle < kTargetMs, spread});
    record({name + ", size", mib, "MiB", "< 2 MB", bytes < kTargetMiB * 1000 * 1000, ""});
}

}  // namespace

void registerWorksheets() {
    for (const program::Activity& activity : program::activities()) {
        const QString screen = QString::fromLatin1(activity.screen);
        if (program::printsNothing(screen)) continue;
        benchmark::RegisterBenchmark(("worksheet/" + screen.toStdString()).c_str(),
                                     [screen](benchmark::State& s) { worksheetPdf(s, screen); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
