// Chemical Symbols: the thirty elements, asked by name or by symbol as the teacher chooses.
#pragma once

#include <vector>

#include "kit/quiz/QuizScreen.h"
#include "shell/HoverRule.h"

namespace lists {
struct CheckedList;
}

namespace symbols {

enum class Direction { NameToSymbol, SymbolToName };

class SymbolsScreen : public quiz::QuizScreen {
  public:
    // Asks the teacher's elements when a list is given, the program's thirty otherwise.
    SymbolsScreen(forms::Screens& screens, const shell::ActivityId& id,
                  const lists::CheckedList* list = nullptr);

    // Why a field of a teacher's symbols list would not show whole here, or nullopt.
    static std::optional<QString> listTextCheck(const QString& column, const QString& text);

    int itemCount() const override;
    quiz::QuizItem makeItem(int index) override;

    Direction direction() const { return m_direction; }
    // Turns the element on show round, without drawing another or starting the deck again.
    void switchDirection();

    static QString directionCaption(Direction direction);

  private:
    struct Element {
        QString name;
        QString symbol;
    };
    std::vector<Element> m_elements;
    forms::Label& lbldirection;
    shell::HoverRule m_hover;
    Direction m_direction = Direction::NameToSymbol;
};

}  // namespace symbols
