// Substituting into Formulae: each formula in turn from a deck, with fresh values every time.
#pragma once

#include "kit/quiz/QuizScreen.h"

namespace formulae {

class FormulaeScreen : public quiz::QuizScreen {
  public:
    FormulaeScreen(forms::Screens& screens, const shell::ActivityId& id);

    // One deck item per formula.
    int itemCount() const override;
    // New values from the platform's fresh seed, never the question now on show.
    quiz::QuizItem makeItem(int index) override;

    static const quiz::QuizLayout kLayout;
};

}  // namespace formulae
