#include "shell/ScreenFrame.h"

#include "forms/CommandButton.h"
#include "forms/PictureBox.h"
#include "forms/Platform.h"
#include "forms/Screen.h"
#include "shell/HouseStyle.h"

namespace shell {

using forms::CommandButton;
using forms::PictureBox;
using forms::Screen;

namespace {

// Stacks a right-hand column button directly on top of the one below it. The top is read from
// the button below when this runs; with that one absent the top is left as it was.
void stackAbove(CommandButton* button, const CommandButton* below) {
    if (!button) return;
    button->setHeight(ButtonHeight);
    if (below) button->setTop(below->top() - button->height());
    button->setWidth(ButtonWidth);
    button->setLeft(ButtonColumnLeft);
    button->setTabStop(false);
}

}  // namespace

void ApplyScreenFrame(Screen& screen) {
    screen.setBackColour(HouseBlue);
    screen.clearIcon();

    if (auto* picture1 = screen.find<PictureBox>(QStringLiteral("Picture1")))
        picture1->setBackColour(HouseBlue);

    screen.setWidth(FrameWidth);
    screen.setHeight(FrameHeight);

    const QSizeF display = screen.displaySize();
    screen.platform().setBusyPointer(true);
    // Single-precision twips, no clamping: on a small display the screen overhangs all edges.
    screen.setTop(static_cast<float>(display.height()) / 2 - screen.height() / 2);
    screen.setLeft(static_cast<float>(display.width()) / 2 - screen.width() / 2);
    screen.platform().setBusyPointer(false);

    for (const HouseButton& house : HouseButtons) {
        if (auto* button = screen.find<CommandButton>(QString::fromLatin1(house.name))) {
            button->loadPicture(QString::fromLatin1(house.picture));
            // Its face is a picture: a screen reader says what it does.
            button->setDescription(QString::fromLatin1(house.words));
            button->setLastInTabOrder(true);
            button->setFaceCorner(ButtonCorner);
        }
    }

    auto* next = screen.find<CommandButton>(QStringLiteral("cmdgo"));
    auto* jotter = screen.find<CommandButton>(QStringLiteral("cmdjotter"));
    auto* answer = screen.find<CommandButton>(QStringLiteral("cmdsoln"));
    auto* check = screen.find<CommandButton>(QStringLiteral("cmdcheckit"));
    if (next) {
        next->setTop(ButtonRowTop);
        next->setWidth(ButtonWidth);
        next->setLeft(ButtonColumnLeft);
        next->setHeight(ButtonHeight);
        next->setTabStop(false);
    }
    if (jotter) {
        jotter->setLeft(ButtonColumnLeft);
        jotter->setHeight(ButtonHeight);
        if (next) jotter->setTop(next->top() - jotter->height());
        jotter->setWidth(ButtonWidth);
        jotter->setTabStop(false);
    }
    stackAbove(answer, jotter);
    stackAbove(check, answer);

    if (auto* exit = screen.find<CommandButton>(QStringLiteral("cmdexit"))) {
        exit->setTop(ButtonRowTop);
        exit->setWidth(ButtonWidth);
        exit->setLeft(ExitButtonLeft);
        exit->setHeight(ButtonHeight);
        exit->setTabStop(false);
    }

    if (auto* board = screen.find<PictureBox>(QStringLiteral("Image1"))) {
        board->loadPicture(QStringLiteral("IMAGES\\BOARD.WMF"));
        board->setTop(90);
        board->setLeft(10200);
    }

    auto* tick = screen.find<PictureBox>(QStringLiteral("imgtick"));
    auto* cross = screen.find<PictureBox>(QStringLiteral("imgcross"));
    if (tick) tick->move(MarkPlace.left, MarkPlace.top);
    if (cross) cross->move(MarkPlace.left, MarkPlace.top);
    if (cross) cross->loadPicture(QStringLiteral("images\\cross.jpg"));
    if (tick) tick->loadPicture(QStringLiteral("images\\tick.jpg"));
    if (tick) tick->setVisible(false);
    if (cross) cross->setVisible(false);
}

}  // namespace shell
