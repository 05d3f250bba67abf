#include "activities/metals/MetalsActivity.h"

#include "activities/metals/MetalsBoard.h"
#include "kit/labelling/ListBoard.h"

namespace metals {

const activities::Activity& activity() {
    static const labelling::SortingShape shape{kMetalsBoard, kMetalsLayout,
                                               labelling::columnCount(kMetalsGroups),
                                               labelling::rowCount(kMetalsGroups)};
    static const activities::Activity described =
        activities::sortingBoard("metals", "Metals and Non-metals", kMetalsBoard, shape);
    return described;
}

}  // namespace metals
