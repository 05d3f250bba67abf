#include "activities/molecules/MoleculesSheet.h"

#include "kit/chem/FormulaText.h"

namespace molecules {

sheets::Worksheet worksheet(std::span<const MoleculeEntry> molecules) {
    sheets::Worksheet sheet{QStringLiteral("Molecular Models"),
                            QStringLiteral("Name each molecule, write its formula, and say whether "
                                           "it is an element or a compound."),
                            false,
                            {}};
    for (const MoleculeEntry& molecule : molecules) {
        sheet.parts.emplace_back(sheets::PictureLines{
            molecule.picturePath(),
            {QStringLiteral("Name"), QStringLiteral("Formula"),
             QStringLiteral("Element or compound")},
            {QString::fromUtf8(molecule.name), chem::withSubscripts(std::string_view(molecule.key)),
             QString::fromUtf8(molecule.classification)}});
    }
    return sheet;
}

}  // namespace molecules
