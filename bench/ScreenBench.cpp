// The program's own screens in this process: the moves of a typical lesson, one pointer move of
// a dragged name label and of a Jotter stroke, and memory across many openings and closings.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "Benchmarks.h"
#include "Figures.h"
#include "Lesson.h"
#include "Mouse.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "program/Program.h"

using testing_support::LessonStep;
using testing_support::Mouse;
using testing_support::settle;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLessonSamples = 40;
constexpr double kMoveTargetMs = 8;
constexpr int kPointerSamples = 4000;
constexpr double kPointerTargetUs = 100;
// Enough for Molecular Models to have drawn each of its ten molecules, whose pictures the
// picture cache then keeps: a fuller cache is not growth.
constexpr int kWarmUpCycles = 200;
constexpr int kCycles = 1000;
constexpr double kGrowthTargetKiB = 1024;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// A program as main() makes it, except that its end does not quit this process.
std::unique_ptr<program::Program> freshProgram() {
    auto program = std::make_unique<program::Program>();
    program->screens().onProgramEnd = [] {};
    return program;
}

// Counts the screen windows painted while it lives: a move that shows a screen must paint it.
class WindowPaints : public QObject {
  public:
    WindowPaints() { qApp->installEventFilter(this); }
    ~WindowPaints() override { qApp->removeEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            ++count;
        return false;
    }
};

// Step k of the lesson, each sample in a fresh program walked there unmeasured, so that every
// sample loads its screens and pictures as a teacher's first run does.
void lessonStep(benchmark::State& state, int k) {
    std::vector<double> samples;
    int paints = 0;
    const std::vector<LessonStep> steps = testing_support::typicalLesson();
    for (auto _ : state) {
        for (int s = 0; s < kLessonSamples; ++s) {
            auto program = freshProgram();
            for (int i = 0; i < k; ++i) steps[i].act(program->screens());
            bool done = false;
            {
                WindowPaints painted;
                const auto start = Clock::now();
                done = steps[k].act(program->screens());
                samples.push_back(msBetween(start, Clock::now()));
                paints += painted.count;
            }
            if (!done ||
                testing_support::visibleScreens(program->screens()) != steps[k].onViewAfter) {
                state.SkipWithError("the lesson did not go as it should");
                return;
            }
            program.reset();
            settle();
        }
        state.SetIterationTime(median(samples) / 1000);
    }
    const double middle = median(samples);
    state.counters["median_ms"] = middle;
    state.counters["window_paints"] = double(paints) / kLessonSamples;
    const std::string what = "lesson: " + steps[k].what.toStdString();
    char spread[64];
    std::snprintf(spread, sizeof spread, "min %.2f, max %.2f ms",
                  *std::min_element(samples.begin(), samples.end()),
                  *std::max_element(samples.begin(), samples.end()));
    // Dragging ten names is a hundred and thirty pointer events, not one move between screens.
    const bool isMove = steps[k].what != QLatin1String("drag the ten names");
    record({what, middle, "ms", isMove ? "< 8 ms" : "", middle < kMoveTargetMs, spread});
}

struct PointerTimes {
    std::vector<double> samples;
    void add(Clock::time_point a, Clock::time_point b, benchmark::State& state) {
        const double ms = msBetween(a, b);
        samples.push_back(ms * 1000);
        state.SetIterationTime(ms / 1000);
    }
    void report(benchmark::State& state, const std::string& what, bool ownWork) {
        const double middle = median(samples);
        state.counters["median_us"] = middle;
        record({what, middle, "us", ownWork ? "< 100 us" : "", middle < kPointerTargetUs,
                ownWork ? "handler only; repaint outside the timing"
                        : "event delivery, handler and repaint"});
    }
};

// A name label on Laboratory Apparatus held with the left button and moved 10 px to and fro.
void dragLabel(benchmark::State& state, bool wholeEvent) {
    auto program = freshProgram();
    forms::Screens& screens = program->screens();
    screens.show(QStringLiteral("menu5"));
    forms::Screen& board = screens.show(QStringLiteral("equipment"));
    settle();
    auto* names = board.array<forms::Label>(QStringLiteral("Label2"));
    if (!names || !names->at(3)) {
        state.SkipWithError("no name labels");
        return;
    }
    constexpr int kLabel = 3;
    const forms::Label& label = (*names)[kLabel];
    const QPoint centre = Mouse::centreOf(label);
    Mouse mouse(board);
    mouse.press(centre);
    PointerTimes times;
    bool right = false;
    for (auto _ : state) {
        right = !right;
        const float dx = right ? 150 : -150;
        if (wholeEvent) {
            const auto start = Clock::now();
            mouse.move(centre + QPoint(right ? 10 : 0, 0));
            settle();
            times.add(start, Clock::now(), state);
        } else {
            const forms::MouseEvent move{forms::kLeftButton, label.width() / 2 + dx,
                                         label.height() / 2};
            const auto start = Clock::now();
            names->onMouseMove(kLabel, move);
            times.add(start, Clock::now(), state);
            settle();
        }
    }
    mouse.release(centre);
    settle();
    times.report(state,
                 wholeEvent ? "name label drag, one move event" : "name label drag, one move",
                 !wholeEvent);
}

