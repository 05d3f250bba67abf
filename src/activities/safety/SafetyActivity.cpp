#include "activities/safety/SafetyActivity.h"

#include "activities/safety/SafetyScreen.h"
#include "activities/safety/SafetySheet.h"

namespace safety {

const activities::Activity& activity() {
    static const activities::Activity described{SafetyScreen::kScreenName,
                                                "Safety in the Lab",
                                                activities::designedScreenOf<SafetyScreen>(),
                                                {},
                                                [](std::uint64_t) { return worksheet(); }};
    return described;
}

}  // namespace safety
