// Quiz draws: uniform over the items and independent of one another with the real generator.
#include <QtTest>
#include <system_error>

#include "DrawStatistics.h"
#include "forms/Platform.h"
#include "kit/quiz/RandomDraw.h"

using testing_support::drawStatistics;
using testing_support::kPairsBound10;
using testing_support::kUniformityBound10;

namespace {

// Seeds from a clock that ticks once every eight draws: the fault a coarse system clock gives.
class CoarseClockPlatform final : public forms::Platform {
  public:
    QSizeF displaySize() const override { return {12000, 9000}; }
    void setBusyPointer(bool) override {}
    bool openUrl(const QString&) override { return false; }
    std::int64_t clockMs() const override { return m_calls / 8; }
    std::uint64_t freshSeed() override { return static_cast<std::uint64_t>(m_calls++ / 8); }
    std::unique_ptr<forms::PlatformTimer> createTimer() override { return nullptr; }
    void keepOnTop(QWidget*) override {}

  private:
    std::int64_t m_calls = 0;
};

// The real seed on a system with no entropy source and the same coarse clock.
class NoEntropyPlatform final : public forms::Platform {
  public:
    QSizeF displaySize() const override { return {12000, 9000}; }
    void setBusyPointer(bool) override {}
    bool openUrl(const QString&) override { return false; }
    std::int64_t clockMs() const override { return m_calls / 8; }
    std::uint64_t freshSeed() override {
        ++m_calls;
        return forms::mixSeed(static_cast<std::uint64_t>(m_calls / 8),
                              static_cast<std::uint64_t>(m_calls), [&]() -> std::uint32_t {
                                  ++deviceCalls;
                                  throw std::system_error(
                                      std::make_error_code(std::errc::no_such_device),
                                      "random_device");
                              });
    }
    std::unique_ptr<forms::PlatformTimer> createTimer() override { return nullptr; }
    void keepOnTop(QWidget*) override {}
    int deviceCalls = 0;

  private:
    std::int64_t m_calls = 0;
};

std::vector<int> drawMany(forms::Platform& platform, int draws, int count) {
    std::vector<int> result;
    result.reserve(static_cast<std::size_t>(draws));
    for (int i = 0; i < draws; ++i) result.push_back(quiz::drawIndex(platform, count));
    return result;
}

}  // namespace

class RandomDrawTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void realGeneratorIsUniformAndIndependent();
    void coarseClockSeedsWouldBeCaught();
    void uniformStaysBelowOne();
    void drawsStaySoundWithoutAnEntropySource();
};

void RandomDrawTest::realGeneratorIsUniformAndIndependent() {
    forms::QtPlatform platform;
    const std::vector<int> draws = drawMany(platform, 100000, 10);
    for (int draw : draws) QVERIFY(draw >= 0 && draw < 10);
    const auto stats = drawStatistics(draws, 10);
    QVERIFY2(stats.uniformity < kUniformityBound10, qPrintable(QString::number(stats.uniformity)));
    QVERIFY2(stats.pairs < kPairsBound10, qPrintable(QString::number(stats.pairs)));
}

// The statistics above have the power to see the fault that re-seeding from a coarse clock
// brings: draws within one tick come out the same.
void RandomDrawTest::coarseClockSeedsWouldBeCaught() {
    CoarseClockPlatform platform;
    const auto stats = drawStatistics(drawMany(platform, 20000, 10), 10);
    QVERIFY2(stats.pairs > 10 * kPairsBound10, qPrintable(QString::number(stats.pairs)));
}

void RandomDrawTest::uniformStaysBelowOne() {
    forms::QtPlatform platform;
    float lowest = 1;
    float highest = 0;
    for (int i = 0; i < 20000; ++i) {
        const float r = quiz::drawUniform(platform);
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    // Spread over the whole interval, not squeezed into part of it.
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

// Where the system has no entropy source the device throws at every draw; the seed then comes
// from the clock and the counter, and the draws are still uniform and independent.
void RandomDrawTest::drawsStaySoundWithoutAnEntropySource() {
    NoEntropyPlatform platform;
    const std::vector<int> draws = drawMany(platform, 100000, 10);
    QVERIFY(platform.deviceCalls >= 100000);
    const auto stats = drawStatistics(draws, 10);
    QVERIFY2(stats.uniformity < kUniformityBound10, qPrintable(QString::number(stats.uniformity)));
    QVERIFY2(stats.pairs < kPairsBound10, qPrintable(QString::number(stats.pairs)));
    // A working device still goes into the seed.
    const auto device = [](std::uint32_t value) { return [value] { return value; }; };
    QVERIFY(forms::mixSeed(7, 1, device(1)) != forms::mixSeed(7, 1, device(2)));
}

QTEST_MAIN(RandomDrawTest)
#include "tst_randomdraw.moc"
