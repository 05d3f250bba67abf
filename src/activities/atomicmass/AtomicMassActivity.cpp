#include "activities/atomicmass/AtomicMassActivity.h"

#include "activities/atomicmass/AtomicMassScreen.h"
#include "activities/atomicmass/AtomicMassSheet.h"

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
            // The key the instruction sends the class to, with the masses the answers are
            // worked from.
            sheet.parts.emplace_back(keyNote(AtomicMassScreen::keyFor(list)));
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* mass = std::get_if<lists::FormulaMassItem>(&entry.item))
                    sheet.parts.emplace_back(onPaper(AtomicMassScreen::itemFor(*mass)));
            return sheet;
        }};
    return described;
}

}  // namespace atomicmass
