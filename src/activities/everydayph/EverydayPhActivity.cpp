#include "activities/everydayph/EverydayPhActivity.h"

#include "activities/everydayph/EverydayPhBoard.h"
#include "kit/labelling/ListBoard.h"

namespace everydayph {

const activities::Activity& activity() {
    static const labelling::SortingShape shape{kEverydayPhBoard, kEverydayPhLayout,
                                               labelling::columnCount(kEverydayPhGroups),
                                               labelling::rowCount(kEverydayPhGroups)};
    // Everyday substances sorted by pH, not menu 4's word equations.
    static const activities::Activity described =
        activities::sortingBoard("everydayph", "Acids and Alkalis", kEverydayPhBoard, shape);
    return described;
}

}  // namespace everydayph
