// The real platform's draws: fixed by the test seed when it is set, free otherwise.
#include <QtTest>
#include <set>
#include <vector>

#include "forms/Platform.h"

namespace {

std::vector<std::uint64_t> seedsOf(forms::QtPlatform& platform) {
    std::vector<std::uint64_t> seeds;
    for (int i = 0; i < 8; ++i) seeds.push_back(platform.freshSeed());
    return seeds;
}

std::vector<std::uint64_t> seedsWith(const QByteArray& value) {
    qputenv(forms::kTestSeedVariable, value);
    forms::QtPlatform platform;
    qunsetenv(forms::kTestSeedVariable);
    return seedsOf(platform);
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void testSeedIsRead_data();
    void testSeedIsRead();
    void fixedSeedRepeatsItsDraws();
};

void PlatformTest::testSeedIsRead_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("read");
    QTest::addColumn<quint64>("seed");
    QTest::newRow("zero") << QByteArray("0") << true << quint64(0);
    QTest::newRow("a number") << QByteArray("20240917") << true << quint64(20240917);
    QTest::newRow("the largest") << QByteArray("18446744073709551615") << true
                                 << quint64(18446744073709551615ULL);
    QTest::newRow("one over the largest") << QByteArray("18446744073709551616") << false
                                          << quint64(0);
    QTest::newRow("empty") << QByteArray() << false << quint64(0);
    QTest::newRow("negative") << QByteArray("-1") << false << quint64(0);
    QTest::newRow("a word") << QByteArray("seven") << false << quint64(0);
    QTest::newRow("a space after") << QByteArray("7 ") << false << quint64(0);
}

void PlatformTest::testSeedIsRead() {
    QFETCH(QByteArray, value);
    QFETCH(bool, read);
    QFETCH(quint64, seed);
    const std::optional<std::uint64_t> got = forms::testSeedFrom(value);
    QCOMPARE(got.has_value(), read);
    if (read) QCOMPARE(*got, seed);
}

void PlatformTest::fixedSeedRepeatsItsDraws() {
    const std::vector<std::uint64_t> first = seedsWith("42");
    QCOMPARE(seedsWith("42"), first);
    // Still a fresh seed at every call, and another test seed draws otherwise.
    QCOMPARE(std::set<std::uint64_t>(first.begin(), first.end()).size(), first.size());
    QVERIFY(seedsWith("43") != first);
    // Unset or unreadable, the draws are free again.
    forms::QtPlatform free;
    QVERIFY(seedsOf(free) != first);
    QVERIFY(seedsWith("forty-two") != first);
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
