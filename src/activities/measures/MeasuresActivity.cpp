#include "activities/measures/MeasuresActivity.h"

#include "activities/measures/MeasuresBoard.h"

namespace measures {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("measures", "Measures", kMeasuresBoard);
    return described;
}

}  // namespace measures
