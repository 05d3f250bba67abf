// The ten molecules of the Molecular Models quiz and the atom key shown above them.
#pragma once

#include <QString>
#include <QStringView>
#include <span>

namespace molecules {

// How the subscript digit sits after the formula text.
enum class SubscriptPlacement {
    AfterText,    // straight after the last letter
    FixedOffset,  // at a fixed distance from the formula's left edge (water's "H O")
};

struct MoleculeEntry {
    const char* key;  // the formula on one line ("CO2"); also names the picture file
    const char* classification;
    const char* formula;    // without the digit ("CO", "H O")
    const char* subscript;  // the digit, or empty
    SubscriptPlacement placement;
    const char* name;

    QString picturePath() const;
};

// Where water's digit goes: into the space between H and O.
inline constexpr float kFixedSubscriptOffset = 300;

// Left edge of the subscript label, given the formula label after it has taken its new text.
float subscriptLeft(const MoleculeEntry& entry, float formulaLeft, float formulaWidth);

// One picture of the atom key with its caption underneath.
struct AtomKeyEntry {
    int slot;
    const char* picture;
    const char* caption;
    float pictureLeft;
    float captionLeft;
    float captionWidth;
};

inline constexpr float kAtomPictureTop = 120;
inline constexpr float kAtomPictureSize = 1200;
inline constexpr float kAtomCaptionTop = 1320;
inline constexpr float kAtomCaptionHeight = 435;

class MoleculeCatalogue {
  public:
    // The molecules in draw order: the index drawn is the row shown.
    static std::span<const MoleculeEntry> entries();
    static int count() { return static_cast<int>(entries().size()); }
    // Null outside 0 to count() - 1.
    static const MoleculeEntry* at(int index);
    // Exact, case-sensitive match on the key; null when no row has it.
    static const MoleculeEntry* find(QStringView key);

    // The five atoms in slot order.
    static std::span<const AtomKeyEntry> atomKey();
};

}  // namespace molecules
