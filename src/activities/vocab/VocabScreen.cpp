#include "activities/vocab/VocabScreen.h"

#include "activities/vocab/HandPointer.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Screens.h"
#include "shell/HouseStyle.h"
#include "shell/RemoteKeys.h"
#include "shell/ScreenFrame.h"

namespace vocab {

using namespace forms;
using shell::ScreenBlue;

namespace {

// The letter tiles inside the letter panel, group 1 first.
struct TileDesign {
    const char* name;
    float left;
    float top;
    float width;
};
constexpr TileDesign kTiles[kGroupCount] = {
    {"Label0", 240, 180, 600},   {"Label1", 990, 210, 600},    {"Label2", 1710, 210, 600},
    {"Label3", 2475, 210, 600},  {"Label4", 3225, 210, 600},   {"Label5", 3960, 210, 600},
    {"Label6", 4710, 210, 600},  {"Label7", 5460, 210, 600},   {"Label8", 6225, 210, 600},
    {"Label9", 7005, 210, 1320}, {"Label12", 8445, 210, 600},  {"Label13", 9210, 210, 600},
    {"Label14", 210, 750, 600},  {"Label15", 975, 765, 600},   {"Label16", 1710, 765, 600},
    {"Label17", 2475, 750, 600}, {"Label18", 3225, 750, 600},  {"Label19", 3960, 765, 600},
    {"Label20", 4710, 765, 600}, {"Label21", 5460, 765, 2085}, {"Label24", 7710, 780, 2115},
};
constexpr float kTileHeight = 405;
constexpr TwipRect kTermListPlace{3630, 2655, 4560, 405};
// Design places that the frame moves and the load handler gives back.
constexpr TwipRect kTermPicturePlace{3180, 3240, 5460, 1530};
constexpr TwipRect kExitPlace{8280, 165, 1125, 420};

const QString kSelect = QStringLiteral("Select");

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

VocabScreen::VocabScreen(Screens& screens)
    : Screen(screens, QString::fromLatin1(kScreenName)),
      Label56(add<Label>(QStringLiteral("Label56"), {525, 300, 10860, 675})),
      Frame2(add<Panel>(QStringLiteral("Frame2"), {945, 1125, 10020, 1320})),
      m_tiles(addTiles()),
      m_termLists(addTermLists()),
      Image1(add<PictureBox>(QStringLiteral("Image1"), kTermPicturePlace)),
      Label57(add<Label>(QStringLiteral("Label57"), {8865, 3735, 2430, 495})),
      Frame1(add<Panel>(QStringLiteral("Frame1"), {375, 5730, 10950, 1710})),
      Label55(add<Label>(QStringLiteral("Label55"), {195, 645, 10515, 930}, &Frame1)),
      framestatus(add<Panel>(QStringLiteral("framestatus"), {945, 7515, 9480, 780})),
      cmdexit(add<CommandButton>(QStringLiteral("cmdexit"), kExitPlace, &framestatus)) {
    setCaption(QStringLiteral("Mathematical Vocabulary"));

    Label56.setLook({.font = tahoma(24), .fore = kYellow, .align = Align::Centre});
    Label56.setCaption(QStringLiteral("Click on a letter"));

    Image1.setAutoSize(true);
    Image1.setVisible(false);

    Label57.setLook({.font = tahoma(18, true),
                     .fore = kYellow,
                     .back = kBlack,
                     .border = true,
                     .align = Align::Centre});
    Label57.setCaption(QStringLiteral("The problem"));
    Label57.setVisible(false);

    Frame1.setTitle(QStringLiteral("Discuss...."));
    Frame1.setTitleLook(tahoma(24, true), kYellow);
    Frame1.setVisible(false);
    Label55.setLook({.font = tahoma(36), .fore = kYellow, .align = Align::Centre});

    Label57.onClick = [this] { this->screens().show(QString::fromLatin1(kProblemScreenName)); };
    Label57.onMouseMove = [this](const MouseEvent&) { Label57.setOpaque(true); };
    onMouseMove = [this](const MouseEvent&) { Label57.setOpaque(false); };
    cmdexit.onClick = [this] { leave(); };
    // An open term list takes the keys itself, Escape closing it; only with it shut is Escape
    // the screen's exit.
    onKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        if (letterKey(key, modifiers)) return true;
        if (shell::remoteStep(key, modifiers) != shell::RemoteStep::Exit) return false;
        leave();
        return true;
    };
}

std::array<Label*, kGroupCount> VocabScreen::addTiles() {
    std::array<Label*, kGroupCount> tiles{};
    const QCursor hand = handPointer();
    for (int i = 0; i < kGroupCount; ++i) {
        const TileDesign& design = kTiles[i];
        Label& tile = add<Label>(QString::fromLatin1(design.name),
                                 {design.left, design.top, design.width, kTileHeight}, &Frame2);
        tile.setLook({.font = tahoma(14.25f, true),
                      .fore = kYellow,
                      .border = true,
                      .align = Align::Centre});
        tile.setCaption(text(glossaryGroups()[i].tileCaption));
        tile.setPointer(hand);
        const int group = i + 1;
        tile.onClick = [this, group] { openGroup(group); };
        tiles[i] = &tile;
    }
    return tiles;
}

std::array<ComboBox*, kGroupCount> VocabScreen::addTermLists() {
    std::array<ComboBox*, kGroupCount> lists{};
    for (int i = 0; i < kGroupCount; ++i) {
        ComboBox& list = add<ComboBox>(QStringLiteral("Combo%1").arg(i + 1), kTermListPlace);
        list.setFont(tahoma(12));
        list.setText(kSelect);
        list.setVisible(false);
        const int group = i + 1;
        list.onClick = [this, group] { showChosenTerm(group); };
        lists[i] = &list;
    }
    return lists;
}

void VocabScreen::load() {
    for (int group = 1; group <= kGroupCount; ++group) {
        for (std::string_view term : glossaryGroups()[group - 1].terms)
            termList(group).addItem(text(term));
    }

    shell::ApplyScreenFrame(*this);

    // The frame puts the exit button at the foot of the screen, which in this button strip is
    // below its visible height, and makes the term picture the board picture at the top right,
    // where a term's picture would run off the screen. Both go back to their design places: the
    // exit button in view at the right of the strip, keeping the house size its picture is drawn
    // for with its right edge where the design's is; the term picture, empty until a term with a
    // picture is chosen, between the term list and the discussion panel.
    cmdexit.setRect({kExitPlace.right() - shell::ButtonWidth, kExitPlace.top, shell::ButtonWidth,
                     shell::ButtonHeight});
    Image1.clearPicture();
    Image1.move(kTermPicturePlace.left, kTermPicturePlace.top);

    setBackColour(ScreenBlue);
    Frame1.setBackColour(ScreenBlue);
    Frame2.setBackColour(ScreenBlue);
    for (ComboBox* list : m_termLists) list->setColours(kWhite, ScreenBlue);

    cmdexit.loadPicture(QStringLiteral("Images\\exit.jpg"));
}

// A letter typed opens its tile's group and puts the keyboard on its term list, ready to open.
bool VocabScreen::letterKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return false;
    if (key < Qt::Key_A || key > Qt::Key_Z) return false;
    const QChar letter(u'A' + (key - Qt::Key_A));
    for (int i = 0; i < kGroupCount; ++i) {
        if (!text(glossaryGroups()[i].tileCaption).contains(letter)) continue;
        openGroup(i + 1);
        screens().setKeyboardInUse(true);
        termList(i + 1).widget()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void VocabScreen::openGroup(int group) {
    termList(group).setText(kSelect);
    Frame1.setVisible(false);
    for (int other = 1; other <= kGroupCount; ++other) termList(other).setVisible(other == group);
    Image1.clearPicture();
    Label57.setVisible(false);
}

void VocabScreen::showChosenTerm(int group) {
    ComboBox& list = termList(group);
    const QString term = list.chosenItem();
    Image1.clearPicture();
    Label57.setVisible(false);
    Label55.setCaption(term);
    if (const PictureTerm* withPicture = findPictureTerm(term.toStdString())) {
        // A missing picture file leaves the picture area empty; the term is still shown.
        Image1.loadPicture(text(withPicture->picture));
        if (withPicture->hasProblem) Label57.setVisible(true);
        Image1.setVisible(true);
    }
    list.setText(kSelect);
    Frame1.setVisible(true);
}

void VocabScreen::leave() {
    // The bridge problem belongs to this screen and goes with it.
    screens().unload(QString::fromLatin1(kProblemScreenName));
    const QString menu = QString::fromLatin1(kMenuName);
    if (screens().isDefined(menu)) screens().show(menu);
    screens().unload(name());
}

}  // namespace vocab
