#include "activities/molecules/MoleculeCatalogue.h"

#include <array>

namespace molecules {

namespace {

using enum SubscriptPlacement;

constexpr std::array<MoleculeEntry, 10> kMolecules{{
    {"CO2", "Compound", "CO", "2", AfterText, "Carbon dioxide"},
    {"H2", "Element", "H", "2", AfterText, "Hydrogen"},
    {"H2O", "Compound", "H  O", "2", FixedOffset, "Water"},
    {"CH4", "Compound", "CH", "4", AfterText, "Methane"},
    {"NH3", "Compound", "NH", "3", AfterText, "Ammonia"},
    {"HCl", "Compound", "HCl", "", AfterText, "Hydrochloric Acid"},
    {"N2", "Element", "N", "2", AfterText, "Nitrogen"},
    {"O2", "Element", "O", "2", AfterText, "Oxygen"},
    {"CCl4", "Compound", "CCl", "4", AfterText, "Carbon tetrachloride"},
    {"CO", "Compound", "CO", "", AfterText, "Carbon monoxide"},
}};

constexpr std::array<AtomKeyEntry, 5> kAtomKey{{
    {0, "Images\\Catom.jpg", "carbon atom", 960, 600, 1905},
    {1, "Images\\Hatom.jpg", "hydrogen atom", 3120, 2520, 2505},
    {2, "Images\\Oatom.jpg", "oxygen atom", 5280, 4800, 2145},
    {3, "Images\\Natom.jpg", "nitrogen atom", 7440, 6960, 2265},
    {4, "Images\\Clatom.jpg", "chlorine atom", 9600, 9240, 2025},
}};

}  // namespace

QString MoleculeEntry::picturePath() const {
    return QStringLiteral("Images\\") + QLatin1String(key) + QStringLiteral(".jpg");
}

float subscriptLeft(const MoleculeEntry& entry, float formulaLeft, float formulaWidth) {
    if (entry.placement == SubscriptPlacement::FixedOffset)
        return formulaLeft + kFixedSubscriptOffset;
    return formulaLeft + formulaWidth;
}

std::span<const MoleculeEntry> MoleculeCatalogue::entries() {
    return kMolecules;
}

const MoleculeEntry* MoleculeCatalogue::at(int index) {
    if (index < 0 || index >= count()) return nullptr;
    return &kMolecules[static_cast<std::size_t>(index)];
}

const MoleculeEntry* MoleculeCatalogue::find(QStringView key) {
    for (const MoleculeEntry& entry : kMolecules) {
        if (key == QLatin1String(entry.key)) return &entry;
    }
    return nullptr;
}

std::span<const AtomKeyEntry> MoleculeCatalogue::atomKey() {
    return kAtomKey;
}

}  // namespace molecules
