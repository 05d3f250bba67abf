#include "activities/states/StatesActivity.h"

#include "activities/states/StatesBoard.h"

namespace states {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("states", "Solids, Liquids and Gases", kStatesBoard);
    return described;
}

}  // namespace states
