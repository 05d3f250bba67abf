#include "activities/symbols/SymbolsActivity.h"

#include "activities/symbols/SymbolsScreen.h"
#include "activities/symbols/SymbolsSheet.h"

namespace symbols {

const activities::Activity& activity() {
    static const activities::Activity described{
        "symbols",
        "Chemical Symbols",
        activities::listedScreenOf<SymbolsScreen>("symbols"),
        {{"symbols", lists::ListKind::Symbols, &SymbolsScreen::listTextCheck}},
        [](std::uint64_t) { return worksheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(worksheet());
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* symbol = std::get_if<lists::SymbolItem>(&entry.item))
                    sheet.parts.emplace_back(
                        sheets::Question{QStringLiteral("The symbol for %1").arg(symbol->name),
                                         symbol->symbol,
                                         {},
                                         {},
                                         1});
            return sheet;
        }};
    return described;
}

}  // namespace symbols
