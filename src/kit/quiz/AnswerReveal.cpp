#include "kit/quiz/AnswerReveal.h"

#include <algorithm>

#include "forms/Control.h"

namespace quiz {

void AnswerReveal::add(forms::Control& answer) {
    m_answers.push_back(&answer);
}

void AnswerReveal::hide() {
    for (forms::Control* answer : m_answers) answer->setVisible(false);
}

void AnswerReveal::show() {
    for (forms::Control* answer : m_answers) answer->setVisible(true);
}

bool AnswerReveal::isShown() const {
    return !m_answers.empty() &&
           std::all_of(m_answers.begin(), m_answers.end(),
                       [](const forms::Control* answer) { return answer->isVisible(); });
}

}  // namespace quiz
