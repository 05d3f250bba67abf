#include "activities/formulae/FormulaeSheet.h"

#include "activities/formulae/FormulaQuestion.h"

namespace formulae {

sheets::Worksheet worksheet(std::uint64_t seed, std::span<const FormulaTemplate> formulas,
                            int rounds) {
    sheets::Worksheet sheet{QStringLiteral("Substituting into Formulae"),
                            QStringLiteral("Put the numbers into each formula and work out the "
                                           "answer, with its unit. Show your working."),
                            false,
                            {}};
    std::uint64_t draw = seed;
    for (int round = 0; round < rounds; ++round) {
        for (const FormulaTemplate& formula : formulas) {
            // A seed of its own for every question: equal seeds would give equal values.
            draw = draw * 6364136223846793005ULL + 1442695040888963407ULL;
            const quiz::QuizItem item = formulaItem(formula, drawValues(formula, draw));
            sheet.parts.emplace_back(
                sheets::Question{item.question, item.answer, item.reason, {}, 2});
        }
    }
    return sheet;
}

}  // namespace formulae
