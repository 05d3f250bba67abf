#include "shell/TitleScreen.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Platform.h"
#include "forms/Screens.h"
#include "pictures/Pictures.h"
#include "shell/AppIcon.h"
#include "shell/FrontScreen.h"
#include "shell/ScreenFrame.h"
#include "shell/Texts.h"

namespace shell {

using namespace forms;

namespace {
constexpr Colour kTitleGrey = fromBgr(0x00C0C0C0);
constexpr Colour kTitleBlue = fromBgr(0x00FF0000);
constexpr auto kTitlePicture = "opening\\kal2h000.jpg";
}  // namespace

TitleScreen::TitleScreen(Screens& screens)
    : Screen(screens, QStringLiteral("Titlefrm")),
      Frame1(add<Panel>(QStringLiteral("Frame1"), {0, -90, 5480, 6660})),
      Label4(add<Label>(QStringLiteral("Label4"), {120, 180, 5175, 1455}, &Frame1)),
      Picture1(add<PictureBox>(QStringLiteral("Picture1"), {300, 1560, 4800, 3600}, &Frame1)),
      Label3(add<Label>(QStringLiteral("Label3"), {360, 5370, 4695, 615}, &Frame1)),
      Command1(add<CommandButton>(QStringLiteral("Command1"), {1320, 6000, 1335, 375}, &Frame1)),
      Command2(add<CommandButton>(QStringLiteral("Command2"), {2760, 6000, 1335, 375}, &Frame1)),
      Label2(add<Label>(QStringLiteral("Label2"), {0, 6420, 5415, 255}, &Frame1)) {
    setClientSize(5460, 6570);
    setCaption(QStringLiteral(" "));
    setBackColour(kTitleGrey);
    setIcon(appIcon());

    Label4.setLook(
        {.font = timesNewRoman(26.25f, true), .fore = kTitleBlue, .align = Align::Centre});
    Label4.setCaption(QString::fromUtf8(kProductTitle));
    Picture1.setOpaque(true);
    Picture1.setBorder(true);
    Label3.setLook({.font = timesNewRoman(15.75f), .fore = kTitleBlue, .align = Align::Centre});
    Label3.setCaption(QString::fromUtf8(kAuthorsCredit));
    Label2.setLook({.font = arial(8.25f), .fore = kTitleBlue, .align = Align::Centre});
    Label2.setCaption(QString::fromUtf8(kPublisherLine));
    for (CommandButton* button : {&Command1, &Command2}) {
        button->setTakesFocus(true);
        button->setBackColour(kTitleGrey);
        button->setFont(tahoma(8.25f));
    }
    Command1.setCaption(QStringLiteral("OK"));
    Command2.setCaption(QStringLiteral("Exit"));
    // The labels and the panel take no focus, so the first button has it and Enter presses it.
    Command1.setFocus();

    Command1.onClick = [this] {
        this->screens().show(QStringLiteral("intro0"));
        this->screens().unload(name());
    };
    Command2.onClick = [this] { this->screens().endProgram(); };
}

void TitleScreen::load() {
    if (!loadAtDesignSize()) fallBackToHouseFrame();
    // "OK" shows the front screen: its large picture is read while the title is on view rather
    // than after the click (at 1.8, 16 ms of the front screen's 23 ms).
    FrontScreen::prefetchPictures(screens());
}

void TitleScreen::prefetchPictures(forms::Screens& screens) {
    screens.pictures().prefetch(QString::fromLatin1(kTitlePicture), screens.scale().factor(),
                                pictures::Pictures::Worker::Always);
}

bool TitleScreen::loadAtDesignSize() {
    const QSizeF display = displaySize();
    setTop(static_cast<float>(display.height()) / 2 - height() / 2);
    setLeft(static_cast<float>(display.width()) / 2 - width() / 2);
    return Picture1.loadPicture(QString::fromLatin1(kTitlePicture));
}

void TitleScreen::fallBackToHouseFrame() {
    ApplyScreenFrame(*this);
    Frame1.toFront();
    // Without the picture even now the screen still works; it shows the blue box instead.
    m_pictureMissing = !Picture1.loadPicture(QString::fromLatin1(kTitlePicture));
}

}  // namespace shell
