// The equations the class balances: word equation, symbol equation and the numbers that balance it.
#pragma once

#include <array>

namespace equations {

// An equation has at most this many formulas, reactants and products together.
inline constexpr int kMaxTerms = 4;

struct ChemicalEquation {
    const char* words;
    // Formulas as typed, "+" between them and "→" between the sides.
    const char* symbols;
    // One number per formula in the order written; the places after the last formula are 0.
    std::array<int, kMaxTerms> answer;
};

inline constexpr ChemicalEquation kChemicalEquations[] = {
    {"hydrogen + oxygen → water", "H2 + O2 → H2O", {2, 1, 2}},
    {"magnesium + oxygen → magnesium oxide", "Mg + O2 → MgO", {2, 1, 2}},
    {"methane + oxygen → carbon dioxide + water", "CH4 + O2 → CO2 + H2O", {1, 2, 1, 2}},
    {"sodium + chlorine → sodium chloride", "Na + Cl2 → NaCl", {2, 1, 2}},
    {"nitrogen + hydrogen → ammonia", "N2 + H2 → NH3", {1, 3, 2}},
    {"iron + oxygen → iron oxide", "Fe + O2 → Fe2O3", {4, 3, 2}},
    {"calcium + water → calcium hydroxide + hydrogen", "Ca + H2O → Ca(OH)2 + H2", {1, 2, 1, 1}},
    {"magnesium + hydrochloric acid → magnesium chloride + hydrogen",
     "Mg + HCl → MgCl2 + H2",
     {1, 2, 1, 1}},
    {"calcium carbonate → calcium oxide + carbon dioxide", "CaCO3 → CaO + CO2", {1, 1, 1}},
    {"carbon + oxygen → carbon dioxide", "C + O2 → CO2", {1, 1, 1}},
    {"aluminium + oxygen → aluminium oxide", "Al + O2 → Al2O3", {4, 3, 2}},
    {"zinc + hydrochloric acid → zinc chloride + hydrogen", "Zn + HCl → ZnCl2 + H2", {1, 2, 1, 1}},
};

}  // namespace equations
