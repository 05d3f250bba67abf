#include "FakePlatform.h"

#include <algorithm>

namespace testing_support {

struct FakePlatform::TimerState {
    forms::PlatformTimer* timer = nullptr;
    bool active = false;
    int interval = 0;
    std::int64_t due = 0;
};

class FakeTimer final : public forms::PlatformTimer {
  public:
    FakeTimer(FakePlatform& platform) : m_platform(platform) {
        m_state.timer = this;
        m_platform.m_timers.push_back(&m_state);
    }
    ~FakeTimer() override {
        auto& timers = m_platform.m_timers;
        timers.erase(std::remove(timers.begin(), timers.end(), &m_state), timers.end());
    }
    void start(int intervalMs) override {
        m_state.active = true;
        m_state.interval = intervalMs;
        m_state.due = m_platform.clockMs() + intervalMs;
    }
    void stop() override { m_state.active = false; }
    bool isActive() const override { return m_state.active; }

  private:
    FakePlatform& m_platform;
    FakePlatform::TimerState m_state;
};

std::unique_ptr<forms::PlatformTimer> FakePlatform::createTimer() {
    return std::make_unique<FakeTimer>(*this);
}

void FakePlatform::advance(std::int64_t ms) {
    const std::int64_t end = m_now + ms;
    for (;;) {
        TimerState* next = nullptr;
        for (TimerState* state : m_timers) {
            if (state->active && state->due <= end && (!next || state->due < next->due))
                next = state;
        }
        if (!next) break;
        m_now = next->due;
        next->due += std::max(1, next->interval);
        // The handler may destroy the timer (its screen unloads); nothing of it is read after.
        if (next->timer->onTimeout) next->timer->onTimeout();
    }
    m_now = end;
}

int FakePlatform::liveTimers() const {
    return static_cast<int>(m_timers.size());
}

int FakePlatform::activeTimers() const {
    return static_cast<int>(
        std::count_if(m_timers.begin(), m_timers.end(), [](auto* s) { return s->active; }));
}

}  // namespace testing_support
