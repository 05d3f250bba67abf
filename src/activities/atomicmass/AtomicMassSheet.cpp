#include "activities/atomicmass/AtomicMassSheet.h"

#include "activities/atomicmass/AtomicMassScreen.h"

namespace atomicmass {

sheets::Worksheet worksheet(std::span<const char* const> formulas) {
    sheets::Worksheet sheet{QStringLiteral("Atomic Mass"),
                            QStringLiteral("Work out the relative formula mass of each formula "
                                           "from the key. Show your working."),
                            false,
                            {}};
    QStringList key;
    for (const chem::AtomicMass& element : chem::kAtomicMassKey)
        key << QStringLiteral("%1\u00a0=\u00a0%2").arg(QLatin1String(element.symbol.data(),
                                                          qsizetype(element.symbol.size())),
                                             QString::number(element.mass));
    sheet.parts.emplace_back(sheets::Note{QStringLiteral("Relative atomic masses:   ") +
                                          key.join(QStringLiteral("     "))});
    for (const char* formula : formulas) {
        const quiz::QuizItem item = AtomicMassScreen::itemFor(formula);
        QString question = item.question;
        question.replace(QLatin1Char('\n'), QLatin1Char(' '));
        sheet.parts.emplace_back(sheets::Question{question, item.answer, {}, {}, 2});
    }
    return sheet;
}

}  // namespace atomicmass
