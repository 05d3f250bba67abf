// The program's own screens in this process: the moves of a typical lesson, one pointer move of
// a dragged name label and of a Jotter stroke, at design size and in projector mode, and memory
// across many openings and closings.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QTest>
#include <QThreadPool>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "Benchmarks.h"
#include "Figures.h"
#include "Lesson.h"
#include "Mouse.h"
#include "ScreenReader.h"
#include "forms/Label.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"
#include "program/Program.h"
#include "program/TeacherLists.h"

using testing_support::LessonStep;
using testing_support::Mouse;
using testing_support::settle;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLessonSamples = 40;
constexpr double kMoveTargetMs = 8;
// In projector mode: one frame at 60 Hz.
constexpr double kProjectorMoveTargetMs = 16;
constexpr int kPointerSamples = 4000;
// Each key sample repaints a board: fewer are enough for a steady median.
constexpr int kKeySamples = 400;
constexpr double kPointerTargetUs = 100;
constexpr double kRepaintTargetUs = 2000;
// Enough for Molecular Models to have drawn each of its ten molecules, whose pictures the
// picture cache then keeps: a fuller cache is not growth.
constexpr int kWarmUpCycles = 200;
constexpr int kCycles = 1000;
constexpr double kGrowthTargetKiB = 1024;

double msBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
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
void lessonStep(benchmark::State& state, int k, double factor) {
    std::vector<double> samples;
    int paints = 0;
    const std::vector<LessonStep> steps = testing_support::typicalLesson();
    for (auto _ : state) {
        for (int s = 0; s < kLessonSamples; ++s) {
            auto program = freshProgram(factor);
            for (int i = 0; i < k; ++i) steps[i].act(program->screens());
            // The teacher's pause before the click: whatever the program reads ahead on its
            // worker threads is done by then.
            QThreadPool::globalInstance()->waitForDone();
            settle();
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
    const std::string what = "lesson" + atDisplay(factor) + ": " + steps[k].what.toStdString();
    char spread[64];
    std::snprintf(spread, sizeof spread, "min %.2f, max %.2f ms",
                  *std::min_element(samples.begin(), samples.end()),
                  *std::max_element(samples.begin(), samples.end()));
    // Dragging ten names is a hundred and thirty pointer events, not one move between screens.
    const bool isMove = steps[k].what != QLatin1String("drag the ten names");
    const double target = factor == 1.0 ? kMoveTargetMs : kProjectorMoveTargetMs;
    record({what, middle, "ms", isMove ? (factor == 1.0 ? "< 8 ms" : "< 16 ms") : "",
            middle < target, spread});
}

struct PointerTimes {
    std::vector<double> samples;
    void add(Clock::time_point a, Clock::time_point b, benchmark::State& state) {
        const double ms = msBetween(a, b);
        samples.push_back(ms * 1000);
        state.SetIterationTime(ms / 1000);
    }
    void report(benchmark::State& state, const std::string& what, bool ownWork,
                bool repaintTarget) {
        const double middle = median(samples);
        state.counters["median_us"] = middle;
        const std::string target = ownWork ? "< 100 us" : repaintTarget ? "< 2000 us" : "";
        record({what, middle, "us", target,
                middle < (ownWork ? kPointerTargetUs : kRepaintTargetUs),
                ownWork ? "handler only; repaint outside the timing"
                        : "event delivery, handler and repaint"});
    }
};

// A name label on Laboratory Apparatus held with the left button and moved 10 px to and fro.
// Laboratory Apparatus on view over its menu, and its name labels; null (the benchmark skipped)
// when the board has none to work.
forms::ControlArray<forms::Label>* apparatusLabels(benchmark::State& state,
                                                   program::Program& program) {
    forms::Screens& screens = program.screens();
    screens.show(QStringLiteral("menu5"));
    forms::Screen& board = screens.show(QStringLiteral("equipment"));
    settle();
    auto* names = board.array<forms::Label>(QStringLiteral("Label2"));
    if (names && names->at(3)) return names;
    state.SkipWithError("no name labels");
    return nullptr;
}

void dragLabel(benchmark::State& state, bool wholeEvent, double factor) {
    auto program = freshProgram(factor);
    auto* names = apparatusLabels(state, *program);
    if (!names) return;
    forms::Screen& board = names->lowest().screen();
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
                 (wholeEvent ? "name label drag, one move event" : "name label drag, one move") +
                     atDisplay(factor),
                 !wholeEvent, true);
}

// A Jotter stroke: the left button held on the surface, each move one segment of 20 px.
void jotterStroke(benchmark::State& state, bool wholeEvent, double factor) {
    auto program = freshProgram(factor);
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
        pad.onMouseDown(
            {forms::kLeftButton, pad.scale().toTwips(from.x()), pad.scale().toTwips(from.y())});
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
            const forms::MouseEvent move{forms::kLeftButton, pad.scale().toTwips(at.x()),
                                         pad.scale().toTwips(at.y())};
            const auto start = Clock::now();
            pad.onMouseMove(move);
            times.add(start, Clock::now(), state);
            settle();
        }
    }
    if (wholeEvent) mouse.release(from);
    settle();
    times.report(state,
                 (wholeEvent ? "Jotter stroke, one move event" : "Jotter stroke, one segment") +
                     atDisplay(factor),
                 !wholeEvent, false);
}

