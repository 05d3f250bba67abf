// The thirty elements whose symbols a Key Stage 3 class learns, in the order of the periodic table.
#pragma once

namespace symbols {

struct ElementSymbol {
    const char* name;
    const char* symbol;
};

inline constexpr ElementSymbol kElementSymbols[] = {
    {"Hydrogen", "H"},   {"Helium", "He"},    {"Lithium", "Li"},   {"Carbon", "C"},
    {"Nitrogen", "N"},   {"Oxygen", "O"},     {"Fluorine", "F"},   {"Neon", "Ne"},
    {"Sodium", "Na"},    {"Magnesium", "Mg"}, {"Aluminium", "Al"}, {"Silicon", "Si"},
    {"Phosphorus", "P"}, {"Sulphur", "S"},    {"Chlorine", "Cl"},  {"Argon", "Ar"},
    {"Potassium", "K"},  {"Calcium", "Ca"},   {"Chromium", "Cr"},  {"Iron", "Fe"},
    {"Nickel", "Ni"},    {"Copper", "Cu"},    {"Zinc", "Zn"},      {"Bromine", "Br"},
    {"Silver", "Ag"},    {"Tin", "Sn"},       {"Iodine", "I"},     {"Gold", "Au"},
    {"Mercury", "Hg"},   {"Lead", "Pb"},
};

}  // namespace symbols
