#include "forms/Platform.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <chrono>
#include <cstdio>
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

std::optional<std::uint64_t> testSeedFrom(QByteArrayView value) {
    if (value.isEmpty()) return std::nullopt;
    std::uint64_t seed = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (seed > (UINT64_MAX - digit) / 10) return std::nullopt;
        seed = seed * 10 + digit;
    }
    return seed;
}

QtPlatform::QtPlatform() {
    if (!qEnvironmentVariableIsSet(kTestSeedVariable)) return;
    const QByteArray value = qgetenv(kTestSeedVariable);
    m_testSeed = testSeedFrom(value);
    // Said once, however many platforms a run makes.
    static bool told = false;
    if (!m_testSeed && !told) {
        told = true;
        std::fprintf(stderr, "kindrel: %s=%s is not a whole number; the draws stay random\n",
                     kTestSeedVariable, value.constData());
    }
}

std::uint64_t QtPlatform::freshSeed() {
    // The same steps from the same seed: no clock, no entropy.
    if (m_testSeed) return mixSeed(*m_testSeed, ++m_seedCounter, [] { return 0u; });
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
