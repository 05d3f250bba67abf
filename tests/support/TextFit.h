// Whether a caption shows whole in its place: the check every content table is put through.
#pragma once

#include <QString>

#include "forms/Font.h"
#include "forms/Twips.h"

namespace forms {

// Drawn as a label draws it (word-wrapped within the place's pixels, a border taking a pixel
// each side): no line cut off at the foot and no word running past the sides.
bool captionFits(const QString& caption, const FontSpec& font, const TwipRect& place,
                 bool border = false);

}  // namespace forms
