// Relative atomic masses and relative formula masses, with the working as the class writes it.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "kit/chem/AtomicWeights.h"
#include "kit/chem/Formula.h"

namespace chem {

struct AtomicMass {
    std::string_view symbol;
    double mass;
};

// The rounded values used in school. The first ten are the key Atomic Mass shows, in its order.
inline constexpr std::array<AtomicMass, 14> kAtomicMasses{{
    {"H", 1},
    {"C", 12},
    {"N", 14},
    {"O", 16},
    {"Na", 23},
    {"Mg", 24},
    {"S", 32},
    {"Cl", 35.5},
    {"Ca", 40},
    {"Cu", 63.5},
    {"Fe", 56},
    {"Al", 27},
    {"Zn", 65},
    {"K", 39},
}};
inline constexpr std::span<const AtomicMass> kAtomicMassKey{kAtomicMasses.data(), 10};

// Every element, by atomic number: the school's value where it has one, so that a formula of
// school elements works out as the class expects, and the one-decimal standard value otherwise.
inline constexpr std::array<AtomicMass, 118> kAllAtomicMasses = [] {
    std::array<AtomicMass, 118> all{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = {kElementSymbols[i], kStandardAtomicWeights[i]};
        for (const AtomicMass& school : kAtomicMasses)
            if (school.symbol == kElementSymbols[i]) all[i].mass = school.mass;
    }
    return all;
}();

// Each function looks only in the table it is given (all fourteen unless told), so the Atomic
// Mass quiz can pass kAtomicMassKey and get nullopt for a formula its key cannot work out, and a
// teacher's list can pass kAllAtomicMasses to work out any formula at all.
std::optional<double> relativeAtomicMass(std::string_view symbol,
                                         std::span<const AtomicMass> table = kAtomicMasses);
// Nullopt when an element of the formula has no mass in the table.
std::optional<double> relativeFormulaMass(const Formula& formula,
                                          std::span<const AtomicMass> table = kAtomicMasses);
// "CaCO₃ = 40 + 12 + 3 × 16 = 100": one term per element in order of first appearance, from
// the atom counts (so "Ca(OH)₂ = 40 + 2 × 16 + 2 × 1 = 74"). A lone atom is just "C = 12".
// Nullopt when an element of the formula has no mass in the table.
std::optional<QString> massWorking(const Formula& formula,
                                   std::span<const AtomicMass> table = kAtomicMasses);
// A mass as the class writes it: "35.5", "58.5", and whole numbers without ".0" ("100").
QString formatMass(double mass);

}  // namespace chem
