#include "activities/metalsacids/MetalsAcidsActivity.h"

#include "activities/metalsacids/MetalsAcidsBoard.h"

namespace metalsacids {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("metalsacids", "Metals and Acids", kMetalsAcidsBoard);
    return described;
}

}  // namespace metalsacids
