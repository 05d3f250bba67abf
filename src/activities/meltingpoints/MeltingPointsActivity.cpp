#include "activities/meltingpoints/MeltingPointsActivity.h"

#include "activities/meltingpoints/MeltingPointsScreen.h"
#include "activities/meltingpoints/MeltingPointsSheet.h"

namespace meltingpoints {

const activities::Activity& activity() {
    static const activities::Activity described{
        "meltingpoints",
        "Melting Points",
        activities::listedScreenOf<MeltingPointsScreen>("meltingpoints"),
        {{"meltingpoints", lists::ListKind::MeltingPoints, &MeltingPointsScreen::listTextCheck}},
        [](std::uint64_t) { return worksheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(worksheet());
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* melting = std::get_if<lists::MeltingPointItem>(&entry.item))
                    sheet.parts.emplace_back(onPaper(MeltingPointsScreen::itemFor(
                        melting->substance, melting->meltingPoint, melting->boilingPoint)));
            return sheet;
        }};
    return described;
}

}  // namespace meltingpoints
