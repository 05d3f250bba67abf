#include "kit/labelling/EquationRows.h"

#include "forms/Label.h"
#include "forms/Screen.h"
#include "shell/HouseStyle.h"

namespace labelling {

using namespace forms;

namespace {

constexpr float kTextHeight = 435;
// The arrow glyph sits low in its line; lifted so that it points along the middle of the text.
constexpr float kArrowRise = -135;
constexpr float kArrowWidth = 495;
constexpr float kArrowHeight = 525;

}  // namespace

QString reactionArrow() {
    return QStringLiteral("\u2192");
}

FontSpec arrowFont(float points, bool bold) {
    return {QStringLiteral("DejaVu Sans"), points, bold};
}

void addEquationRows(Screen& screen, std::span<const EquationRow> rows, const FontSpec& textFont,
                     float arrowLeft) {
    auto& before = screen.addArray<Label>(QStringLiteral("Label5"));
    auto& after = screen.addArray<Label>(QStringLiteral("Label6"));
    auto& arrows = screen.addArray<Label>(QStringLiteral("Label7"));
    const LabelLook look{.font = textFont, .fore = shell::TitleYellow, .autoSize = true};
    for (int row = 0; row < std::ssize(rows); ++row) {
        const EquationRow& equation = rows[static_cast<size_t>(row)];
        Label& left = before.add(
            row, {equation.before.left, equation.top, equation.before.width, kTextHeight});
        LabelLook leftLook = look;
        if (equation.beforeRightAligned) leftLook.align = Align::Right;
        left.setLook(leftLook);
        left.setCaption(QString::fromUtf8(equation.before.text));

        Label& right =
            after.add(row, {equation.after.left, equation.top, equation.after.width, kTextHeight});
        right.setLook(look);
        right.setCaption(QString::fromUtf8(equation.after.text));

        Label& arrow =
            arrows.add(row, {arrowLeft, equation.top + kArrowRise, kArrowWidth, kArrowHeight});
        arrow.setLook({.font = arrowFont(24), .fore = shell::TitleYellow, .align = Align::Centre});
        arrow.setCaption(reactionArrow());
    }
}

}  // namespace labelling
