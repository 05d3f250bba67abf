#include "activities/formulae/FormulaeActivity.h"

#include "activities/formulae/FormulaeScreen.h"
#include "activities/formulae/FormulaeSheet.h"

namespace formulae {

const activities::Activity& activity() {
    static const activities::Activity described{"formulae",
                                                "Substituting into Formulae",
                                                activities::screenOf<FormulaeScreen>(),
                                                {},
                                                [](std::uint64_t seed) { return worksheet(seed); }};
    return described;
}

}  // namespace formulae
