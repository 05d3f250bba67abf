// Whether a teacher's text has room where a screen shows it, told as the teacher will read it.
#pragma once

#include <QString>
#include <optional>

#include "forms/Font.h"
#include "forms/Twips.h"

namespace lists {

// "the clue is too long for its box (it needs 3 lines, the box holds 2)", or nullopt when the
// text shows whole, measured as a label draws it. `what` names the field ("the clue").
std::optional<QString> tooLongFor(const QString& what, const QString& text,
                                  const forms::FontSpec& font, const forms::TwipRect& box,
                                  bool border = false);

// The first reason of several, or nullopt when none has one.
template <class... Reasons>
std::optional<QString> firstOf(Reasons&&... reasons) {
    std::optional<QString> first;
    ((first = first ? first : std::optional<QString>(reasons)), ...);
    return first;
}

}  // namespace lists
