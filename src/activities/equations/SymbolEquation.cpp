#include "activities/equations/SymbolEquation.h"

#include <algorithm>

#include "kit/chem/EquationText.h"
#include "kit/chem/FormulaText.h"

namespace equations {

const chem::Formula& SymbolEquation::term(int index) const {
    const auto i = static_cast<std::size_t>(index);
    return isProduct(index) ? products[i - reactants.size()] : reactants[i];
}

std::optional<SymbolEquation> readSymbolEquation(QStringView text) {
    chem::EquationReading reading = chem::parseEquation(text);
    if (!reading.equation) return std::nullopt;
    return SymbolEquation{std::move(reading.equation->reactants),
                          std::move(reading.equation->products)};
}

std::vector<AtomDifference> atomDifferences(const SymbolEquation& equation,
                                            std::span<const int> numbers) {
    std::vector<AtomDifference> tally;
    for (int i = 0; i < equation.termCount() && i < std::ssize(numbers); ++i) {
        const long long number = numbers[static_cast<std::size_t>(i)];
        for (const chem::AtomCount& atom : equation.term(i).atoms()) {
            auto it = std::find_if(tally.begin(), tally.end(), [&](const AtomDifference& d) {
                return d.symbol == atom.symbol;
            });
            if (it == tally.end()) it = tally.insert(tally.end(), {atom.symbol, 0, 0});
            (equation.isProduct(i) ? it->right : it->left) += number * atom.count;
        }
    }
    std::erase_if(tally, [](const AtomDifference& d) { return d.left == d.right; });
    return tally;
}

QString writtenEquation(const SymbolEquation& equation, std::span<const int> numbers) {
    QString text;
    for (int i = 0; i < equation.termCount(); ++i) {
        if (i > 0)
            text += equation.isProduct(i) && !equation.isProduct(i - 1) ? QStringLiteral(" \u2192 ")
                                                                        : QStringLiteral(" + ");
        const int number = i < std::ssize(numbers) ? numbers[static_cast<std::size_t>(i)] : 1;
        if (number != 1) text += QString::number(number);
        text += chem::displayFormula(equation.term(i));
    }
    return text;
}

}  // namespace equations
