// Whole processes measured from outside: start-up to the first frame, and peak memory, each set
// against a bare Qt window.
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <cstdio>
#include <string>
#include <vector>

#include "Benchmarks.h"
#include "ChildProcess.h"
#include "Figures.h"
#include "forms/Scale.h"

namespace bench {

namespace {

constexpr int kStartUpPairs = 30;
constexpr int kTourRuns = 5;
constexpr double kStartUpTarget = 1.2;
constexpr double kMemoryTarget = 1.5;
constexpr double kProjectorMemoryTarget = 2.0;

std::string program(const char* name) {
    return benchDir() + "/" + name;
}

std::string ratioText(const char* floorName, double floor, const char* unit, double ratio) {
    char text[96];
    std::snprintf(text, sizeof text, "%s %.2f %s, ratio %.2f", floorName, floor, unit, ratio);
    return text;
}

struct Medians {
    double frame = 0, whole = 0, peak = 0, cpu = 0;
};

// Runs a program count times (after one unmeasured run that warms the file cache).
bool runMany(const std::string& path, int count, std::vector<ProcessRun>& runs,
             const std::vector<std::string>& arguments = {}) {
    runProcess(path, buildDir(), arguments);
    for (int i = 0; i < count; ++i) {
        runs.push_back(runProcess(path, buildDir(), arguments));
        if (!runs.back().ok) return false;
    }
    return true;
}

Medians mediansOf(const std::vector<ProcessRun>& runs) {
    std::vector<double> frame, whole, peak, cpu;
    for (const ProcessRun& run : runs) {
        frame.push_back(run.firstFrameMs);
        whole.push_back(run.wholeMs);
        peak.push_back(run.peakMiB);
        cpu.push_back(run.cpuMs);
    }
    return {median(frame), median(whole), median(peak), median(cpu)};
}

// The program and the bare window started in turn, so that whatever else the machine is doing
// weighs on both alike, on one platform: the offscreen one, or the X server DISPLAY names.
void startUpOn(benchmark::State& state, const char* platform, const std::string& where) {
    std::vector<ProcessRun> kindrel, floor;
    for (auto _ : state) {
        runProcess(program("kindrel_firstframe"), buildDir(), {}, platform);
        runProcess(program("bare_window"), buildDir(), {}, platform);
        for (int i = 0; i < kStartUpPairs; ++i) {
            kindrel.push_back(runProcess(program("kindrel_firstframe"), buildDir(), {}, platform));
            floor.push_back(runProcess(program("bare_window"), buildDir(), {}, platform));
            if (!kindrel.back().ok || !floor.back().ok || kindrel.back().firstFrameMs == 0 ||
                floor.back().firstFrameMs == 0) {
                state.SkipWithError("a start-up run failed or showed no frame");
                return;
            }
        }
        state.SetIterationTime(mediansOf(kindrel).frame / 1000);
    }
    const Medians k = mediansOf(kindrel), f = mediansOf(floor);
    state.counters["frame_ms"] = k.frame;
    state.counters["floor_frame_ms"] = f.frame;
    state.counters["whole_ms"] = k.whole;
    state.counters["floor_whole_ms"] = f.whole;
    state.counters["cpu_ms"] = k.cpu;
    state.counters["floor_cpu_ms"] = f.cpu;
    state.counters["peak_MiB"] = k.peak;
    state.counters["floor_peak_MiB"] = f.peak;
    const double frameRatio = k.frame / f.frame, wholeRatio = k.whole / f.whole;
    record({"start-up to the title's first frame" + where, k.frame, "ms", "<= 1.2 x floor",
            frameRatio <= kStartUpTarget, ratioText("bare window", f.frame, "ms", frameRatio)});
    record({"start-up, first frame and exit" + where, k.whole, "ms", "<= 1.2 x floor",
            wholeRatio <= kStartUpTarget, ratioText("bare window", f.whole, "ms", wholeRatio)});
    // Time on the processor rather than on the clock: what the other work of a shared machine
    // does not stretch.
    record({"start-up, processor time to exit" + where, k.cpu, "ms", "", false,
            ratioText("bare window", f.cpu, "ms", k.cpu / f.cpu)});
    record({"peak memory, title screen only" + where, k.peak, "MiB", "", false,
            ratioText("bare window", f.peak, "MiB", k.peak / f.peak)});
}

// One tour's peak memory against a bare window's: at design size the bare window as it comes, in
// projector mode one as large as a framed screen's client area at that factor, the least any
// program needs to show such a window.
struct TourMemory {
    std::string figure;
    std::vector<std::string> tourArguments;
    std::vector<std::string> floorArguments;
    std::string floorName;
    double target;
};

void tourMemory(benchmark::State& state, const TourMemory& tour) {
    std::vector<ProcessRun> runs, floor;
    for (auto _ : state) {
        if (!runMany(program("kindrel_tour"), kTourRuns, runs, tour.tourArguments) ||
            !runMany(program("bare_window"), kTourRuns, floor, tour.floorArguments)) {
            state.SkipWithError("a tour or a bare window failed");
            return;
        }
        state.SetIterationTime(mediansOf(runs).whole / 1000);
    }
    const Medians t = mediansOf(runs), f = mediansOf(floor);
    state.counters["peak_MiB"] = t.peak;
    state.counters["floor_peak_MiB"] = f.peak;
    const double ratio = t.peak / f.peak;
    char target[32];
    std::snprintf(target, sizeof target, "<= %g x floor", tour.target);
    record({tour.figure, t.peak, "MiB", target, ratio <= tour.target,
            ratioText(tour.floorName.c_str(), f.peak, "MiB", ratio)});
}

TourMemory atDesignSize() {
    return {"peak memory, lesson and every screen", {}, {}, "bare window", kMemoryTarget};
}

TourMemory inProjectorMode(const ProjectorDisplay& display) {
    const forms::Scale scale(display.factor);
    const std::string size = std::to_string(scale.toPixels(12000 - 90)) + "x" +
                             std::to_string(scale.toPixels(9000 - 480));
    return {std::string("peak memory, lesson and every screen, ") + display.name,
            {std::to_string(display.factor)},
            {size},
            "bare window " + size,
            kProjectorMemoryTarget};
}

}  // namespace

void registerStartUp() {
    benchmark::RegisterBenchmark("process/start-up vs bare window",
                                 [](benchmark::State& s) { startUpOn(s, "offscreen", ""); })
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    // Run under xvfb-run (as scripts/bench.sh does), the same again on a real X server.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return;
    benchmark::RegisterBenchmark("process/start-up vs bare window, X server",
                                 [](benchmark::State& s) { startUpOn(s, "xcb", ", X server"); })
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void registerMemory() {
    benchmark::RegisterBenchmark("process/peak memory of a tour vs bare window",
                                 [](benchmark::State& s) { tourMemory(s, atDesignSize()); })
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    for (const ProjectorDisplay& display : kProjectorDisplays) {
        benchmark::RegisterBenchmark(
            (std::string("process/peak memory of a tour at ") + display.name).c_str(),
            [display](benchmark::State& s) { tourMemory(s, inProjectorMode(display)); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
