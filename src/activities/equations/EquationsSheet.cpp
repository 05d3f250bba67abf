#include "activities/equations/EquationsSheet.h"

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
        const QStringList sides = QString::fromUtf8(equation.symbols).split(QStringLiteral("→"));
        const auto formulas = [](const QString& side) {
            QStringList written;
            for (const QString& formula : side.split(QLatin1Char('+')))
                written << chem::withSubscripts(QStringView(formula.trimmed()));
            return written;
        };
        sheets::BalancingBoxes boxes{QString::fromUtf8(equation.words), formulas(sides.value(0)),
                                     formulas(sides.value(1)), {}};
        for (int i = 0; i < boxes.reactants.size() + boxes.products.size(); ++i)
            boxes.numbers.push_back(equation.answer[static_cast<std::size_t>(i)]);
        sheet.parts.emplace_back(boxes);
    }
    return sheet;
}

}  // namespace equations
