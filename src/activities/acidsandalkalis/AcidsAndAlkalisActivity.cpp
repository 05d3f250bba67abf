#include "activities/acidsandalkalis/AcidsAndAlkalisActivity.h"

#include "activities/acidsandalkalis/NeutralisationBoard.h"

namespace acidsandalkalis {

const activities::Activity& activity() {
    static const activities::Activity described =
        activities::board("acidsandalkalis", "Acids and Alkalis", kNeutralisationBoard);
    return described;
}

}  // namespace acidsandalkalis
