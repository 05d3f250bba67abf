// The presentation remote's steps through an item, written once over a screen's hooks.
#pragma once

#include <Qt>

namespace shell {

// Forward shows the answer, or with it on show moves on to the next item; back hides it again;
// Escape leaves. A screen with an answer to step to gives the hooks; one with a step of its own
// (Four in a Row's turns, a board's pages) overrides the step itself.
class AnswerStep {
  public:
    virtual ~AnswerStep() = default;

    // False where the screen has no such step.
    virtual bool stepForward();
    virtual bool stepBack();

    virtual bool answerShown() const { return false; }
    virtual void reveal() {}
    virtual void next() {}
    // False where an answer once given stays given (Hangman's word).
    virtual bool hideAnswer() { return false; }

  protected:
    virtual bool hasAnswerStep() const { return false; }
    // What Escape does: leaves the screen.
    virtual void leave() = 0;
    // Page Down, Right and Space step forward; Page Up and Left step back; Escape leaves.
    bool remoteKey(int key, Qt::KeyboardModifiers modifiers);
};

}  // namespace shell
