// Every element once: symbol, name and standard atomic weight, in order of atomic number.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace chem {

struct Element {
    std::string_view symbol;
    std::string_view name;           // IUPAC's English spelling, capitalised as a list starts it
    std::string_view otherSpelling;  // the other spelling pupils meet for the same element, or ""
    // The IUPAC standard atomic weight rounded to one decimal place, from the conventional value
    // where IUPAC gives a range (H 1.008, Li 6.94, Pb 207.2; argon from 39.948, its value in
    // air). The values without a decimal point (Tc, Pm, Po to Ac, Np onwards) are different in
    // kind: those elements have no standard atomic weight, and the value is the mass number of
    // their longest-lived known isotope (technetium-97, promethium-145, radon-222, ...).
    double weight;
};

inline constexpr std::array<Element, 118> kElements{{
    {"H", "Hydrogen", "", 1.0},
    {"He", "Helium", "", 4.0},
    {"Li", "Lithium", "", 6.9},
    {"Be", "Beryllium", "", 9.0},
    {"B", "Boron", "", 10.8},
    {"C", "Carbon", "", 12.0},
    {"N", "Nitrogen", "", 14.0},
    {"O", "Oxygen", "", 16.0},
    {"F", "Fluorine", "", 19.0},
    {"Ne", "Neon", "", 20.2},
    {"Na", "Sodium", "", 23.0},
    {"Mg", "Magnesium", "", 24.3},
    {"Al", "Aluminium", "Aluminum", 27.0},
    {"Si", "Silicon", "", 28.1},
    {"P", "Phosphorus", "", 31.0},
    {"S", "Sulfur", "Sulphur", 32.1},
    {"Cl", "Chlorine", "", 35.5},
    {"Ar", "Argon", "", 39.9},
    {"K", "Potassium", "", 39.1},
    {"Ca", "Calcium", "", 40.1},
    {"Sc", "Scandium", "", 45.0},
    {"Ti", "Titanium", "", 47.9},
    {"V", "Vanadium", "", 50.9},
    {"Cr", "Chromium", "", 52.0},
    {"Mn", "Manganese", "", 54.9},
    {"Fe", "Iron", "", 55.8},
    {"Co", "Cobalt", "", 58.9},
    {"Ni", "Nickel", "", 58.7},
    {"Cu", "Copper", "", 63.5},
    {"Zn", "Zinc", "", 65.4},
    {"Ga", "Gallium", "", 69.7},
    {"Ge", "Germanium", "", 72.6},
    {"As", "Arsenic", "", 74.9},
    {"Se", "Selenium", "", 79.0},
    {"Br", "Bromine", "", 79.9},
    {"Kr", "Krypton", "", 83.8},
    {"Rb", "Rubidium", "", 85.5},
    {"Sr", "Strontium", "", 87.6},
    {"Y", "Yttrium", "", 88.9},
    {"Zr", "Zirconium", "", 91.2},
    {"Nb", "Niobium", "", 92.9},
    {"Mo", "Molybdenum", "", 96.0},
    {"Tc", "Technetium", "", 97},
    {"Ru", "Ruthenium", "", 101.1},
    {"Rh", "Rhodium", "", 102.9},
    {"Pd", "Palladium", "", 106.4},
    {"Ag", "Silver", "", 107.9},
    {"Cd", "Cadmium", "", 112.4},
    {"In", "Indium", "", 114.8},
    {"Sn", "Tin", "", 118.7},
    {"Sb", "Antimony", "", 121.8},
    {"Te", "Tellurium", "", 127.6},
    {"I", "Iodine", "", 126.9},
    {"Xe", "Xenon", "", 131.3},
    {"Cs", "Caesium", "Cesium", 132.9},
    {"Ba", "Barium", "", 137.3},
    {"La", "Lanthanum", "", 138.9},
    {"Ce", "Cerium", "", 140.1},
    {"Pr", "Praseodymium", "", 140.9},
    {"Nd", "Neodymium", "", 144.2},
    {"Pm", "Promethium", "", 145},
    {"Sm", "Samarium", "", 150.4},
    {"Eu", "Europium", "", 152.0},
    {"Gd", "Gadolinium", "", 157.2},
    {"Tb", "Terbium", "", 158.9},
    {"Dy", "Dysprosium", "", 162.5},
    {"Ho", "Holmium", "", 164.9},
    {"Er", "Erbium", "", 167.3},
    {"Tm", "Thulium", "", 168.9},
    {"Yb", "Ytterbium", "", 173.0},
    {"Lu", "Lutetium", "", 175.0},
    {"Hf", "Hafnium", "", 178.5},
    {"Ta", "Tantalum", "", 180.9},
    {"W", "Tungsten", "", 183.8},
    {"Re", "Rhenium", "", 186.2},
    {"Os", "Osmium", "", 190.2},
    {"Ir", "Iridium", "", 192.2},
    {"Pt", "Platinum", "", 195.1},
    {"Au", "Gold", "", 197.0},
    {"Hg", "Mercury", "", 200.6},
    {"Tl", "Thallium", "", 204.4},
    {"Pb", "Lead", "", 207.2},
    {"Bi", "Bismuth", "", 209.0},
    {"Po", "Polonium", "", 209},
    {"At", "Astatine", "", 210},
    {"Rn", "Radon", "", 222},
    {"Fr", "Francium", "", 223},
    {"Ra", "Radium", "", 226},
    {"Ac", "Actinium", "", 227},
    {"Th", "Thorium", "", 232.0},
    {"Pa", "Protactinium", "", 231.0},
    {"U", "Uranium", "", 238.0},
    {"Np", "Neptunium", "", 237},
    {"Pu", "Plutonium", "", 244},
    {"Am", "Americium", "", 243},
    {"Cm", "Curium", "", 247},
    {"Bk", "Berkelium", "", 247},
    {"Cf", "Californium", "", 251},
    {"Es", "Einsteinium", "", 252},
    {"Fm", "Fermium", "", 257},
    {"Md", "Mendelevium", "", 258},
    {"No", "Nobelium", "", 259},
    {"Lr", "Lawrencium", "", 266},
    {"Rf", "Rutherfordium", "", 267},
    {"Db", "Dubnium", "", 268},
    {"Sg", "Seaborgium", "", 269},
    {"Bh", "Bohrium", "", 270},
    {"Hs", "Hassium", "", 269},
    {"Mt", "Meitnerium", "", 278},
    {"Ds", "Darmstadtium", "", 281},
    {"Rg", "Roentgenium", "", 282},
    {"Cn", "Copernicium", "", 285},
    {"Nh", "Nihonium", "", 286},
    {"Fl", "Flerovium", "", 289},
    {"Mc", "Moscovium", "", 290},
    {"Lv", "Livermorium", "", 293},
    {"Ts", "Tennessine", "", 294},
    {"Og", "Oganesson", "", 294},
}};

