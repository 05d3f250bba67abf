// Mixing a word's letters: never the word, never the order on show, only its letters, and it ends.
#include <QtTest>
#include <algorithm>
#include <set>

#include "activities/mixedup/MixLetters.h"
#include "kit/wordgames/WordList.h"

using mixedup::mixLetters;

namespace {

constexpr int kSeeds = 300;

QString sorted(QString letters) {
    std::sort(letters.begin(), letters.end());
    return letters;
}

}  // namespace

class MixLettersTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void neverTheWordNorTheOrderOnShow_data();
    void neverTheWordNorTheOrderOnShow();
    void wordsThatCannotBeMixedSaySo_data();
    void wordsThatCannotBeMixedSaySo();
    void theOnlyOtherOrderComesBackWhenItIsTheOneOnShow();
    void everyOtherOrderTurnsUp();
};

void MixLettersTest::neverTheWordNorTheOrderOnShow_data() {
    QTest::addColumn<QString>("word");
    for (const wordgames::WordClue& entry : wordgames::kWordList)
        QTest::newRow(entry.word) << QString::fromLatin1(entry.word);
    // Few orders to choose from, and many repeated letters.
    for (const char* word : {"AAB", "ABA", "AABB", "ABAB", "AAAAB", "XXYYXX"})
        QTest::newRow(word) << QString::fromLatin1(word);
}

void MixLettersTest::neverTheWordNorTheOrderOnShow() {
    QFETCH(QString, word);
    QString onShow;
    for (unsigned seed = 0; seed < kSeeds; ++seed) {
        std::mt19937 generator(seed);
        const std::optional<QString> mixed = mixLetters(word, generator, onShow);
        QVERIFY(mixed);
        QVERIFY2(*mixed != word, qPrintable(*mixed));
        QVERIFY2(*mixed != onShow, qPrintable(*mixed));
        QCOMPARE(sorted(*mixed), sorted(word));
        onShow = *mixed;
    }
}

void MixLettersTest::wordsThatCannotBeMixedSaySo_data() {
    QTest::addColumn<QString>("word");
    QTest::newRow("all one letter") << QStringLiteral("AAAA");
    QTest::newRow("one letter") << QStringLiteral("O");
    QTest::newRow("no letters") << QString();
    QTest::newRow("long and all one letter") << QString(5000, QLatin1Char('Z'));
}

void MixLettersTest::wordsThatCannotBeMixedSaySo() {
    QFETCH(QString, word);
    std::mt19937 generator(7);
    QVERIFY(!mixLetters(word, generator));
    QVERIFY(!mixLetters(word, generator, word));
}

void MixLettersTest::theOnlyOtherOrderComesBackWhenItIsTheOneOnShow() {
    for (unsigned seed = 0; seed < 20; ++seed) {
        std::mt19937 generator(seed);
        QCOMPARE(mixLetters(QStringLiteral("AB"), generator), QStringLiteral("BA"));
        QCOMPARE(mixLetters(QStringLiteral("AB"), generator, QStringLiteral("BA")),
                 QStringLiteral("BA"));
        QCOMPARE(mixLetters(QStringLiteral("AAB"), generator, QStringLiteral("ABA")),
                 QStringLiteral("BAA"));
    }
}

void MixLettersTest::everyOtherOrderTurnsUp() {
    // A mixing that only turned or reversed the word would reach a few orders of ATOM, not 23.
    std::set<QString> seen;
    std::mt19937 generator(11);
    for (int draw = 0; draw < 2000; ++draw)
        seen.insert(*mixLetters(QStringLiteral("ATOM"), generator));
    QCOMPARE(seen.size(), size_t{23});
}

QTEST_APPLESS_MAIN(MixLettersTest)
#include "tst_mixletters.moc"
