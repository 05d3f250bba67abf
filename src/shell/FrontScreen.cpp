#include "shell/FrontScreen.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Platform.h"
#include "forms/Screens.h"
#include "pictures/Pictures.h"
#include "shell/HouseStyle.h"
#include "shell/MenuTable.h"
#include "shell/MenuTabs.h"
#include "shell/PublisherAddress.h"
#include "shell/ScreenFrame.h"
#include "shell/Texts.h"

namespace shell {

using namespace forms;

namespace {
constexpr int kWebAddress = 6;
constexpr auto kBackground = "Images\\kal2he24.jpg";
constexpr auto kLogo = "Images\\logo2.jpg";
}  // namespace

FrontScreen::FrontScreen(Screens& screens)
    : Screen(screens, QStringLiteral("intro0")),
      Label1(add<Label>(QStringLiteral("Label1"), {360, 120, 11220, 825})),
      Label2(addArray<Label>(QStringLiteral("Label2"))),
      Image2(add<PictureBox>(QStringLiteral("Image2"), {180, 5700, 1500, 2085})),
      Label3(add<Label>(QStringLiteral("Label3"), {7680, 8160, 3990, 315})),
      Command1(add<CommandButton>(QStringLiteral("Command1"), {60, 7950, 1785, 495})),
      m_hover(*this) {
    setCaption(QStringLiteral("Corvane"));

    Label1.setLook({.font = tahoma(27.75f, true),
                    .fore = TitleYellow,
                    .back = TitleBlack,
                    .border = true,
                    .align = Align::Centre});
    Label1.setCaption(QString::fromUtf8(kProductTitle));

    addFirstMenuTab(Label2);
    const QString shown = shownAddress(QString::fromUtf8(kPublisherUrl));
    Label& address = Label2.add(kWebAddress, {8520, 7680, 3315, 375});
    address.setLook({.font = addressFont(shown, address.width()),
                     .fore = TitleYellow,
                     .back = TitleBlack,
                     .opaque = true,
                     .border = true,
                     .align = Align::Centre});
    address.setCaption(shown);

    Image2.setBorder(true);

    Label3.setLook({.font = tahoma(9.75f), .fore = TitleYellow, .align = Align::Right});
    Label3.setCaption(QString::fromUtf8(kOwnershipLine));

    // Only a pass over the background clears a highlight; the web address stays opaque.
    m_hover.add(Label1);
    m_hover.add(Label2, 0, kMenuTabCount);
    Label2.onMouseMove = [this, tabs = Label2.onMouseMove](int index, const MouseEvent& event) {
        if (index == kWebAddress)
            Label2[index].setOpaque(true);
        else
            tabs(index, event);
    };
    Label2.onClick = [this](int index) { tabClicked(index); };
    Command1.onClick = [this] { exitClicked(); };
}

void FrontScreen::load() {
    ApplyScreenFrame(*this);
    setBackColour(ScreenBlue);
    // A missing picture is skipped: the screen works without it.
    loadPicture(QString::fromLatin1(kBackground));
    Image2.loadPicture(QString::fromLatin1(kLogo));
    setUpExitButton(Command1);
    loadMenuTabs(Label2);
}

void FrontScreen::prefetchPictures(Screens& screens) {
    for (const char* picture : {kBackground, kLogo})
        screens.pictures().prefetch(QString::fromLatin1(picture), screens.scale().factor());
}

void FrontScreen::tabClicked(int index) {
    if (index >= 0 && index < kMenuTabCount)
        screens().show(menuScreenName(kMenuLayouts[index].number));
    else if (index == kWebAddress)
        // Whether the browser came up makes no difference: the screen goes either way.
        platform().openUrl(openedAddress(QString::fromUtf8(kPublisherUrl)));
    screens().unload(name());
}

void FrontScreen::exitClicked() {
    // Reaching into the title screen loads it afresh; "Cancel" there leads back here.
    Screen& title = screens().load(QStringLiteral("Titlefrm"));
    if (auto* first = title.find<CommandButton>(QStringLiteral("Command1")))
        first->setCaption(QStringLiteral("Cancel"));
    screens().show(QStringLiteral("Titlefrm"));
    screens().unload(name());
}

}  // namespace shell
