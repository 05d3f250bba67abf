// Whether a label draws its caption whole, for every table whose captions land in a label.
#pragma once

#include <QString>
#include <vector>

#include "forms/Font.h"

namespace forms {
class Label;
}

namespace testing_support {

// Every font the screens draw text in: each size they use, in both house families, plain and
// bold, so that a caption checked here fits whichever of them a screen gives it.
std::vector<forms::FontSpec> houseFonts();
QString fontName(const forms::FontSpec& font);

// What the label cuts from its caption as it draws it, or empty when it draws it whole: each of
// the caption's own lines on one line (none wrapped, none below the label's bottom edge) and
// every pixel of ink inside the label.
QString captionCut(const forms::Label& label);

}  // namespace testing_support
