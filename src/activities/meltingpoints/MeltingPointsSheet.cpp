#include "activities/meltingpoints/MeltingPointsSheet.h"

#include "activities/meltingpoints/MeltingPointsScreen.h"

namespace meltingpoints {

sheets::Question onPaper(const quiz::QuizItem& item) {
    // The screen's lines run on as one sentence on paper.
    QString question = item.question;
    question.replace(QStringLiteral("\n\n"), QStringLiteral(". "));
    question.replace(QLatin1Char('\n'), QStringLiteral(", "));
    // A temperature is never parted from its unit at the end of a line.
    const QString apart = QStringLiteral(" °C");
    const QString together = QStringLiteral("\u00a0°C");
    question.replace(apart, together);
    QString reason = item.reason;
    reason.replace(apart, together);
    return {question, item.answer, reason, {}, 2};
}

sheets::Worksheet worksheet(std::span<const MeltingPoint> substances) {
    sheets::Worksheet sheet{QStringLiteral("Melting Points"),
                            QStringLiteral("Is each substance a solid, a liquid or a gas at room "
                                           "temperature? Say why."),
                            false,
                            {}};
    for (const MeltingPoint& substance : substances)
        sheet.parts.emplace_back(onPaper(MeltingPointsScreen::itemFor(substance)));
    return sheet;
}

}  // namespace meltingpoints
