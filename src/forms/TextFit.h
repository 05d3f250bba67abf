// Whether a caption shows whole in its place, measured as a label draws it: the check every
// content table is put through, and the one a teacher's list is held to.
#pragma once

#include <QString>

#include "forms/Font.h"
#include "forms/Twips.h"

namespace forms {

// Drawn as a label draws it (word-wrapped within the place's pixels, a border taking a pixel
// each side): no line cut off at the foot and no word running past the sides.
bool captionFits(const QString& caption, const FontSpec& font, const TwipRect& place,
                 bool border = false);

// How a caption lies in its place, in lines of the font.
struct TextRoom {
    int linesNeeded = 0;       // word-wrapped at the place's width
    int linesHeld = 0;         // whole lines in the place's height
    bool wordTooWide = false;  // a word (or a formula) wider than the place on its own
    bool fits() const { return !wordTooWide && linesNeeded <= linesHeld; }
};
TextRoom textRoom(const QString& caption, const FontSpec& font, const TwipRect& place,
                  bool border = false);

}  // namespace forms