enum class KeyStep { Tab, Pick, Arrow, Drop };

// One key of a board worked from the keyboard, its delivery, the board's rule and the repaint:
// Tab to the next control, Enter to pick a label up, an arrow to carry it a box on, Enter to put
// it down. The keys around the one measured set the board up for it, untimed.
void keyStep(benchmark::State& state, KeyStep step, double factor) {
    auto program = freshProgram(factor);
    auto* names = apparatusLabels(state, *program);
    if (!names) return;
    forms::Screen& board = names->lowest().screen();
    program->screens().setKeyboardInUse(true);
    const auto& carrier = dynamic_cast<const labelling::LabellingBoard&>(board);
    QWidget* label = (*names)[3].widget();
    label->setFocus();
    settle();
    const auto key = [&](Qt::Key pressed) {
        QWidget* focused = board.window()->focusWidget();
        QTest::keyClick(focused ? focused : board.window(), pressed);
    };
    PointerTimes times;
    const auto timed = [&](Qt::Key pressed) {
        const auto start = Clock::now();
        key(pressed);
        settle();
        times.add(start, Clock::now(), state);
    };
    for (auto _ : state) {
        switch (step) {
            case KeyStep::Tab:
                timed(Qt::Key_Tab);
                break;
            case KeyStep::Pick:
                timed(Qt::Key_Return);
                // A step that did nothing would time nothing.
                if (carrier.carried() != 3) {
                    state.SkipWithError("Enter picked nothing up");
                    return;
                }
                key(Qt::Key_Escape);
                break;
            case KeyStep::Arrow:
                key(Qt::Key_Return);
                timed(Qt::Key_Right);
                key(Qt::Key_Escape);
                break;
            case KeyStep::Drop:
                key(Qt::Key_Return);
                key(Qt::Key_Right);
                timed(Qt::Key_Return);
                break;
        }
        settle();
    }
    static const char* const kWhat[] = {"Tab", "pick up", "arrow", "put down"};
    times.report(
        state,
        std::string("keyboard on a board, ") + kWhat[static_cast<int>(step)] + atDisplay(factor),
        false, true);
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

// The first of the example lists the package installs for that activity; empty for none.
QString exampleListFor(const QString& name) {
    const program::ListUse* use = program::listUseOf(name);
    if (!use) return {};
    const QDir folder(QStringLiteral(KINDREL_EXAMPLE_LISTS "/") + QLatin1String(use->folder));
    const QStringList files = folder.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : QFileInfo(files.first()).completeBaseName();
}

// One activity screen opened over its menu and closed again, a thousand times, after a warm-up
// that fills the picture cache and Qt's own caches. With `list`, that teacher's list is read,
// checked and put in force before each opening, and a screen reader reads every window while
// the screen is on view.
void openCloseCycles(benchmark::State& state, QString name, QString list) {
    auto program = freshProgram();
    if (!list.isEmpty()) program->lists().setExtraDir(QStringLiteral(KINDREL_EXAMPLE_LISTS));
    forms::Screens& screens = program->screens();
    screens.show(QStringLiteral("menu5"));
    settle();
    qint64 read = 0;
    QString refused;
    const auto cycle = [&] {
        if (!list.isEmpty()) refused += program->chooseList(name, list);
        screens.show(name);
        settle();
        if (!list.isEmpty()) read += testing_support::readEveryWindow();
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
    if (!refused.isEmpty()) state.SkipWithError(qPrintable(QStringLiteral("the list was refused: ") + refused));
    char note[160];
    std::snprintf(note, sizeof note, "heap in use %+.0f KiB", heapGrowth);
    if (!list.isEmpty())
        std::snprintf(note, sizeof note, "heap in use %+.0f KiB; %s; %lld objects read, bridge %s",
                      heapGrowth, qPrintable(list), qlonglong(read),
                      QAccessible::isActive() ? "on" : "off");
    record({"growth over 1000 open/close" + std::string(list.isEmpty() ? "" : " with a list and a reader") +
                ": " + name.toStdString(),
            rssGrowth, "KiB", "< 1024 KiB", rssGrowth < kGrowthTargetKiB && refused.isEmpty(), note});
}

}  // namespace

std::unique_ptr<program::Program> freshProgram(double factor) {
    auto program = std::make_unique<program::Program>();
    program->screens().onProgramEnd = [] {};
    program->screens().setScale(forms::Scale(factor));
    return program;
}

std::string atDisplay(double factor) {
    for (const ProjectorDisplay& display : kProjectorDisplays) {
        if (display.factor != factor) continue;
        char text[64];
        std::snprintf(text, sizeof text, " at %s (%.1f)", display.name, factor);
        return text;
    }
    return "";
}

std::vector<double> factors() {
    std::vector<double> all{1.0};
    for (const ProjectorDisplay& display : kProjectorDisplays) all.push_back(display.factor);
    return all;
}

void registerLesson() {
    const std::vector<LessonStep> steps = testing_support::typicalLesson();
    for (double factor : factors()) {
        for (int k = 0; k < int(steps.size()); ++k) {
            benchmark::RegisterBenchmark(
                ("lesson" + atDisplay(factor) + "/" + steps[k].what.toStdString()).c_str(),
                [k, factor](benchmark::State& state) { lessonStep(state, k, factor); })
                ->Iterations(1)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

void registerPointerWork() {
    for (double factor : factors()) {
        for (const bool whole : {false, true}) {
            const std::string how = (whole ? "event and repaint" : "handler") + atDisplay(factor);
            benchmark::RegisterBenchmark(
                ("pointer/name label drag, " + how).c_str(),
                [whole, factor](benchmark::State& s) { dragLabel(s, whole, factor); })
                ->Iterations(kPointerSamples)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(
                ("pointer/Jotter stroke, " + how).c_str(),
                [whole, factor](benchmark::State& s) { jotterStroke(s, whole, factor); })
                ->Iterations(kPointerSamples)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

void registerKeyboardWork() {
    for (double factor : factors()) {
        for (const KeyStep step : {KeyStep::Tab, KeyStep::Pick, KeyStep::Arrow, KeyStep::Drop}) {
            static const char* const kName[] = {"Tab", "pick up", "arrow", "put down"};
            benchmark::RegisterBenchmark(
                (std::string("keyboard/") + kName[static_cast<int>(step)] + atDisplay(factor))
                    .c_str(),
                [step, factor](benchmark::State& s) { keyStep(s, step, factor); })
                ->Iterations(kKeySamples)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

void registerGrowth() {
    // Every activity of the menus, then whatever else the program defines beyond its shell (the
    // Jotter and the screens an activity opens).
    QStringList names;
    for (const program::Activity& activity : program::activities())
        names << QString::fromLatin1(activity.screen);
    auto program = freshProgram();
    for (const QString& name : testing_support::activityScreens(program->screens()))
        if (!names.contains(name)) names << name;
    for (const QString& name : names) {
        benchmark::RegisterBenchmark(("memory/open and close x1000, " + name.toStdString()).c_str(),
                                     [name](benchmark::State& s) { openCloseCycles(s, name, {}); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const QString& name : names) {
        const QString list = exampleListFor(name);
        if (list.isEmpty()) continue;
        benchmark::RegisterBenchmark(
            ("memory/open and close x1000 with a list and a reader, " + name.toStdString()).c_str(),
            [name, list](benchmark::State& s) { openCloseCycles(s, name, list); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
