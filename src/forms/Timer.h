// The designs' timer control: an interval, enabled or not, one handler per tick.
#pragma once

#include <functional>
#include <memory>

#include "forms/Platform.h"

namespace forms {

class Timer {
  public:
    explicit Timer(Platform& platform);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool isEnabled() const { return m_enabled; }
    // Enabling starts the count from zero; disabling stops it for good until enabled again.
    void setEnabled(bool enabled);

    std::function<void()> onTimer;

  private:
    std::unique_ptr<PlatformTimer> m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

}  // namespace forms
