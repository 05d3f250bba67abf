#include "forms/Timer.h"

namespace forms {

Timer::Timer(Platform& platform) : m_timer(platform.createTimer()) {
    m_timer->onTimeout = [this] {
        if (m_enabled && onTimer) onTimer();
    };
}

void Timer::setInterval(int ms) {
    m_interval = ms;
    setEnabled(m_enabled);
}

void Timer::setEnabled(bool enabled) {
    m_enabled = enabled;
    if (m_enabled && m_interval > 0)
        m_timer->start(m_interval);
    else
        m_timer->stop();
}

}  // namespace forms
