#include "activities/vocab/VocabActivity.h"

#include "activities/vocab/BridgeProblemScreen.h"
#include "activities/vocab/VocabScreen.h"

namespace vocab {

const activities::Activity& activity() {
    static const activities::Activity described{
        VocabScreen::kScreenName,
        "Mathematical Vocabulary",
        activities::designedScreenOf<VocabScreen>(),
        {},
        {},
        {},
        {{BridgeProblemScreen::kScreenName,
          [](forms::Screens& screens) { return std::make_unique<BridgeProblemScreen>(screens); }}}};
    return described;
}

}  // namespace vocab
