// Word equations laid out as rows, each with a blank that a board's target box fills.
#pragma once

#include <QString>
#include <span>

#include "forms/Font.h"

namespace forms {
class Screen;
}

namespace labelling {

// A static piece of an equation: its text, spaces and all, its left edge and its design width.
struct EquationText {
    const char* text;
    float left;
    float width;
};

// One equation row: the text before the arrow (Label5), whether it hugs the arrow, and the text
// after it (Label6). The row's blank is a target box of the board, standing in the row.
struct EquationRow {
    float top;
    EquationText before;
    bool beforeRightAligned;
    EquationText after;
};

// Where the reaction arrow stands on every row (its top relative to the row's).
inline constexpr float kEquationArrowLeft = 6660;

// The reaction arrow. Tahoma has none; DejaVu Sans draws it large and clear enough for the back
// of the room.
QString reactionArrow();
forms::FontSpec arrowFont(float points, bool bold = false);

// Builds the rows on the screen as the arrays Label5 (before), Label6 (after) and Label7 (arrows),
// in the type given; the arrow's left is the same on every row.
void addEquationRows(forms::Screen& screen, std::span<const EquationRow> rows,
                     const forms::FontSpec& textFont, float arrowLeft = kEquationArrowLeft);

}  // namespace labelling
