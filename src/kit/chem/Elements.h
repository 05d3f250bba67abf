// The symbols of the 118 elements, in order of atomic number.
#pragma once

#include <array>
#include <string_view>

namespace chem {

inline constexpr std::array<std::string_view, 118> kElementSymbols{
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",
    "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",
    "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh",
    "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd",
    "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re",
    "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th",
    "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr", "Rf", "Db",
    "Sg", "Bh", "Hs", "Mt", "Ds", "Rg", "Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og",
};

// 1 for "H" up to 118 for "Og"; 0 for anything that is not a symbol (exact letter case).
constexpr int atomicNumber(std::string_view symbol) {
    for (std::size_t i = 0; i < kElementSymbols.size(); ++i)
        if (kElementSymbols[i] == symbol) return static_cast<int>(i) + 1;
    return 0;
}

constexpr bool isElementSymbol(std::string_view symbol) {
    return atomicNumber(symbol) != 0;
}

}  // namespace chem
