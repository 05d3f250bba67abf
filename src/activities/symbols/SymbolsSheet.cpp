#include "activities/symbols/SymbolsSheet.h"

namespace symbols {

sheets::Worksheet worksheet(std::span<const chem::SchoolElement> elements) {
    sheets::Worksheet sheet{QStringLiteral("Chemical Symbols"),
                            QStringLiteral("Write the symbol of each element named, and the name "
                                           "of each element whose symbol is given."),
                            false,
                            {}};
    for (std::size_t i = 0; i < elements.size(); ++i) {
        // Exactly as the table writes them: "Cl", never "CL".
        const QString name = QString::fromUtf8(elements[i].name);
        const QString symbol = QString::fromUtf8(elements[i].symbol);
        if (i % 2 == 0)
            sheet.parts.emplace_back(sheets::Question{
                QStringLiteral("The symbol for %1").arg(name), symbol, {}, {}, 1});
        else
            sheet.parts.emplace_back(sheets::Question{
                QStringLiteral("The element with the symbol %1").arg(symbol), name, {}, {}, 1});
    }
    return sheet;
}

}  // namespace symbols
