#include "activities/molecules/MoleculesActivity.h"

#include "activities/molecules/MoleculesScreen.h"
#include "activities/molecules/MoleculesSheet.h"

namespace molecules {

const activities::Activity& activity() {
    static const activities::Activity described{MoleculesScreen::kScreenName,
                                                "Molecular Models",
                                                activities::designedScreenOf<MoleculesScreen>(),
                                                {},
                                                [](std::uint64_t) { return worksheet(); }};
    return described;
}

}  // namespace molecules