// A Jotter stroke: the left button held on the surface, each move one segment of 20 px.
void jotterStroke(benchmark::State& state, bool wholeEvent) {
    auto program = freshProgram();
    forms::Screens& screens = program->screens();
    forms::Screen& pad = screens.show(QStringLiteral("notepad"));
    settle();
    if (!pad.onMouseDown || !pad.onMouseMove) {
        state.SkipWithError("the Jotter has no surface handlers");
        return;
    }
    const QPoint from(100, 80), to(116, 92);
    Mouse mouse(pad);
    if (wholeEvent)
        mouse.press(from);
    else
        pad.onMouseDown({forms::kLeftButton, forms::toTwips(from.x()), forms::toTwips(from.y())});
    PointerTimes times;
    bool out = false;
    for (auto _ : state) {
        out = !out;
        const QPoint at = out ? to : from;
        if (wholeEvent) {
            const auto start = Clock::now();
            mouse.move(at);
            settle();
            times.add(start, Clock::now(), state);
        } else {
            const forms::MouseEvent move{forms::kLeftButton, forms::toTwips(at.x()),
                                         forms::toTwips(at.y())};
            const auto start = Clock::now();
            pad.onMouseMove(move);
            times.add(start, Clock::now(), state);
            settle();
        }
    }
    if (wholeEvent) mouse.release(from);
    settle();
    times.report(state, wholeEvent ? "Jotter stroke, one move event" : "Jotter stroke, one segment",
                 !wholeEvent);
}

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
}

double heapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1024.0;
}

// One activity screen opened over its menu and closed again, a thousand times, after a warm-up
// that fills the picture cache and Qt's own caches.
void openCloseCycles(benchmark::State& state, QString name) {
    auto program = freshProgram();
    forms::Screens& screens = program->screens();
    screens.show(QStringLiteral("menu5"));
    settle();
    const auto cycle = [&] {
        screens.show(name);
        settle();
        screens.unload(name);
        settle();
    };
    double rssGrowth = 0, heapGrowth = 0;
    for (auto _ : state) {
        for (int i = 0; i < kWarmUpCycles; ++i) cycle();
        malloc_trim(0);
        const double rssBefore = residentKiB(), heapBefore = heapInUseKiB();
        const auto start = Clock::now();
        for (int i = 0; i < kCycles; ++i) cycle();
        const double ms = msBetween(start, Clock::now());
        malloc_trim(0);
        rssGrowth = residentKiB() - rssBefore;
        heapGrowth = heapInUseKiB() - heapBefore;
        state.SetIterationTime(ms / 1000 / kCycles);
    }
    state.counters["rss_growth_KiB"] = rssGrowth;
    state.counters["heap_growth_KiB"] = heapGrowth;
    char heap[64];
    std::snprintf(heap, sizeof heap, "heap in use %+.0f KiB", heapGrowth);
    record({"growth over 1000 open/close: " + name.toStdString(), rssGrowth, "KiB", "< 1024 KiB",
            rssGrowth < kGrowthTargetKiB, heap});
}

}  // namespace

void registerLesson() {
    const std::vector<LessonStep> steps = testing_support::typicalLesson();
    for (int k = 0; k < int(steps.size()); ++k) {
        benchmark::RegisterBenchmark(("lesson/" + steps[k].what.toStdString()).c_str(),
                                     [k](benchmark::State& state) { lessonStep(state, k); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

void registerPointerWork() {
    for (const bool whole : {false, true}) {
        const std::string how = whole ? "event and repaint" : "handler";
        benchmark::RegisterBenchmark(("pointer/name label drag, " + how).c_str(),
                                     [whole](benchmark::State& s) { dragLabel(s, whole); })
            ->Iterations(kPointerSamples)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("pointer/Jotter stroke, " + how).c_str(),
                                     [whole](benchmark::State& s) { jotterStroke(s, whole); })
            ->Iterations(kPointerSamples)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
}

void registerGrowth() {
    // The screens are known by name only: whatever the program defines beyond its shell.
    forms::Screens* names = nullptr;
    auto program = freshProgram();
    names = &program->screens();
    for (const QString& name : testing_support::activityScreens(*names)) {
        benchmark::RegisterBenchmark(("memory/open and close x1000, " + name.toStdString()).c_str(),
                                     [name](benchmark::State& s) { openCloseCycles(s, name); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
