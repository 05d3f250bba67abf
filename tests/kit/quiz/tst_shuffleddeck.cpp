// The deck every quiz draws from: each item once a deck, never the same item twice running.
#include <QtTest>
#include <set>

#include "FakePlatform.h"
#include "kit/quiz/ShuffledDeck.h"

using quiz::ShuffledDeck;
using testing_support::FakePlatform;

class ShuffledDeckTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyItemOnceADeckAndNeverTwiceRunning_data() {
        QTest::addColumn<int>("count");
        for (int count : {2, 3, 5, 10, 30}) QTest::addRow("%d items", count) << count;
    }
    void everyItemOnceADeckAndNeverTwiceRunning() {
        QFETCH(int, count);
        FakePlatform platform;
        ShuffledDeck deck(count);
        int last = -1;
        for (int round = 0; round < 200; ++round) {
            std::set<int> seen;
            for (int i = 0; i < count; ++i) {
                const int item = deck.next(platform);
                QVERIFY(item >= 0 && item < count);
                QVERIFY2(seen.insert(item).second, "an item came back within its deck");
                QVERIFY2(item != last, "the same item twice running");
                last = item;
            }
            QCOMPARE(static_cast<int>(seen.size()), count);
            QCOMPARE(deck.remaining(), 0);
        }
    }

    // Shuffled, not dealt in order: over many decks every item opens a deck now and then.
    void decksAreShuffled() {
        FakePlatform platform;
        constexpr int count = 6;
        ShuffledDeck deck(count);
        std::set<int> firsts;
        for (int round = 0; round < 120; ++round) {
            firsts.insert(deck.next(platform));
            for (int i = 1; i < count; ++i) deck.next(platform);
        }
        QCOMPARE(static_cast<int>(firsts.size()), count);
    }

    void smallAndEmptyDecks() {
        FakePlatform platform;
        ShuffledDeck empty;
        QCOMPARE(empty.next(platform), -1);
        ShuffledDeck one(1);
        // One item has nothing to alternate with: it comes back every time.
        for (int i = 0; i < 3; ++i) QCOMPARE(one.next(platform), 0);
        one.reset(3);
        QCOMPARE(one.count(), 3);
        QCOMPARE(one.remaining(), 0);
        const int first = one.next(platform);
        QVERIFY(first >= 0 && first < 3);
        QCOMPARE(one.remaining(), 2);
    }
};

QTEST_MAIN(ShuffledDeckTest)
#include "tst_shuffleddeck.moc"
