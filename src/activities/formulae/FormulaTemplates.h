// The five formulas of Substituting into Formulae, and the whole numbers each may be asked with.
#pragma once

#include <span>

namespace formulae {

enum class Operation { Divide, Multiply, Subtract };

struct Quantity {
    const char* name;
    const char* unit;
};

// Whole numbers from low to high, or only those listed.
struct Values {
    int low = 0;
    int high = 0;
    std::span<const int> listed = {};
};

// What a result's sign says, for a formula where it means something to the class.
struct SignReasons {
    const char* negative;
    const char* zero;
    const char* positive;
};

struct FormulaTemplate {
    Quantity result;
    Quantity first;
    Quantity second;
    Operation operation;
    // For ÷ and − the answer is drawn and the first value worked back from it, so that every
    // answer is whole and no division leaves a remainder; for × the first value is drawn.
    Values drawn;
    Values secondValues;
    const SignReasons* reasons = nullptr;
    // The largest first value the apparatus allows (a gas syringe holds 100 cm³); 0 for none. The
    // second value is then drawn only from those that keep the first within it.
    int firstAtMost = 0;
};

inline constexpr int kSolutionVolumes[] = {1, 2, 4, 5};

// A fall in temperature is right for a reaction that takes in heat.
inline constexpr SignReasons kTemperatureReasons{
    "It fell: the reaction takes in heat (endothermic).",
    "No change: no heat is given out or taken in.",
    "It rose: the reaction gives out heat (exothermic).",
};

inline constexpr FormulaTemplate kFormulaTemplates[] = {
    {{"density", "g/cm³"}, {"mass", "g"}, {"volume", "cm³"}, Operation::Divide, {1, 12}, {2, 20}},
    {{"mass", "g"}, {"density", "g/cm³"}, {"volume", "cm³"}, Operation::Multiply, {1, 12}, {2, 20}},
    {{"concentration", "g/dm³"},
     {"mass of solute", "g"},
     {"volume of solution", "dm³"},
     Operation::Divide,
     {2, 50},
     {.low = 0, .high = 0, .listed = kSolutionVolumes}},
    {{"mean rate", "cm³/s"},
     {"volume of gas", "cm³"},
     {"time", "s"},
     Operation::Divide,
     {1, 5},
     {5, 50},
     nullptr,
     100},
    {{"temperature change", "°C"},
     {"final temperature", "°C"},
     {"starting temperature", "°C"},
     Operation::Subtract,
     {-10, 30},
     {15, 25},
     &kTemperatureReasons},
};

}  // namespace formulae
