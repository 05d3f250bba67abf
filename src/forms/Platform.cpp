#include "forms/Platform.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <chrono>
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

std::uint64_t QtPlatform::freshSeed() {
    // A coarse clock repeats within a tick; the counter and the device never do together.
    static std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::uint64_t seed = ticks ^ (static_cast<std::uint64_t>(device()) << 32) ^ device();
    seed += 0x9E3779B97F4A7C15ULL * ++m_seedCounter;
    return seed;
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
