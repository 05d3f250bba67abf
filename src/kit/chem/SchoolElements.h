// The thirty elements whose symbols a Key Stage 3 class learns, in the order of the periodic table.
#pragma once

#include <string_view>

#include "kit/chem/Elements.h"

namespace chem {

struct SchoolElement {
    const char* name;
    const char* symbol;
};

inline constexpr SchoolElement kSchoolElements[] = {
    {"Hydrogen", "H"},   {"Helium", "He"},    {"Lithium", "Li"},   {"Carbon", "C"},
    {"Nitrogen", "N"},   {"Oxygen", "O"},     {"Fluorine", "F"},   {"Neon", "Ne"},
    {"Sodium", "Na"},    {"Magnesium", "Mg"}, {"Aluminium", "Al"}, {"Silicon", "Si"},
    {"Phosphorus", "P"}, {"Sulphur", "S"},    {"Chlorine", "Cl"},  {"Argon", "Ar"},
    {"Potassium", "K"},  {"Calcium", "Ca"},   {"Chromium", "Cr"},  {"Iron", "Fe"},
    {"Nickel", "Ni"},    {"Copper", "Cu"},    {"Zinc", "Zn"},      {"Bromine", "Br"},
    {"Silver", "Ag"},    {"Tin", "Sn"},       {"Iodine", "I"},     {"Gold", "Au"},
    {"Mercury", "Hg"},   {"Lead", "Pb"},
};

// Every symbol one of the element table's, and in the table's order.
constexpr bool inPeriodicOrder(const auto& elements) {
    int last = 0;
    for (const SchoolElement& element : elements) {
        const int number = atomicNumber(element.symbol);
        if (number <= last) return false;
        last = number;
    }
    return true;
}
static_assert(inPeriodicOrder(kSchoolElements));

}  // namespace chem
