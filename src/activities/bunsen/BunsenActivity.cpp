#include "activities/bunsen/BunsenActivity.h"

#include "activities/bunsen/BunsenBoard.h"

namespace bunsen {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("bunsen", "Bunsen Burner", kBunsenBoard);
    return described;
}

}  // namespace bunsen
