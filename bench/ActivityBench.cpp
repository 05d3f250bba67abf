// Every activity of the menus opened over its menu and worked through its own steps, at design size
// and in projector mode.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "Benchmarks.h"
#include "Figures.h"
#include "Lesson.h"
#include "Mouse.h"
#include "forms/Control.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"
#include "program/Program.h"
#include "shell/ScreenNames.h"

using testing_support::controlOf;
using testing_support::Mouse;
using testing_support::settle;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// Each sample is a fresh program, so this many first openings and first steps of each activity.
constexpr int kSamples = 7;
constexpr double kTargetMs = 8;
constexpr double kProjectorTargetMs = 16;
// Pointer moves of the unmeasured part of a drag, as a hand makes a few on the way.
constexpr int kDragMoves = 6;

// In projector mode a screen shows before its large pictures are read: their coming in is the
// main thread's work of its own (handing them over, fitting and painting them), and the time
// from the click until every one is on view is given beside it, with no target.
enum Step { kOpen, kArrive, kPicturesIn, kAnswer, kNext, kDrop, kTap, kCheck, kStepCount };
constexpr std::array<const char*, kStepCount> kStepNames{"open over its menu",
                                                         "its pictures coming in",
                                                         "open, every picture on view",
                                                         "answer",
                                                         "next",
                                                         "drop a name label",
                                                         "tap a name label into place",
                                                         "check"};

using Samples = std::array<std::vector<double>, kStepCount>;

// The teacher's pause before the next click: what the program reads ahead on its worker threads
// is done by then, and every repaint asked for is painted.
void teacherPause() {
    QThreadPool::globalInstance()->waitForDone();
    settle();
}

// The handler and the repaint it causes: the event loop runs until it has painted.
void timed(Samples& samples, Step step, const std::function<void()>& act) {
    const auto start = Clock::now();
    act();
    settle();
    samples[step].push_back(
        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
}

forms::Control* shownControl(const forms::Screen& screen, const char* name, int index = -1) {
    forms::Control* control = controlOf(screen, QString::fromLatin1(name), index);
    return control && control->isVisible() ? control : nullptr;
}

void clickOn(forms::Screen& screen, const forms::Control& control) {
    Mouse(screen).click(Mouse::centreOf(control));
}

// One tap on name label i and one on its box, as a pen places it, the labels before it already
// on theirs. False when it did not land.
bool tapIntoPlace(forms::Screen& screen, labelling::LabellingBoard& board, int i,
                  Samples* samples = nullptr) {
    forms::Control* name = controlOf(screen, QStringLiteral("Label2"), i);
    forms::Control* box = controlOf(screen, QStringLiteral("Label1"), i);
    if (!name || !box) return false;
    clickOn(screen, *name);
    settle();
    if (board.picked() != i) return false;
    if (samples) {
        teacherPause();
        timed(*samples, kTap, [&] { clickOn(screen, *box); });
    } else {
        clickOn(screen, *box);
        settle();
    }
    return board.picked() == -1 && board.score() == i + 1;
}

// The steps of a board: one name label dragged onto its box (the release measured: the snap and
// the repaint), one tapped into place, the rest placed unmeasured, then Check Score.
QString workBoard(forms::Screen& screen, labelling::LabellingBoard& board, Samples& samples) {
    forms::Control* first = controlOf(screen, QStringLiteral("Label2"), 0);
    forms::Control* firstBox = controlOf(screen, QStringLiteral("Label1"), 0);
    if (!first || !firstBox) return QStringLiteral("no name label or box");
    // Let go a few pixels off the box's centre, as a hand does, so that the drop snaps it there.
    const QPoint from = Mouse::centreOf(*first), to = Mouse::centreOf(*firstBox) + QPoint(6, 4);
    Mouse hand(screen);
    hand.press(from);
    for (int i = 1; i <= kDragMoves; ++i) hand.move(from + (to - from) * i / kDragMoves);
    teacherPause();
    timed(samples, kDrop, [&] { hand.release(to); });
    if (board.score() != 1) return QStringLiteral("the dragged label did not land on its box");
    for (int i = 1; i < board.count(); ++i) {
        if (!tapIntoPlace(screen, board, i, i == 1 ? &samples : nullptr))
            return QStringLiteral("label %1 did not go into place by taps").arg(i);
    }
    teacherPause();
    forms::Control* check = shownControl(screen, "Label3", labelling::LabellingBoard::kCheckScore);
    if (!check) return QStringLiteral("Check Score did not appear with every label placed");
    timed(samples, kCheck, [&] { clickOn(screen, *check); });
    return {};
}

// One sample: a fresh program with the activity's menu on view; the activity opened from it,
// then each step it has, in the order a teacher takes them. Empty, or what went wrong.
QString walk(const program::Activity& activity, double factor, Samples& samples) {
    auto program = freshProgram(factor);
    forms::Screens& screens = program->screens();
    forms::Screen& menu = screens.show(shell::menuScreenName(activity.menu));
    teacherPause();
    forms::Control* entry = shownControl(menu, "Label3", activity.entry);
    if (!entry) return QStringLiteral("no menu entry");
    const QString name = QString::fromLatin1(activity.screen);
    const auto clicked = Clock::now();
    timed(samples, kOpen, [&] { clickOn(menu, *entry); });
    forms::Screen* screen = screens.loaded(name);
    if (!screen || !screen->isVisible()) return QStringLiteral("the screen did not open");
    if (factor != 1.0) {
        // Read by now on the workers; what is left is the main thread's.
        QThreadPool::globalInstance()->waitForDone();
        timed(samples, kArrive, [] {});
        if (screens.pictures().awaited() != 0) return QStringLiteral("a picture never came in");
        samples[kPicturesIn].push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - clicked).count());
    }
    teacherPause();

    if (forms::Control* answer = shownControl(*screen, "cmdsoln")) {
        timed(samples, kAnswer, [&] { clickOn(*screen, *answer); });
        teacherPause();
    }
    if (forms::Control* next = shownControl(*screen, "cmdgo")) {
        timed(samples, kNext, [&] { clickOn(*screen, *next); });
        teacherPause();
    } else if (screen->onKey) {
        // No button, but perhaps the remote's forward key: counted only where the screen took it.
        bool taken = false;
        const auto keys = screen->onKey;
        screen->onKey = [&](int key, Qt::KeyboardModifiers modifiers) {
            return taken = keys(key, modifiers);
        };
        Samples tried;
        timed(tried, kNext, [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            QCoreApplication::sendEvent(screen->window(), &press);
        });
        screen->onKey = keys;
        if (taken) samples[kNext].push_back(tried[kNext].back());
        teacherPause();
    }
    if (auto* board = dynamic_cast<labelling::LabellingBoard*>(screen)) {
        const QString fault = workBoard(*screen, *board, samples);
        if (!fault.isEmpty()) return fault;
    } else if (forms::Control* check = shownControl(*screen, "cmdcheckit")) {
        timed(samples, kCheck, [&] { clickOn(*screen, *check); });
    }
    teacherPause();
    program.reset();
    settle();
    return {};
}

