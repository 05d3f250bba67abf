#include "activities/hazards/HazardsActivity.h"

#include "activities/hazards/HazardsBoard.h"

namespace hazards {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("hazards", "Hazard Symbols", kHazardsBoard);
    return described;
}

}  // namespace hazards
