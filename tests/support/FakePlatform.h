// A platform the tests control: display size, a clock and timers that only move when told.
#pragma once

#include <QStringList>
#include <vector>

#include "forms/Platform.h"

namespace testing_support {

class FakePlatform final : public forms::Platform {
  public:
    QSizeF display{12000, 9000};
    bool busy = false;
    int busyChanges = 0;
    QStringList openedUrls;
    bool openUrlResult = true;
    std::vector<QWidget*> topmost;

    QSizeF displaySize() const override { return display; }
    void setBusyPointer(bool on) override {
        busy = on;
        ++busyChanges;
    }
    bool openUrl(const QString& url) override {
        openedUrls << url;
        return openUrlResult;
    }
    std::int64_t clockMs() const override { return m_now; }
    std::uint64_t freshSeed() override { return ++m_seed * 0x9E3779B97F4A7C15ULL; }
    std::unique_ptr<forms::PlatformTimer> createTimer() override;
    void keepOnTop(QWidget* window) override { topmost.push_back(window); }

    // Moves the clock on, firing every timer that falls due, in time order.
    void advance(std::int64_t ms);
    // Timers created and not yet destroyed.
    int liveTimers() const;
    int activeTimers() const;

  private:
    friend class FakeTimer;
    struct TimerState;
    std::vector<TimerState*> m_timers;
    std::int64_t m_now = 0;
    std::uint64_t m_seed = 0;
};

}  // namespace testing_support
