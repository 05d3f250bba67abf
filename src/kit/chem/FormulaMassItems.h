// The formulas whose relative formula mass the class works out from the key on screen.
#pragma once

#include <string_view>

#include "kit/chem/Elements.h"
#include "kit/chem/FormulaMass.h"

namespace chem {

// Written as formulas are typed; the screen shows them with subscripts and works each mass out
// from the formula itself.
inline constexpr const char* kFormulaMassItems[] = {
    "H2O",   "CO2", "CH4", "NH3", "NaCl", "MgO",   "CaCO3",
    "H2SO4", "O2",  "HCl", "CuO", "NaOH", "MgCl2", "CuSO4",
};

// What the formula parser accepts, read at compile time: element symbols, each with an optional
// count, and bracketed groups with a count after them; and every element's mass in the key.
constexpr bool workedOutFromKey(std::string_view formula, std::span<const AtomicMass> key) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    int open = 0;
    bool atoms = false;
    for (std::size_t i = 0; i < formula.size();) {
        const char c = formula[i];
        if (c >= 'A' && c <= 'Z') {
            std::size_t end = i + 1;
            while (end < formula.size() && isLower(formula[end])) ++end;
            const std::string_view symbol = formula.substr(i, end - i);
            bool known = false;
            for (const AtomicMass& mass : key) known = known || mass.symbol == symbol;
            if (!isElementSymbol(symbol) || !known) return false;
            atoms = true;
            i = end;
        } else if (c == '(') {
            ++open;
            ++i;
        } else if (c == ')') {
            if (--open < 0 || i + 1 >= formula.size() || !isDigit(formula[i + 1])) return false;
            ++i;
        } else if (isDigit(c)) {
            if (c == '0' || i == 0 || formula[i - 1] == '(') return false;
            while (i < formula.size() && isDigit(formula[i])) ++i;
        } else {
            return false;
        }
    }
    return atoms && open == 0;
}

constexpr bool everyItemWorkedOutFromKey() {
    for (const char* item : kFormulaMassItems)
        if (!workedOutFromKey(item, kAtomicMassKey)) return false;
    return true;
}
static_assert(everyItemWorkedOutFromKey());

}  // namespace chem
