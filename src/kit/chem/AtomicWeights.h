// Relative atomic masses of all 118 elements, for formulas beyond the school's rounded values.
#pragma once

#include <array>
#include <string_view>

#include "kit/chem/Elements.h"

namespace chem {

// By atomic number (index 0 is hydrogen): the IUPAC standard atomic weight rounded to one
// decimal place, from the conventional value where IUPAC gives a range (H 1.008, Li 6.94,
// Pb 207.2; argon from 39.948, its value in air). The values written without a decimal point
// (Tc, Pm, Po to Ac, Np onwards) are different in kind: those elements have no standard atomic
// weight, and the value is the mass number of their longest-lived known isotope
// (technetium-97, promethium-145, radon-222, plutonium-244, ...).
inline constexpr std::array<double, 118> kStandardAtomicWeights{
    1.0,   4.0,   6.9,   9.0,   10.8,  12.0,  14.0,  16.0,  19.0,  20.2,   // H to Ne
    23.0,  24.3,  27.0,  28.1,  31.0,  32.1,  35.5,  39.9,  39.1,  40.1,   // Na to Ca
    45.0,  47.9,  50.9,  52.0,  54.9,  55.8,  58.9,  58.7,  63.5,  65.4,   // Sc to Zn
    69.7,  72.6,  74.9,  79.0,  79.9,  83.8,  85.5,  87.6,  88.9,  91.2,   // Ga to Zr
    92.9,  96.0,  97,    101.1, 102.9, 106.4, 107.9, 112.4, 114.8, 118.7,  // Nb to Sn; Tc
    121.8, 127.6, 126.9, 131.3, 132.9, 137.3, 138.9, 140.1, 140.9, 144.2,  // Sb to Nd
    145,   150.4, 152.0, 157.2, 158.9, 162.5, 164.9, 167.3, 168.9, 173.0,  // Pm to Yb; Pm
    175.0, 178.5, 180.9, 183.8, 186.2, 190.2, 192.2, 195.1, 197.0, 200.6,  // Lu to Hg
    204.4, 207.2, 209.0, 209,   210,   222,   223,   226,   227,   232.0,  // Tl to Th; Po to Ac
    231.0, 238.0, 237,   244,   243,   247,   247,   251,   252,   257,    // Pa to Fm; Np on
    258,   259,   266,   267,   268,   269,   270,   269,   278,   281,    // Md to Ds
    282,   285,   286,   289,   290,   293,   294,   294,                  // Rg to Og
};

// 0 for anything that is not an element symbol.
constexpr double standardAtomicWeight(std::string_view symbol) {
    const int number = atomicNumber(symbol);
    return number == 0 ? 0 : kStandardAtomicWeights[static_cast<std::size_t>(number - 1)];
}

}  // namespace chem
