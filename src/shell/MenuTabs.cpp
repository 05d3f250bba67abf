#include "shell/MenuTabs.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "shell/HouseStyle.h"
#include "shell/MenuTable.h"

namespace shell {

using namespace forms;

namespace {
constexpr float kTabStep = 750;
constexpr int kUnusedTab = 5;
constexpr float kUnusedTabDrop = 4500;
}  // namespace

Label& addFirstMenuTab(ControlArray<Label>& tabs) {
    Label& first = tabs.add(0, {9600, 2400, 2235, 495});
    first.setLook({.font = tahoma(18, true),
                   .fore = TitleYellow,
                   .back = TabBlue,
                   .border = true,
                   .align = Align::Centre});
    first.setCaption(QString::fromLatin1(kMenuLayouts[0].title));
    first.setVisible(false);
    return first;
}

void loadMenuTabs(ControlArray<Label>& tabs) {
    for (int i = 1; i < kMenuTabCount; ++i) {
        Label& tab = tabs.load(i);
        tab.setLeft(tabs[0].left());
        tab.setTop(tabs[0].top() + kTabStep * static_cast<float>(i));
    }
    Label& unused = tabs.load(kUnusedTab);
    unused.move(tabs[0].left(), tabs[0].top() + kUnusedTabDrop);
    unused.setCaption(QStringLiteral("WWW Links"));
    unused.setEnabled(false);

    for (int i = 1; i < kMenuTabCount; ++i)
        tabs[i].setCaption(QString::fromLatin1(kMenuLayouts[i].title));
    for (int i = 0; i < kMenuTabCount; ++i) tabs[i].setVisible(true);
}

void setUpExitButton(CommandButton& button) {
    // Without its picture the button would be a blank grey bar, so it says what it does.
    if (!button.loadPicture(QStringLiteral("Images\\exit.jpg"))) {
        button.setFont(tahoma(12, true));
        button.setCaption(QStringLiteral("Exit"));
    }
    button.setDescription(QStringLiteral("Exit"));
    button.setLastInTabOrder(true);
    button.setFaceCorner(ButtonCorner);
    button.setWidth(ButtonWidth);
    button.setHeight(ButtonHeight);
    button.setLeft(ExitButtonLeft);
    button.setTop(ButtonRowTop);
}

}  // namespace shell
