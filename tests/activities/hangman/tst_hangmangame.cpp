// Hangman's rules on every word of the list: blanks filled, letters used once, ten to lose.
#include <QtTest>

#include "activities/hangman/HangmanGame.h"
#include "kit/wordgames/WordList.h"

using hangman::HangmanGame;
using Result = HangmanGame::Result;

namespace {

// The letters A to Z that the word does not hold.
QString lettersNotIn(const QString& word) {
    QString absent;
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        if (!word.contains(QChar(c))) absent += QChar(c);
    return absent;
}

void addWordRows() {
    QTest::addColumn<QString>("word");
    for (const wordgames::WordClue& entry : wordgames::kWordList)
        QTest::newRow(entry.word) << QString::fromLatin1(entry.word);
}

}  // namespace

class HangmanGameTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rightLettersFillEveryBlankTheyBelongTo_data() { addWordRows(); }
    void rightLettersFillEveryBlankTheyBelongTo();
    void tenthWrongLetterLosesAndGivesTheWordAway_data() { addWordRows(); }
    void tenthWrongLetterLosesAndGivesTheWordAway();
    void aLetterUsedTwiceDoesNothing();
    void lettersAfterASolvedWordDoNothing();
    void answerGivesTheWordAwayAndEndsTheGame();
    void onlyLettersCount();
};

void HangmanGameTest::rightLettersFillEveryBlankTheyBelongTo() {
    QFETCH(QString, word);
    HangmanGame game(word);
    QCOMPARE(game.pattern(), QString(word.size(), QLatin1Char('_')));
    QVERIFY(!game.over());

    QString guessed;
    for (const QChar letter : word) {
        if (guessed.contains(letter)) continue;
        QVERIFY(!game.solved());
        QCOMPARE(game.guess(letter), Result::Right);
        guessed += letter;
        const QString pattern = game.pattern();
        for (int i = 0; i < word.size(); ++i) {
            // Shown exactly where a guessed letter stands: every repeat of it, nothing else.
            QCOMPARE(pattern[i], guessed.contains(word[i]) ? word[i] : QLatin1Char('_'));
            QCOMPARE(game.isFound(i), guessed.contains(word[i]));
        }
    }
    QVERIFY(game.solved());
    QVERIFY(game.over());
    QVERIFY(!game.lost());
    QCOMPARE(game.wrongCount(), 0);
    QCOMPARE(game.pattern(), word);
}

void HangmanGameTest::tenthWrongLetterLosesAndGivesTheWordAway() {
    QFETCH(QString, word);
    const QString wrong = lettersNotIn(word);
    QVERIFY2(wrong.size() > HangmanGame::kStages, "the word leaves ten letters to get wrong");
    const QChar found = word[0];
    const int missed =
        static_cast<int>(word.indexOf(QRegularExpression(QStringLiteral("[^%1]").arg(found))));
    HangmanGame game(word);
    QCOMPARE(game.guess(found), Result::Right);
    for (int i = 0; i < HangmanGame::kStages - 1; ++i) {
        QCOMPARE(game.guess(wrong[i]), Result::Wrong);
        QCOMPARE(game.wrongCount(), i + 1);
    }
    QVERIFY(!game.lost());
    QVERIFY(!game.isShown(missed));
    QCOMPARE(game.guess(wrong[HangmanGame::kStages - 1]), Result::Wrong);
    QVERIFY(game.lost());
    QVERIFY(game.over());
    QVERIFY(!game.solved());
    QCOMPARE(game.pattern(), word);
    // Shown now, but not found by the class.
    QVERIFY(game.isShown(missed));
    QVERIFY(!game.isFound(missed));

    // Neither a right nor a wrong letter counts any more.
    QCOMPARE(game.guess(word[missed]), Result::Ignored);
    QCOMPARE(game.guess(wrong[HangmanGame::kStages]), Result::Ignored);
    QCOMPARE(game.wrongCount(), HangmanGame::kStages);
    QVERIFY(!game.isUsed(word[missed]));
}

void HangmanGameTest::aLetterUsedTwiceDoesNothing() {
    HangmanGame game(QStringLiteral("BEAKER"));
    QCOMPARE(game.guess(QLatin1Char('E')), Result::Right);
    QCOMPARE(game.guess(QLatin1Char('Z')), Result::Wrong);
    const QString pattern = game.pattern();
    QCOMPARE(pattern, QStringLiteral("_E__E_"));
    QCOMPARE(game.guess(QLatin1Char('E')), Result::Repeated);
    QCOMPARE(game.guess(QLatin1Char('Z')), Result::Repeated);
    QCOMPARE(game.guess(QLatin1Char('z')), Result::Repeated);
    QCOMPARE(game.wrongCount(), 1);
    QCOMPARE(game.pattern(), pattern);
    QVERIFY(game.isUsed(QLatin1Char('e')));
    QVERIFY(!game.isUsed(QLatin1Char('B')));
}

void HangmanGameTest::lettersAfterASolvedWordDoNothing() {
    HangmanGame game(QStringLiteral("ATOM"));
    for (const char c : {'M', 'O', 'T', 'A'}) QCOMPARE(game.guess(QLatin1Char(c)), Result::Right);
    QVERIFY(game.solved());
    QCOMPARE(game.guess(QLatin1Char('X')), Result::Ignored);
    QCOMPARE(game.wrongCount(), 0);
    QVERIFY(!game.isUsed(QLatin1Char('X')));
}

void HangmanGameTest::answerGivesTheWordAwayAndEndsTheGame() {
    HangmanGame game(QStringLiteral("OXYGEN"));
    QCOMPARE(game.guess(QLatin1Char('O')), Result::Right);
    QCOMPARE(game.guess(QLatin1Char('S')), Result::Wrong);
    game.reveal();
    QVERIFY(game.over());
    QVERIFY(!game.solved());
    QVERIFY(!game.lost());
    QCOMPARE(game.pattern(), QStringLiteral("OXYGEN"));
    QVERIFY(game.isFound(0));
    QVERIFY(!game.isFound(1));
    QVERIFY(game.isShown(1));
    QCOMPARE(game.guess(QLatin1Char('X')), Result::Ignored);
    QCOMPARE(game.guess(QLatin1Char('Q')), Result::Ignored);
    QCOMPARE(game.wrongCount(), 1);
}

void HangmanGameTest::onlyLettersCount() {
    // Anything but a letter in a word is there from the start, and is never a guess.
    HangmanGame game(QStringLiteral("dry ice"));
    QCOMPARE(game.word(), QStringLiteral("DRY ICE"));
    QCOMPARE(game.pattern(QLatin1Char('.')), QStringLiteral("... ..."));
    for (const QChar c : QStringLiteral(" 1-\u00e9")) QCOMPARE(game.guess(c), Result::Ignored);
    QCOMPARE(game.wrongCount(), 0);
    for (const QChar c : QStringLiteral("drycie")) QCOMPARE(game.guess(c), Result::Right);
    QVERIFY(game.solved());

    // A game with no word is over before it starts.
    HangmanGame empty;
    QVERIFY(empty.over());
    QCOMPARE(empty.guess(QLatin1Char('A')), Result::Ignored);
}

QTEST_APPLESS_MAIN(HangmanGameTest)
#include "tst_hangmangame.moc"
