#include "labelling/AcidsAlkalisScreen.h"

#include "forms/Shape.h"
#include "labelling/NeutralisationItems.h"
#include "shell/HouseStyle.h"

namespace labelling {

using namespace forms;

namespace {

const BoardDesign kDesign{
    .items = kNeutralisationItems, .font = tahoma(15.75f), .scoreSuffix = " scored "};

// Tahoma has no arrows; DejaVu Sans draws U+2192 large and clear enough for the back of the room.
const QString kArrow = QStringLiteral("\u2192");
FontSpec arrowFont(float points, bool bold = false) {
    return {QStringLiteral("DejaVu Sans"), points, bold};
}
constexpr float kTextHeight = 435;
// The arrow glyph sits low in its line; lifted so that it points along the middle of the text.
constexpr TwipRect kArrowPlace{6660, -135, 495, 525};
constexpr Colour kLightCyan = fromBgr(0x00FFFF80);

}  // namespace

AcidsAlkalisScreen::AcidsAlkalisScreen(Screens& screens)
    : LabellingBoard(screens, QStringLiteral("acidsandalkalis"), kDesign),
      Label5(addArray<Label>(QStringLiteral("Label5"))),
      Label6(addArray<Label>(QStringLiteral("Label6"))),
      Label7(addArray<Label>(QStringLiteral("Label7"))),
      Label8(add<Label>(QStringLiteral("Label8"), {2280, 240, 2700, 480})),
      Label12(add<Label>(QStringLiteral("Label12"), {5400, -60, 720, 885})),
      Label11(add<Label>(QStringLiteral("Label11"), {6600, 240, 2595, 480})),
      Shape1(add<Shape>(QStringLiteral("Shape1"), {2040, 120, 7455, 735})),
      Label9(add<Label>(QStringLiteral("Label9"), {120, 7920, 2625, 585})),
      Label10(add<Label>(QStringLiteral("Label10"), {3720, 6060, 4545, 585})) {
    setCaption(QStringLiteral("Acids and Alkalis"));

    const LabelLook equationLook{.font = tahoma(18), .fore = shell::TitleYellow, .autoSize = true};
    for (int row = 0; row < std::ssize(kEquationRows); ++row) {
        const EquationRow& equation = kEquationRows[row];
        Label& before = Label5.add(
            row, {equation.before.left, equation.top, equation.before.width, kTextHeight});
        LabelLook beforeLook = equationLook;
        if (equation.beforeRightAligned) beforeLook.align = Align::Right;
        before.setLook(beforeLook);
        before.setCaption(QString::fromUtf8(equation.before.text));

        Label& after =
            Label6.add(row, {equation.after.left, equation.top, equation.after.width, kTextHeight});
        after.setLook(equationLook);
        after.setCaption(QString::fromUtf8(equation.after.text));

        Label& arrow = Label7.add(row, {kArrowPlace.left, equation.top + kArrowPlace.top,
                                        kArrowPlace.width, kArrowPlace.height});
        arrow.setLook({.font = arrowFont(24), .fore = shell::TitleYellow, .align = Align::Centre});
        arrow.setCaption(kArrow);
    }

    const LabelLook titleLook{.font = arial(20.25f, true), .fore = shell::TitleYellow};
    Label8.setLook(titleLook);
    Label8.setCaption(QStringLiteral("Acid  +  Alkali"));
    Label11.setLook(titleLook);
    Label11.setCaption(QStringLiteral("Salt  +  Water"));
    Label12.setLook(
        {.font = arrowFont(36, true), .fore = shell::TitleYellow, .align = Align::Centre});
    Label12.setCaption(kArrow);
    // A plain yellow rectangle, 2 px: it reads on the deep blue where a thin black line would not.
    Shape1.setKind(Shape::Kind::Rectangle);
    Shape1.setLine(shell::TitleYellow, 2);

    // Two lines: the caption wraps within the label's width.
    Label9.setLook({.font = tahoma(9.75f, true), .fore = kLightCyan, .align = Align::Centre});
    Label9.setCaption(QString::fromUtf8(kNeutralisationInstruction));
    Label10.setLook(
        {.font = tahoma(21.75f, true), .fore = shell::TitleYellow, .align = Align::Centre});
    Label10.setVisible(false);
}

void AcidsAlkalisScreen::setUpScreen() {
    setBackColour(shell::DeepBlue);
}

void AcidsAlkalisScreen::resetMessage() {
    Label10.setVisible(false);
}

}  // namespace labelling
