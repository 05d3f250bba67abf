// The rules of one game of Hangman: letters guessed, blanks filled, wrong guesses counted.
#pragma once

#include <QChar>
#include <QString>
#include <array>

namespace hangman {

class HangmanGame {
  public:
    // Wrong letters that complete the drawing and lose the game.
    static constexpr int kStages = 10;

    enum class Result {
        Right,     // the letter fills at least one blank
        Wrong,     // not in the word: one more stage of the drawing
        Repeated,  // already used: nothing happens
        Ignored,   // not a letter, or the game is over: nothing happens
    };

    // The word in capitals; anything in it that is not a letter A to Z shows from the start.
    explicit HangmanGame(const QString& word = {});

    Result guess(QChar letter);
    // The answer button: the word is given away and no letter counts any more.
    void reveal();

    const QString& word() const { return m_word; }
    int wrongCount() const { return m_wrong; }
    bool isUsed(QChar letter) const;
    bool solved() const { return m_toFind == 0; }
    bool lost() const { return m_wrong >= kStages; }
    bool revealed() const { return m_revealed; }
    bool over() const { return solved() || lost() || m_revealed; }

    // Found by the class (by a right letter).
    bool isFound(int position) const;
    // On show: found, or given away because the game was lost or the answer asked for.
    bool isShown(int position) const;
    // The word as it stands, a blank for each letter still hidden.
    QString pattern(QChar blank = QLatin1Char('_')) const;

  private:
    static int slot(QChar letter);

    QString m_word;
    std::array<bool, 26> m_used{};
    int m_wrong = 0;
    int m_toFind = 0;
    bool m_revealed = false;
};

}  // namespace hangman
