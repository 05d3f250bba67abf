// The lesson timer: a countdown on top of everything in a corner of the display.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "forms/Scale.h"
#include "forms/Timer.h"

class QMenu;
class QWidget;

namespace forms {
class Screens;
}  // namespace forms

namespace tools {

class TimerWindow;

// A countdown for a starter, timed by the platform's clock so that it keeps time however busy
// the screens beneath are. Its window is a small one of its own, not a screen: it never counts
// as a screen on view, never keeps the program going and goes when the program ends.
// A click pauses and resumes it; at zero it says "Time's up!" until clicked; its close box, or
// "Close timer" on its right-click menu, puts it away.
class LessonTimer {
  public:
    static constexpr std::array<int, 5> kMinutes{1, 2, 3, 5, 10};
    // The last seconds, shown in the warning colour.
    static constexpr std::int64_t kWarningMs = 10'000;
    // How often the display is brought up to date with the clock.
    static constexpr int kTickMs = 100;

    enum class State { Off, Running, Paused, Finished };

    explicit LessonTimer(forms::Screens& screens);
    ~LessonTimer();
    LessonTimer(const LessonTimer&) = delete;
    LessonTimer& operator=(const LessonTimer&) = delete;

    // Starts a countdown afresh, replacing any other, and shows it.
    void start(int minutes);
    void pauseOrResume();
    void close();

    State state() const { return m_state; }
    std::int64_t remainingMs() const;
    // In the last ten seconds of a countdown, paused or not.
    bool isWarning() const;
    // What the window says: "4:59", or "Time's up!" at the end.
    QString text() const;
    // The scale the screens are drawn at, which the timer's menus follow.
    const forms::Scale& screensScale() const;
    // Its window, made on first asking.
    QWidget* window();

    // A "Timer" submenu of the durations, for the house menu.
    void addMenu(QMenu& menu);
    // The durations on their own (Ctrl+T), centred on a point of the display and owned by the
    // window they are offered over.
    void offerChoices(QWidget* over, QPoint globalPx);

    // What the window keeps clear of, in display pixels, most wanted first: the screens on view
    // whole (frame and title bar too), every control shown on them, every control a pupil works.
    using KeepClear = std::array<std::vector<QRect>, 3>;
    KeepClear keepClear() const;
    // Where the window goes on a display of the given pixel size: clear of as much of `clear` as
    // the display leaves room for, nearest a corner (top right, top left, bottom right, bottom
    // left first); where even the controls a pupil works leave no room, where it covers least
    // of them.
    static QPoint placeOnDisplay(QSize display, QSize window, const KeepClear& clear);
    // The countdown grows with the screens, but no further than the strip a fitted screen leaves
    // at the side of the display, where it covers nothing; never below its design size.
    static forms::Scale timerScale(QSize display, QSize designSize, const forms::Scale& screens);

  private:
    void tick();
    void show();
    // Moves the window where it covers less, when the screens beneath have changed under it.
    void keepPlace();

    forms::Screens& m_screens;
    forms::Timer m_ticker;
    std::unique_ptr<TimerWindow> m_window;
    State m_state = State::Off;
    // When a running countdown reaches zero, on the platform's clock; what was left when paused.
    std::int64_t m_endsAt = 0;
    std::int64_t m_leftWhenPaused = 0;
    QString m_shown;
    // The screens' scale the window was last laid out for, and what it was placed clear of.
    forms::Scale m_laidOutFor;
    KeepClear m_placedAmong;
};

}  // namespace tools
