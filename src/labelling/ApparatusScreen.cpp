#include "labelling/ApparatusScreen.h"

#include "forms/PictureBox.h"
#include "labelling/ApparatusItems.h"
#include "shell/HouseStyle.h"

namespace labelling {

using namespace forms;

namespace {
const BoardDesign kDesign{
    .items = kApparatusItems, .font = tahoma(11.25f, true), .scoreSuffix = " correct"};
}

ApparatusScreen::ApparatusScreen(Screens& screens)
    : LabellingBoard(screens, QStringLiteral("equipment"), kDesign),
      Image1(addArray<PictureBox>(QStringLiteral("Image1"))),
      Label5(add<Label>(QStringLiteral("Label5"), {240, 7260, 7695, 615})) {
    setCaption(QStringLiteral("Laboratory Apparatus"));
    for (int slot = 0; slot < std::ssize(kApparatusPictures); ++slot) {
        const TwipRect& target = kApparatusItems[kApparatusPictures[slot].item].target;
        PictureBox& picture = Image1.add(slot, {target.left, target.top - kApparatusPictureHeight,
                                                kApparatusPictureWidth, kApparatusPictureHeight});
        // Beneath every label, whatever size the picture turns out to be.
        picture.toBack();
    }
    Label5.setLook({.font = tahoma(20.25f), .fore = shell::TitleYellow, .align = Align::Centre});
    Label5.setCaption(QString::fromUtf8(kApparatusInstruction));
}

void ApparatusScreen::setUpScreen() {
    // A missing picture leaves its box empty; the screen works without it.
    for (int slot = 0; slot < std::ssize(kApparatusPictures); ++slot)
        loadPictureToFit(Image1[slot], QString::fromLatin1(kApparatusPictures[slot].file));
}

void ApparatusScreen::resetMessage() {
    Label5.setCaption(QString::fromUtf8(kApparatusInstruction));
}

void ApparatusScreen::sizeHomeBox(int i) {
    // The width of target box i; the height stays as designed.
    Label4[i].setWidth(Label1[i].width());
}

}  // namespace labelling
