#include "activities/ph/PhActivity.h"

#include "activities/ph/PhBoard.h"

namespace ph {

const activities::Activity& activity() {
    static const activities::Activity described = activities::board("ph", "pH", kPhBoard);
    return described;
}

}  // namespace ph
