#include "activities/equipment/EquipmentActivity.h"

#include "activities/equipment/ApparatusBoard.h"

namespace equipment {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("equipment", "Laboratory Apparatus", kApparatusBoard);
    return described;
}

}  // namespace equipment
