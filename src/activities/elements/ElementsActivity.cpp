#include "activities/elements/ElementsActivity.h"

#include "activities/elements/ElementsBoard.h"
#include "kit/labelling/ListBoard.h"

namespace elements {

const activities::Activity& activity() {
    static const labelling::SortingShape shape{kElementsBoard, kElementsLayout,
                                               labelling::columnCount(kElementsGroups),
                                               labelling::rowCount(kElementsGroups)};
    static const activities::Activity described =
        activities::sortingBoard("elements", "Elements and Compounds", kElementsBoard, shape);
    return described;
}

}  // namespace elements
