#include "activities/equations/SymbolEquation.h"

#include <algorithm>

#include "kit/chem/FormulaText.h"

namespace equations {

namespace {

constexpr std::string_view kArrow = "\xE2\x86\x92";  // →

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<std::vector<chem::Formula>> parseSide(std::string_view side) {
    std::vector<chem::Formula> formulas;
    while (true) {
        const auto plus = side.find('+');
        const std::optional<chem::Formula> formula =
            chem::parseFormula(trimmed(side.substr(0, plus)));
        if (!formula) return std::nullopt;
        formulas.push_back(*formula);
        if (plus == std::string_view::npos) return formulas;
        side.remove_prefix(plus + 1);
    }
}

}  // namespace

const chem::Formula& SymbolEquation::term(int index) const {
    const auto i = static_cast<std::size_t>(index);
    return isProduct(index) ? products[i - reactants.size()] : reactants[i];
}

std::optional<SymbolEquation> parseSymbolEquation(std::string_view text) {
    const auto arrow = text.find(kArrow);
    if (arrow == std::string_view::npos) return std::nullopt;
    const std::string_view right = text.substr(arrow + kArrow.size());
    if (right.find(kArrow) != std::string_view::npos) return std::nullopt;
    auto reactants = parseSide(text.substr(0, arrow));
    auto products = parseSide(right);
    if (!reactants || !products) return std::nullopt;
    return SymbolEquation{std::move(*reactants), std::move(*products)};
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
