#include "activities/changingstate/ChangingStateActivity.h"

#include "activities/changingstate/ChangingStateBoard.h"

namespace changingstate {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("changingstate", "Changing State", kChangingStateBoard);
    return described;
}

}  // namespace changingstate
