// Melting Points: the class decides each substance's state at room temperature.
#pragma once

#include <vector>

#include "kit/quiz/QuizScreen.h"

namespace lists {
struct CheckedList;
}

namespace meltingpoints {

struct MeltingPoint;

class MeltingPointsScreen : public quiz::QuizScreen {
  public:
    // Asks of the teacher's substances when a list is given, the program's twelve otherwise.
    MeltingPointsScreen(forms::Screens& screens, const shell::ActivityId& id,
                        const lists::CheckedList* list = nullptr);

    // Why a substance of a teacher's list would not show whole here, or nullopt.
    static std::optional<QString> listTextCheck(const QString& column, const QString& text);
    // A teacher's substance, its temperatures as written to a tenth or better.
    static quiz::QuizItem itemFor(const QString& substance, double melts, double boils);

    int itemCount() const override;
    quiz::QuizItem makeItem(int index) override;

    static quiz::QuizItem itemFor(const MeltingPoint& substance);
    static const quiz::QuizLayout kLayout;

  private:
    std::vector<quiz::QuizItem> m_items;  // a teacher's list; empty for the program's own
};

}  // namespace meltingpoints
