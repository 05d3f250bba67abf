#include "activities/reactivity/ReactivityActivity.h"

#include "activities/reactivity/ReactivityBoard.h"

namespace reactivity {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("reactivity", "Reactivity Sequence", kReactivityBoard);
    return described;
}

}  // namespace reactivity
