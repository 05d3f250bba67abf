#include "activities/atomicmass/AtomicMassActivity.h"

#include "activities/atomicmass/AtomicMassScreen.h"
#include "activities/atomicmass/AtomicMassSheet.h"
#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaText.h"

namespace atomicmass {

const activities::Activity& activity() {
    static const activities::Activity described{
        "atomicmass",
        "Atomic Mass",
        activities::listedScreenOf<AtomicMassScreen>("atomicmass"),
        {{"atomicmass", lists::ListKind::FormulaMasses, &AtomicMassScreen::listTextCheck}},
        [](std::uint64_t) { return worksheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(worksheet());
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* mass = std::get_if<lists::FormulaMassItem>(&entry.item))
                    sheet.parts.emplace_back(
                        sheets::Question{QStringLiteral("What is the relative formula mass of %1?")
                                             .arg(chem::displayFormula(mass->formula)),
                                         chem::formatMass(mass->mass),
                                         mass->working,
                                         {},
                                         2});
            return sheet;
        }};
    return described;
}

}  // namespace atomicmass
