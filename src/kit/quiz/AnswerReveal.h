// The answer labels of a quiz screen: hidden by every draw, shown by the answer button.
#pragma once

#include <vector>

namespace forms {
class Control;
}

namespace quiz {

class AnswerReveal {
  public:
    // Answers are hidden and shown in the order they are added.
    void add(forms::Control& answer);

    void hide();
    void show();
    // True only when every answer is on show.
    bool isShown() const;

  private:
    std::vector<forms::Control*> m_answers;
};

}  // namespace quiz
