#include "shell/AnswerStep.h"

#include "shell/RemoteKeys.h"

namespace shell {

bool AnswerStep::stepForward() {
    if (!hasAnswerStep()) return false;
    if (answerShown())
        next();
    else
        reveal();
    return true;
}

bool AnswerStep::stepBack() {
    return hasAnswerStep() && hideAnswer();
}

bool AnswerStep::remoteKey(int key, Qt::KeyboardModifiers modifiers) {
    switch (remoteStep(key, modifiers)) {
        case RemoteStep::Exit:
            leave();
            return true;
        case RemoteStep::Forward:
            return stepForward();
        case RemoteStep::Back:
            return stepBack();
        case RemoteStep::None:
            break;
    }
    return false;
}

}  // namespace shell
