// One question made from a formula template: the values drawn, and the texts the class sees.
#pragma once

#include <QString>
#include <cstdint>

#include "activities/formulae/FormulaTemplates.h"
#include "kit/quiz/QuizItem.h"

namespace formulae {

// first (operation) second = result, all whole numbers.
struct FormulaValues {
    int first = 0;
    int second = 0;
    int result = 0;

    bool operator==(const FormulaValues&) const = default;
};

int valueCount(const Values& values);
// The index-th allowed value, from 0 to valueCount - 1.
int valueAt(const Values& values, int index);

// The same seed always gives the same values.
FormulaValues drawValues(const FormulaTemplate& formula, std::uint64_t seed);

// "density = mass ÷ volume", a blank line, "mass = 60 g", "volume = 12 cm³", "density = ?"; the
// answer "density = 60 ÷ 12 = 5 g/cm³"; a reason only where the template gives its sign one.
quiz::QuizItem formulaItem(const FormulaTemplate& formula, const FormulaValues& values);

}  // namespace formulae
