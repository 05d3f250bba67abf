#include "activities/atomicmass/AtomicMassSheet.h"

#include "activities/atomicmass/AtomicMassScreen.h"

namespace atomicmass {

sheets::Note keyNote(std::span<const chem::AtomicMass> key) {
    QStringList shown;
    for (const chem::AtomicMass& element : key)
        shown << QStringLiteral("%1\u00a0=\u00a0%2")
                     .arg(QLatin1String(element.symbol.data(), qsizetype(element.symbol.size())),
                          chem::formatMass(element.mass));
    return {QStringLiteral("Relative atomic masses:   ") + shown.join(QStringLiteral("     "))};
}

sheets::Question onPaper(const quiz::QuizItem& item) {
    QString question = item.question;
    question.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {question, item.answer, {}, {}, 2};
}

sheets::Worksheet worksheet(std::span<const char* const> formulas) {
    sheets::Worksheet sheet{QStringLiteral("Atomic Mass"),
                            QStringLiteral("Work out the relative formula mass of each formula "
                                           "from the key. Show your working."),
                            false,
                            {}};
    sheet.parts.emplace_back(keyNote(chem::kAtomicMassKey));
    for (const char* formula : formulas)
        sheet.parts.emplace_back(onPaper(AtomicMassScreen::itemFor(formula)));
    return sheet;
}

}  // namespace atomicmass
