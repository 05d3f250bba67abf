// A quiz: next draws an item from a shuffled deck, answer reveals what the class said aloud.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "kit/quiz/QuizItem.h"
#include "kit/quiz/ShuffledDeck.h"
#include "shell/ActivityScreen.h"

namespace forms {
class Label;
class PictureBox;
}  // namespace forms

namespace lists {
struct CheckedList;
}

namespace quiz {

class QuizScreen : public shell::ActivityScreen {
  public:
    QuizScreen(forms::Screens& screens, const shell::ActivityId& id, std::span<const QuizRow> rows,
               const QuizLayout& layout = {});
    // A quiz of a teacher's list: its questions, answers and reasons, in place of the table's.
    QuizScreen(forms::Screens& screens, const shell::ActivityId& id, const QuizLayout& layout,
               const lists::CheckedList& list);

    // Why a field of a teacher's quiz would not show whole in a quiz of this layout, or nullopt.
    static std::optional<QString> listTextCheck(const QuizLayout& layout, const QString& column,
                                                const QString& text);

    // The teacher's three moves.
    void next() override;
    void reveal() override;
    bool hideAnswer() override;
    bool answerShown() const override;
    const QuizItem& current() const { return m_current; }
    // The deck index of the item on show; -1 before the first draw.
    int currentIndex() const { return m_index; }
    const QuizLayout& layout() const { return m_layout; }

    // Hooks for quizzes whose items are generated or shown in a way of their own. Public so that
    // every quiz's content can be put through the same checks.
    virtual int itemCount() const {
        return static_cast<int>(m_items.empty() ? m_rows.size() : m_items.size());
    }
    virtual QuizItem makeItem(int index);

  protected:
    // Puts the item's texts on screen, answer and reason hidden.
    virtual void showItem(const QuizItem& item);

    void setUp() override;
    // Draws afresh from a deck of this many items (after a quiz changes what it asks).
    void resetDeck();
    // Makes and shows the item on show again, answer hidden, leaving the deck where it is (after
    // a quiz changes how it shows its items).
    void remakeCurrent();

    forms::Label& lblquestion;
    forms::Label& lblanswer;
    forms::Label& lblreason;
    forms::PictureBox& imgquestion;

  private:
    std::span<const QuizRow> m_rows;
    std::vector<QuizItem> m_items;  // a teacher's list, in place of the rows
    QuizLayout m_layout;
    ShuffledDeck m_deck;
    QuizItem m_current;
    int m_index = -1;
};

}  // namespace quiz
