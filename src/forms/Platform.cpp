#include "forms/Platform.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <chrono>
#include <exception>
#include <random>

#include "forms/Twips.h"

namespace forms {

namespace {

class QtTimer final : public PlatformTimer {
  public:
    QtTimer() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (onTimeout) onTimeout();
        });
    }
    void start(int intervalMs) override { m_timer.start(intervalMs); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

  private:
    QTimer m_timer;
};

}  // namespace

QSizeF QtPlatform::displaySize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {12000, 9000};
    const QSize px = screen->size();
    return {toTwips(px.width()), toTwips(px.height())};
}

void QtPlatform::setBusyPointer(bool busy) {
    if (busy == m_busy) return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

bool QtPlatform::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

std::int64_t QtPlatform::clockMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::uint64_t mixSeed(std::uint64_t clockTicks, std::uint64_t counter,
                      const std::function<std::uint32_t()>& entropy) {
    std::uint64_t seed = clockTicks;
    try {
        seed ^= (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
    } catch (const std::exception&) {
        // No entropy on this system: a draw is still a draw, only less unpredictable.
    }
    // A coarse clock repeats within a tick; the counter never does.
    return seed + 0x9E3779B97F4A7C15ULL * counter;
}

std::uint64_t QtPlatform::freshSeed() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    return mixSeed(ticks, ++m_seedCounter, [] {
        // Inside, so that a device that cannot be opened is caught like one that cannot be read.
        static std::random_device device;
        return device();
    });
}

std::unique_ptr<PlatformTimer> QtPlatform::createTimer() {
    return std::make_unique<QtTimer>();
}

void QtPlatform::keepOnTop(QWidget* window) {
    const bool wasVisible = window->isVisible();
    const QPoint pos = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // Changing the flags re-creates the native window; put it back where it was.
    window->move(pos);
    if (wasVisible) window->show();
}

}  // namespace forms
