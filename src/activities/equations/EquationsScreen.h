// Chemical Equations: the class balances a symbol equation by clicking the number before each
// formula; check counts the atoms, answer shows the numbers, next draws another equation.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "activities/equations/ChemicalEquations.h"
#include "activities/equations/SymbolEquation.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "kit/chem/Equation.h"
#include "kit/quiz/ShuffledDeck.h"
#include "shell/ActivityScreen.h"

namespace lists {
struct CheckedList;
}

namespace equations {

class EquationsScreen : public shell::ActivityScreen {
  public:
    // A click counts a number up to this and then round to 1; a teacher's list may need more,
    // and counts as far as its largest number.
    static constexpr int kHighestNumber = 6;
    // The places of the texts; the symbol equation is laid out across the screen about kRowMiddle.
    static constexpr forms::TwipRect kWordsPlace{480, 1020, 10950, 1200};
    static constexpr float kRowMiddle = 3000;
    static constexpr forms::TwipRect kMessagePlace{480, 3660, 10950, 1980};
    static constexpr forms::TwipRect kAnswerPlace{480, 5670, 10950, 780};
    static constexpr float kFormulaPoints = 27.75f;
    static constexpr float kWordsPoints = 24;
    static constexpr float kMessagePoints = 20.25f;

    // Balances the teacher's equations when a list is given, the program's own otherwise.
    EquationsScreen(forms::Screens& screens, const shell::ActivityId& id,
                    const lists::CheckedList* list = nullptr);

    // Why a field of a teacher's equations list would not show whole here, or nullopt.
    static std::optional<QString> listTextCheck(const QString& column, const QString& text);
    // How wide the row of numbers, formulas and signs is for an equation, in twips.
    static float rowWidth(const SymbolEquation& equation, float points = kFormulaPoints);
    // A long equation, and a long check, come down a size or two to keep whole on the screen:
    // the largest of the house sizes that fits, or 0 when none does.
    static float formulaPointsFor(const SymbolEquation& equation);
    static float messagePointsFor(const QString& message);
    // The sizes tried, largest first: the program's own equations all take the first.
    static constexpr float kFormulaSizes[] = {kFormulaPoints, 24, 21.75f, 20.25f, 18};
    // The row's width: the screen's, less a margin each side.
    static constexpr float kRowRoom = 11670;
    static constexpr float kMessageSizes[] = {kMessagePoints, 18, 15.75f, 14.25f};
    // The number the boxes count round to.
    int highestNumber() const { return m_highest; }
    // The smallest numbers that balance the equation on show.
    std::span<const int> answer() const;

    // The teacher's moves.
    void next() override;
    void check();
    void reveal() override;
    bool answerShown() const override;
    bool hideAnswer() override;
    // Shows one equation of the table afresh, every number 1.
    void showEquation(int index);

    // The row of the table on show; -1 only before the first.
    int equationIndex() const { return m_index; }
    const SymbolEquation& equation() const {
        return m_equations[static_cast<size_t>(m_index)].equation;
    }
    std::span<const int> numbers() const { return m_numbers; }
    // What check says for the numbers as they stand, without showing it.
    chem::Balance balance() const;
    // The word equation on its one or two lines.
    static QString wordsAsShown(const char* words);
    static QString wordsAsShown(const QString& words);
    // The line check shows under the equation.
    static QString checkMessage(const SymbolEquation& equation, std::span<const int> numbers);

  protected:
    void setUp() override;

  private:
    void countUp(int term);
    void showNumber(int term);
    bool numberKey(int term, int key, Qt::KeyboardModifiers modifiers);
    void layOutRow();
    void hideVerdict();

    forms::Label& lblwords;
    forms::ControlArray<forms::Label>& lblnumber;
    forms::ControlArray<forms::Label>& lblformula;
    // Between term i and term i + 1: "+" or "→".
    forms::ControlArray<forms::Label>& lblsign;
    forms::Label& lblmessage;
    forms::Label& lblanswer;
    forms::Label& lblhint;

    struct Shown {
        QString words;
        SymbolEquation equation;
        std::vector<int> answer;
    };
    std::vector<Shown> m_equations;
    quiz::ShuffledDeck m_deck;
    std::vector<int> m_numbers;
    int m_index = -1;
    int m_highest = kHighestNumber;
    int m_terms = kMaxTerms;  // number boxes, as many as the longest equation needs
};

}  // namespace equations
