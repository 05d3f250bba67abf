// What the desktop gives the program; tests replace it with a fake.
#pragma once

#include <QByteArrayView>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace forms {

// A repeating timer as the designs' Timer control needs it.
class PlatformTimer {
  public:
    virtual ~PlatformTimer() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    std::function<void()> onTimeout;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // The primary display's size, in twips.
    virtual QSizeF displaySize() const = 0;
    // The system-wide busy (hourglass) pointer on or off.
    virtual void setBusyPointer(bool busy) = 0;
    // Opens a web address in the user's browser; the result is only a hint.
    virtual bool openUrl(const QString& url) = 0;
    // Milliseconds of a monotonic clock.
    virtual std::int64_t clockMs() const = 0;
    // A seed that differs on every call, even twice within one clock tick.
    virtual std::uint64_t freshSeed() = 0;
    virtual std::unique_ptr<PlatformTimer> createTimer() = 0;
    // Keeps a top-level window above all others, without moving or resizing it.
    virtual void keepOnTop(QWidget* window) = 0;
};

// A seed from a clock reading, a call counter and the system's entropy source. The source may
// throw where the system has none, as std::random_device does: the seed then comes from the
// clock and the counter alone.
std::uint64_t mixSeed(std::uint64_t clockTicks, std::uint64_t counter,
                      const std::function<std::uint32_t()>& entropy);

// For tests only: set to a whole number, it fixes every draw of the real platform, so that two
// runs with the same number show and print the same.
inline constexpr char kTestSeedVariable[] = "KINDREL_TEST_SEED";

// The seed a value of kTestSeedVariable fixes: decimal digits only, up to 2^64 - 1.
std::optional<std::uint64_t> testSeedFrom(QByteArrayView value);

// The real desktop through Qt.
class QtPlatform final : public Platform {
  public:
    // Reads kTestSeedVariable; a value that is not a seed is said on standard error and leaves
    // the draws free.
    QtPlatform();
    QSizeF displaySize() const override;
    void setBusyPointer(bool busy) override;
    bool openUrl(const QString& url) override;
    std::int64_t clockMs() const override;
    std::uint64_t freshSeed() override;
    std::unique_ptr<PlatformTimer> createTimer() override;
    void keepOnTop(QWidget* window) override;

  private:
    bool m_busy = false;
    std::uint64_t m_seedCounter = 0;
    std::optional<std::uint64_t> m_testSeed;
};

}  // namespace forms
