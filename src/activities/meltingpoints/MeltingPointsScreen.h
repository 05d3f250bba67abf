// Melting Points: the class decides each substance's state at room temperature.
#pragma once

#include "kit/quiz/QuizScreen.h"

namespace meltingpoints {

struct MeltingPoint;

class MeltingPointsScreen : public quiz::QuizScreen {
  public:
    MeltingPointsScreen(forms::Screens& screens, const shell::ActivityId& id);

    int itemCount() const override;
    quiz::QuizItem makeItem(int index) override;

    static quiz::QuizItem itemFor(const MeltingPoint& substance);
    static const quiz::QuizLayout kLayout;
};

}  // namespace meltingpoints
