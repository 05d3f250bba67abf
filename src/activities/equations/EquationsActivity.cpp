#include "activities/equations/EquationsActivity.h"

#include "activities/equations/EquationsScreen.h"
#include "activities/equations/EquationsSheet.h"
#include "kit/chem/FormulaText.h"

namespace equations {

namespace {

QStringList formulas(const std::vector<chem::Formula>& side) {
    QStringList shown;
    for (const chem::Formula& formula : side) shown << chem::displayFormula(formula);
    return shown;
}

}  // namespace

const activities::Activity& activity() {
    static const activities::Activity described{
        "equations",
        "Chemical Equations",
        activities::listedScreenOf<EquationsScreen>("equations"),
        {{"equations", lists::ListKind::Equations, &EquationsScreen::listTextCheck}},
        [](std::uint64_t) { return worksheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(worksheet());
            for (const lists::ListEntry& entry : list.entries) {
                const auto* equation = std::get_if<lists::EquationItem>(&entry.item);
                if (!equation) continue;
                QString words = equation->wordEquation;
                words.replace(QStringLiteral("->"), QStringLiteral("\u2192"));
                sheet.parts.emplace_back(
                    sheets::BalancingBoxes{words, formulas(equation->reactants),
                                           formulas(equation->products), equation->numbers});
            }
            return sheet;
        }};
    return described;
}

}  // namespace equations
