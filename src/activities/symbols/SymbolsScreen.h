// Chemical Symbols: the thirty elements, asked by name or by symbol as the teacher chooses.
#pragma once

#include "kit/quiz/QuizScreen.h"
#include "shell/HoverRule.h"

namespace symbols {

enum class Direction { NameToSymbol, SymbolToName };

class SymbolsScreen : public quiz::QuizScreen {
  public:
    SymbolsScreen(forms::Screens& screens, const shell::ActivityId& id);

    int itemCount() const override;
    quiz::QuizItem makeItem(int index) override;

    Direction direction() const { return m_direction; }
    // Turns the element on show round, without drawing another or starting the deck again.
    void switchDirection();

    static QString directionCaption(Direction direction);

  private:
    forms::Label& lbldirection;
    shell::HoverRule m_hover;
    Direction m_direction = Direction::NameToSymbol;
};

}  // namespace symbols
