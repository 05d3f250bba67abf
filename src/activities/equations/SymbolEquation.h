// A symbol equation as the class balances it: its formulas in turn, the atoms each side holds,
// and the equation as written.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "kit/chem/Formula.h"

namespace equations {

struct SymbolEquation {
    std::vector<chem::Formula> reactants;
    std::vector<chem::Formula> products;

    int termCount() const { return static_cast<int>(reactants.size() + products.size()); }
    // Reactants first, then products.
    const chem::Formula& term(int index) const;
    bool isProduct(int index) const { return index >= static_cast<int>(reactants.size()); }
};

// "CH4 + O2 → CO2 + H2O" read by chem's equation reader, the one a teacher's list goes through
// too; nullopt for whatever it refuses.
std::optional<SymbolEquation> readSymbolEquation(QStringView text);

// An element whose atoms differ between the sides for the numbers given.
struct AtomDifference {
    std::string_view symbol;
    long long left = 0;
    long long right = 0;
};

// In order of first appearance, reactants first; empty when the numbers balance the atoms. One
// number per term.
std::vector<AtomDifference> atomDifferences(const SymbolEquation& equation,
                                            std::span<const int> numbers);

// As the class writes it: "CH₄ + 2O₂ → CO₂ + 2H₂O", a 1 not written.
QString writtenEquation(const SymbolEquation& equation, std::span<const int> numbers);

}  // namespace equations
