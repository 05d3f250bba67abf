#include "activities/fairtests/FairTestsActivity.h"

#include "activities/fairtests/FairTestsBoard.h"

namespace fairtests {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("fairtests", "Fair Experiments", kFairTestsBoard);
    return described;
}

}  // namespace fairtests
