// Ball-and-stick molecules from real bond lengths and angles, and the matching atom key.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace assets {

enum class Element { C, H, O, N, Cl };

// 80 x 80 pixels (the 1200-twip key box) times `scale`: one shaded ball on the screen blue.
QImage drawAtom(Element element, int scale = 1);

// 320 x 300 pixels times `scale`: the molecule of that key ("CO2", "HCl", ...); nothing for an
// unknown key.
std::optional<QImage> drawMolecule(const QString& key, int scale = 1);

}  // namespace assets
