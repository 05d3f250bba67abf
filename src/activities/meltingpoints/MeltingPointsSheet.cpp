#include "activities/meltingpoints/MeltingPointsSheet.h"

#include "activities/meltingpoints/MeltingPointsScreen.h"

namespace meltingpoints {

sheets::Worksheet worksheet(std::span<const MeltingPoint> substances) {
    sheets::Worksheet sheet{QStringLiteral("Melting Points"),
                            QStringLiteral("Is each substance a solid, a liquid or a gas at room "
                                           "temperature? Say why."),
                            false,
                            {}};
    for (const MeltingPoint& substance : substances) {
        const quiz::QuizItem item = MeltingPointsScreen::itemFor(substance);
        // The screen's lines run on as one sentence on paper.
        QString question = item.question;
        question.replace(QStringLiteral("\n\n"), QStringLiteral(". "));
        question.replace(QLatin1Char('\n'), QStringLiteral(", "));
        sheet.parts.emplace_back(sheets::Question{question, item.answer, item.reason, {}, 2});
    }
    return sheet;
}

}  // namespace meltingpoints