// The symbols alone, for code that walks them by atomic number.
inline constexpr std::array<std::string_view, 118> kElementSymbols = [] {
    std::array<std::string_view, 118> symbols{};
    for (std::size_t i = 0; i < symbols.size(); ++i) symbols[i] = kElements[i].symbol;
    return symbols;
}();

// 1 for "H" up to 118 for "Og"; 0 for anything that is not a symbol (exact letter case).
constexpr int atomicNumber(std::string_view symbol) {
    for (std::size_t i = 0; i < kElements.size(); ++i)
        if (kElements[i].symbol == symbol) return static_cast<int>(i) + 1;
    return 0;
}

constexpr bool isElementSymbol(std::string_view symbol) {
    return atomicNumber(symbol) != 0;
}

// The element with this symbol (exact letter case), or nullptr.
constexpr const Element* elementWithSymbol(std::string_view symbol) {
    const int number = atomicNumber(symbol);
    return number == 0 ? nullptr : &kElements[static_cast<std::size_t>(number - 1)];
}

namespace detail {
constexpr bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}
}  // namespace detail

// The element of this name in either spelling ("sulphur" and "Sulfur" alike), in any letter
// case, or nullptr.
constexpr const Element* elementNamed(std::string_view name) {
    for (const Element& element : kElements)
        if (detail::sameLetters(element.name, name) ||
            (!element.otherSpelling.empty() && detail::sameLetters(element.otherSpelling, name)))
            return &element;
    return nullptr;
}

}  // namespace chem
