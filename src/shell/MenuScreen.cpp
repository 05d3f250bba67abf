#include "shell/MenuScreen.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "shell/HouseStyle.h"
#include "shell/MenuTabs.h"
#include "shell/ScreenFrame.h"

namespace shell {

using namespace forms;

namespace {
constexpr int kEntryCount = 5;
constexpr int kSixth = 5;
constexpr float kEntryStep = 750;
}  // namespace

MenuScreen::MenuScreen(Screens& screens, const MenuDesign& design)
    : Screen(screens, menuScreenName(design.number)),
      m_design(design),
      Label1(add<Label>(QStringLiteral("Label1"), {4297.5f, 120, 3405, 900})),
      Label3(addArray<Label>(QStringLiteral("Label3"))),
      Label2(addArray<Label>(QStringLiteral("Label2"))),
      Command1(add<CommandButton>(QStringLiteral("Command1"), {60, 7950, 1785, 495})),
      m_hover(*this) {
    setCaption(QStringLiteral("Corvane"));

    Label1.setLook({.font = tahoma(36, true),
                    .fore = TitleYellow,
                    .back = TitleBlack,
                    .opaque = true,
                    .border = true,
                    .align = Align::Centre});
    Label1.setCaption(QString::fromLatin1(design.title));

    Label& firstEntry = Label3.add(0, {0, 2400, design.entryWidth, 495});
    firstEntry.setLook({.font = tahoma(15.75f, true),
                        .fore = TitleYellow,
                        .back = TitleBlack,
                        .opaque = true,
                        .border = true,
                        .align = Align::Centre});
    firstEntry.setCaption(QString::fromLatin1(design.entries[0].caption));
    firstEntry.setVisible(!design.hasSixthEntry);

    addFirstMenuTab(Label2);

    // Entries stay opaque and ignore the pointer.
    m_hover.add(Label1);
    m_hover.add(Label2, 0, kMenuTabCount);
    Label2.onClick = [this](int index) { tabClicked(index); };
    Label3.onClick = [this](int index) { entryClicked(index); };
    Command1.onClick = [this] { exitClicked(); };
}

void MenuScreen::load() {
    ApplyScreenFrame(*this);
    setBackColour(ScreenBlue);
    // The front screen owns the picture; reading it loads that screen, unseen, when it is not
    // loaded yet.
    setPicture(screens().load(QString::fromLatin1(kFrontScreen)).picture());
    setUpExitButton(Command1);

    // Centred on the outer width, as every framed screen is laid out.
    Label1.setLeft((FrameWidth - Label1.width()) / 2);
    Label3[0].setLeft((FrameWidth - Label3[0].width()) / 2);

    loadMenuTabs(Label2);
    for (int i = 1; i < kEntryCount; ++i) {
        Label& entry = Label3.load(i);
        entry.setLeft(Label3[0].left());
        entry.setTop(Label3[0].top() + kEntryStep * static_cast<float>(i));
        entry.setCaption(QString::fromLatin1(m_design.entries[i].caption));
    }
    if (m_design.hasSixthEntry) {
        Label& sixth = Label3.load(kSixth);
        sixth.move(Label3[0].left(), kSixthEntryTop);
        sixth.setCaption(QString::fromLatin1(m_design.sixthEntry.caption));
    }

    for (int i = 0; i < kEntryCount; ++i) Label3[i].setVisible(true);
    // An empty sixth entry stays hidden and plays no part.
    if (m_design.hasSixthEntry && *m_design.sixthEntry.caption) Label3[kSixth].setVisible(true);
}

void MenuScreen::tabClicked(int index) {
    if (index < 0 || index >= kMenuTabCount || index == m_design.number - 1) return;
    screens().show(menuScreenName(kMenuLayouts[index].number));
    screens().unload(name());
}

// The menu stays loaded beneath the activity, which gives it back by unloading itself. An
// activity that has no screen yet leaves its entry doing nothing.
void MenuScreen::entryClicked(int index) {
    const MenuEntry* entry = nullptr;
    if (index >= 0 && index < kEntryCount)
        entry = &m_design.entries[index];
    else if (index == kSixth && m_design.hasSixthEntry)
        entry = &m_design.sixthEntry;
    if (!entry || !*entry->screen) return;
    const QString screen = QString::fromLatin1(entry->screen);
    if (screens().isDefined(screen)) screens().show(screen);
}

void MenuScreen::exitClicked() {
    screens().show(QString::fromLatin1(kFrontScreen));
    screens().unload(name());
}

}  // namespace shell
