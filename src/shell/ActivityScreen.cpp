#include "shell/ActivityScreen.h"

#include <QFontMetricsF>
#include <cmath>

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screens.h"
#include "shell/HouseLooks.h"
#include "shell/ScreenFrame.h"
#include "shell/ScreenNames.h"

namespace shell {

using namespace forms;

namespace {

const FontSpec kTitleFont = tahoma(24, true);
// Air each side of the title's caption inside its box.
constexpr float kTitlePadding = 240;

}  // namespace

ActivityScreen::ActivityScreen(Screens& screens, const ActivityId& id, const ActivityFrame& frame)
    : Screen(screens, id.screen),
      m_caption(id.caption),
      m_frame(frame),
      m_chooseList(id.chooseList) {
    // The title bar names the teacher's list in force; the screen's own title stays as designed.
    setCaption(id.listTitle.isEmpty() ? id.caption
                                      : id.caption + QStringLiteral(" \u2013 ") + id.listTitle);
    if (frame.title) {
        lbltitle = &add<Label>(QStringLiteral("lbltitle"), {0, kTitleTop, 0, kTitleHeight});
        lbltitle->setLook(boxedLook(kTitleFont));
        lbltitle->setCaption(id.caption);
        const double textPx = QFontMetricsF(kTitleFont.toQFont()).horizontalAdvance(id.caption);
        const float width = toTwips(std::ceil(textPx)) + 2 * kTitlePadding;
        // Centred on the outer width, as the menus centre theirs.
        lbltitle->setRect({(FrameWidth - width) / 2, kTitleTop, width, kTitleHeight});
    }
    // Design places; the frame puts each where the house wants it.
    const TwipRect column{ButtonColumnLeft, ButtonRowTop, ButtonWidth, ButtonHeight};
    cmdexit = addButton(frame.houseExit, "cmdexit",
                        {ExitButtonLeft, ButtonRowTop, ButtonWidth, ButtonHeight});
    cmdgo = addButton(frame.next, "cmdgo", column);
    cmdjotter = addButton(frame.jotter, "cmdjotter", column);
    cmdsoln = addButton(frame.answer, "cmdsoln", column);
    cmdcheckit = addButton(frame.check, "cmdcheckit", column);
    // The frame gives scramble a picture but no place: it stands left of the column's foot.
    cmdscramble =
        addButton(frame.scramble, "cmdscramble",
                  {ButtonColumnLeft - ButtonWidth - 120, ButtonRowTop, ButtonWidth, ButtonHeight});
    if (m_chooseList) {
        cmdlist = &add<CommandButton>(QStringLiteral("cmdlist"), ListButtonPlace);
        cmdlist->onClick = [this] { m_chooseList(); };
    }
    if (frame.marks) {
        imgtick = &add<PictureBox>(QStringLiteral("imgtick"), MarkPlace);
        imgcross = &add<PictureBox>(QStringLiteral("imgcross"), MarkPlace);
        imgtick->setAutoSize(true);
        imgcross->setAutoSize(true);
    }

    onKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        return activityKey(key, modifiers) || listKey(key, modifiers) || remoteKey(key, modifiers);
    };
    if (cmdexit) cmdexit->onClick = [this] { exitActivity(); };
    if (cmdjotter) {
        cmdjotter->onClick = [this] {
            const QString jotter = QString::fromLatin1(kJotterScreen);
            if (this->screens().isDefined(jotter)) this->screens().show(jotter);
        };
    }
}

CommandButton* ActivityScreen::addButton(bool wanted, const char* name, const TwipRect& rect) {
    if (!wanted) return nullptr;
    return &add<CommandButton>(QString::fromLatin1(name), rect);
}

// L, or Ctrl+L where the activity takes L itself (Hangman's letters).
bool ActivityScreen::listKey(int key, Qt::KeyboardModifiers modifiers) {
    if (!m_chooseList || key != Qt::Key_L) return false;
    const Qt::KeyboardModifiers others = modifiers & ~(Qt::ControlModifier | Qt::KeypadModifier);
    if (others != Qt::NoModifier) return false;
    m_chooseList();
    return true;
}

void ActivityScreen::load() {
    ApplyScreenFrame(*this);
    if (m_frame.back) setBackColour(*m_frame.back);
    // Never a blank bar: a button whose picture cannot be had says what it does.
    for (const HouseButton& house : HouseButtons) {
        auto* button = find<CommandButton>(QString::fromLatin1(house.name));
        if (button && !button->hasPicture()) {
            button->setFont(tahoma(12, true));
            button->setCaption(QString::fromLatin1(house.words));
        }
    }
    setUp();
}

void ActivityScreen::exitActivity() {
    screens().unload(name());
}

}  // namespace shell