// "5.1 Laboratory Apparatus": where it stands on the menus, since two captions repeat.
std::string label(const program::Activity& activity) {
    char text[96];
    std::snprintf(text, sizeof text, "%d.%d %s", activity.menu, activity.entry + 1,
                  activity.caption);
    return text;
}

void activitySteps(benchmark::State& state, const program::Activity& activity, double factor) {
    Samples samples;
    for (auto _ : state) {
        for (int s = 0; s < kSamples; ++s) {
            const QString fault = walk(activity, factor, samples);
            if (!fault.isEmpty()) {
                state.SkipWithError((label(activity) + ": " + fault.toStdString()).c_str());
                return;
            }
        }
        state.SetIterationTime(median(samples[kOpen]) / 1000);
    }
    const double target = factor == 1.0 ? kTargetMs : kProjectorTargetMs;
    for (int step = 0; step < kStepCount; ++step) {
        const std::vector<double>& times = samples[step];
        // A step the activity does not have, or had only in some samples, is not a figure.
        if (times.empty()) continue;
        if (times.size() != static_cast<size_t>(kSamples)) {
            state.SkipWithError(
                (label(activity) + ": " + kStepNames[step] + " was there in some samples only")
                    .c_str());
            return;
        }
        const double middle = median(times);
        state.counters[std::string(kStepNames[step]) + "_ms"] = middle;
        char spread[64];
        std::snprintf(spread, sizeof spread, "min %.2f, max %.2f ms",
                      *std::min_element(times.begin(), times.end()),
                      *std::max_element(times.begin(), times.end()));
        const bool latency = step == kPicturesIn;
        record({"activity" + atDisplay(factor) + ": " + label(activity) + ", " + kStepNames[step],
                middle, "ms",
                latency         ? ""
                : factor == 1.0 ? "< 8 ms"
                                : "< 16 ms",
                latency || middle < target, spread});
    }
}

}  // namespace

void registerActivities() {
    for (double factor : factors()) {
        for (const program::Activity& activity : program::activities()) {
            benchmark::RegisterBenchmark(
                ("activity" + atDisplay(factor) + "/" + label(activity)).c_str(),
                [&activity, factor](benchmark::State& s) { activitySteps(s, activity, factor); })
                ->Iterations(1)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace bench
