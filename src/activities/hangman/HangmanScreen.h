// Hangman: the class calls letters for a word of the shared list; wrong ones build the drawing.
#pragma once

#include "activities/hangman/GallowsDrawing.h"
#include "activities/hangman/HangmanGame.h"
#include "activities/hangman/LetterBlank.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "kit/quiz/ShuffledDeck.h"
#include "kit/wordgames/Words.h"
#include "shell/ActivityScreen.h"

namespace lists {
struct CheckedList;
}

namespace hangman {

class HangmanScreen : public shell::ActivityScreen {
  public:
    // The letter buttons: A to M above N to Z, large enough for a pen.
    static constexpr int kLettersPerRow = 13;
    static constexpr forms::TwipRect kFirstLetter{435, 5520, 780, 600};
    static constexpr float kLetterPitchX = 855;
    static constexpr float kLetterPitchY = 675;
    static inline const forms::FontSpec kLetterFont = forms::tahoma(20, true);
    // The blanks share one row, centred; a long word gets narrower blanks.
    static constexpr forms::TwipRect kBlankRow{360, 960, 11190, 900};
    static constexpr float kBlankPitch = 900;
    static constexpr float kBlankGap = 120;
    static inline const forms::FontSpec kBlankFont = forms::tahoma(30, true);
    static constexpr forms::TwipRect kClue{4320, 3240, 7230, 2160};
    static constexpr float kCluePoints = 24;

    // Colours of the letters: used buttons, letters given away rather than found.
    static constexpr forms::Colour kUsedLetter = forms::rgb(96, 96, 96);
    static constexpr forms::Colour kGivenAway = forms::kGreen;

    // Plays the teacher's word list when one is given, the program's own otherwise.
    HangmanScreen(forms::Screens& screens, const shell::ActivityId& id,
                  const lists::CheckedList* list = nullptr);

    // Why a field of a teacher's word list would not show whole here, or nullopt.
    static std::optional<QString> listTextCheck(const QString& column, const QString& text);
    // The most letters the blanks' row takes.
    static int mostLetters();

    // The teacher's moves: a letter (by its button), next word, answer.
    void guess(QChar letter);
    void next() override;
    void reveal() override;
    // Forward gives the word away, or once the game is over moves on. There is no back: a word
    // given away cannot be taken back into play.
    bool answerShown() const override { return m_game.over(); }

    const HangmanGame& game() const { return m_game; }
    // The word list's index of the word in play; -1 before the first draw.
    int wordIndex() const { return m_index; }
    const std::vector<wordgames::Word>& words() const { return m_words; }
    // Where a blank goes for a word of this length: the row's places from the left.
    static forms::TwipRect blankPlace(int position, int length);

  protected:
    void setUp() override;
    // A letter typed is a letter called.
    bool activityKey(int key, Qt::KeyboardModifiers modifiers) override;

  private:
    void showWord();
    void showLetterUsed(QChar letter);

    forms::ControlArray<forms::Label>& lblletter;  // A = 0 to Z = 25
    forms::ControlArray<LetterBlank>& lblblank;    // one per letter of the longest word
    GallowsDrawing& picgallows;
    forms::Label& lblmessage;
    forms::Label& lblclue;

    std::vector<wordgames::Word> m_words;
    HangmanGame m_game;
    quiz::ShuffledDeck m_deck;
    int m_index = -1;
};

}  // namespace hangman
