// Formulas and equations typed by a person, with what is wrong in words when they cannot be read.
#pragma once

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "kit/chem/Formula.h"

namespace chem {

struct FormulaReading {
    std::optional<Formula> formula;
    QString problem;  // empty when formula is set: "'Xy' is not an element symbol"
};

// Accepts exactly what parseFormula does, and says which part of anything else is wrong: an
// unknown symbol, a bracket, a count, a character that has no place in a formula.
FormulaReading readFormula(QStringView text);

struct ParsedEquation {
    std::vector<Formula> reactants;
    std::vector<Formula> products;
    // Each formula's state symbol as written ("(aq)"), or empty: for show, never for balancing.
    std::vector<QString> reactantStates;
    std::vector<QString> productStates;
};

struct EquationReading {
    std::optional<ParsedEquation> equation;
    QString problem;  // empty when equation is set
};

// More than any equation a class balances; beyond it the text is refused unread.
inline constexpr int kMaxEquationFormulas = 20;

// "Fe2O3 + C -> Fe + CO2": formulas separated by "+", spaces optional, and one arrow, written
// "->", "-->", "=", "=>", "→" or "⟶". A number in front of a formula ("2H2 + O2 -> 2H2O") is
// allowed and ignored, since the numbers are what the class works out; so is a state symbol
// after it ("Zn(s) + HCl(aq)"), kept aside for show. Every formula's problem is told. Both sides
// with the same formulas ("MgO -> MgO") is refused: nothing reacts.
EquationReading parseEquation(QStringView text);

}  // namespace chem
