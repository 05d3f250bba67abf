#include "activities/equations/EquationsSheet.h"

#include "activities/equations/SymbolEquation.h"
#include "kit/chem/FormulaText.h"

namespace equations {

sheets::Worksheet worksheet(std::span<const ChemicalEquation> equations) {
    sheets::Worksheet sheet{QStringLiteral("Chemical Equations"),
                            QStringLiteral("Balance each equation: write the smallest whole number "
                                           "in the box before each formula (1 where one is "
                                           "enough)."),
                            false,
                            {}};
    for (const ChemicalEquation& equation : equations) {
        // Read as the screen reads it; the table's test reads every row.
        const std::optional<SymbolEquation> read =
            readSymbolEquation(QString::fromUtf8(equation.symbols));
        if (!read) continue;
        const auto written = [](const std::vector<chem::Formula>& formulas) {
            QStringList shown;
            for (const chem::Formula& formula : formulas) shown << chem::displayFormula(formula);
            return shown;
        };
        sheets::BalancingBoxes boxes{QString::fromUtf8(equation.words),
                                     written(read->reactants),
                                     written(read->products),
                                     {}};
        for (int i = 0; i < boxes.reactants.size() + boxes.products.size(); ++i)
            boxes.numbers.push_back(equation.answer[static_cast<std::size_t>(i)]);
        sheet.parts.emplace_back(boxes);
    }
    return sheet;
}

}  // namespace equations
