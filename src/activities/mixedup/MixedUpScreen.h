// Mixed Up Words: a word of the shared list as letter tiles in a mixed-up order.
#pragma once

#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "kit/quiz/ShuffledDeck.h"
#include "kit/wordgames/Words.h"
#include "shell/ActivityScreen.h"

namespace lists {
struct CheckedList;
}

namespace mixedup {

class MixedUpScreen : public shell::ActivityScreen {
  public:
    // The tiles share one row, centred; a long word gets narrower tiles.
    static constexpr forms::TwipRect kTileRow{360, 1740, 11190, 900};
    static constexpr float kTilePitch = 1020;
    static constexpr float kTileGap = 105;
    static inline const forms::FontSpec kTileFont = forms::tahoma(32, true);
    static constexpr forms::TwipRect kAnswer{360, 3240, 11190, 1080};
    static constexpr float kAnswerPoints = 40;
    static constexpr forms::TwipRect kClue{360, 4500, 11190, 1560};
    static constexpr float kCluePoints = 24;

    // Plays the teacher's word list when one is given, the program's own otherwise.
    MixedUpScreen(forms::Screens& screens, const shell::ActivityId& id,
                  const lists::CheckedList* list = nullptr);

    // Why a field of a teacher's word list would not show whole here, or nullopt.
    static std::optional<QString> listTextCheck(const QString& column, const QString& text);
    // The most letters the tiles' row takes.
    static int mostLetters();

    // The teacher's moves.
    void next() override;
    void scramble();
    void reveal() override;
    bool hideAnswer() override;

    // The word list's index of the word in play; -1 before the first draw.
    int wordIndex() const { return m_index; }
    const std::vector<wordgames::Word>& words() const { return m_words; }
    // The letters as the tiles show them, left to right.
    QString tileOrder() const;
    bool answerShown() const override;
    static forms::TwipRect tilePlace(int position, int length);

  protected:
    void setUp() override;

  private:
    void mixUp(const QString& avoid);
    void showTiles(const QString& letters);

    forms::ControlArray<forms::Label>& lbltile;  // one per letter of the longest word
    forms::Label& lblanswer;
    forms::Label& lblclue;

    std::vector<wordgames::Word> m_words;
    quiz::ShuffledDeck m_deck;
    int m_index = -1;
    QString m_word;
};

}  // namespace mixedup
