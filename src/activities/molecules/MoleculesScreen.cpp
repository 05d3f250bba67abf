#include "activities/molecules/MoleculesScreen.h"

#include "activities/molecules/MoleculeCatalogue.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screens.h"
#include "kit/quiz/RandomDraw.h"
#include "pictures/Pictures.h"
#include "shell/HouseStyle.h"
#include "shell/RemoteKeys.h"
#include "shell/ScreenFrame.h"
#include "shell/ScreenNames.h"

namespace molecules {

using namespace forms;

namespace {

constexpr int kMenu = 2;

// The answer labels by index.
constexpr int kClassification = 0;
constexpr int kFormula = 1;
constexpr int kName = 2;
constexpr int kSubscript = 3;

// The molecule picture's anchor: its right edge and its vertical centre.
constexpr float kPictureRight = 11400;
constexpr float kPictureMiddle = 4800;
// Gap between the answer button and the next button below it.
constexpr float kAnswerButtonGap = 60;

const LabelLook kQuestionLook{.font = tahoma(21.75f, true), .fore = kYellow};
const LabelLook kAnswerLook{.font = tahoma(21.75f, true), .fore = kGreen, .autoSize = true};
const LabelLook kSubscriptLook{
    .font = tahoma(14.25f, true), .fore = kGreen, .align = Align::Centre, .autoSize = true};
const LabelLook kAtomCaptionLook{.font = tahoma(12, true), .fore = kYellow, .align = Align::Centre};

}  // namespace

MoleculesScreen::MoleculesScreen(Screens& screens)
    : Screen(screens, QString::fromLatin1(kScreenName)),
      Label20(add<Label>(QStringLiteral("Label20"), {240, 1920, 11400, 555})),
      Label3(add<Label>(QStringLiteral("Label3"), {240, 3360, 6135, 1245})),
      Label4(add<Label>(QStringLiteral("Label4"), {240, 5040, 3930, 525})),
      Label1(addArray<Label>(QStringLiteral("Label1"))),
      Image2(add<PictureBox>(QStringLiteral("Image2"), {6480, 2640, 4875, 4500})),
      Image1(addArray<PictureBox>(QStringLiteral("Image1"))),
      Label2(addArray<Label>(QStringLiteral("Label2"))),
      cmdgo(add<CommandButton>(QStringLiteral("cmdgo"), {10050, 7950, 1785, 495})),
      cmdsoln(add<CommandButton>(QStringLiteral("cmdsoln"), {10050, 6960, 1785, 495})),
      cmdexit(add<CommandButton>(QStringLiteral("cmdexit"), {60, 7950, 1785, 495})) {
    setCaption(QStringLiteral("Molecular Models"));

    Label20.setLook(kQuestionLook);
    Label20.setCaption(QStringLiteral("Is the molecule below a compound or an element?"));
    Label3.setLook(kQuestionLook);
    Label3.setCaption(QStringLiteral("What is its chemical formula?"));
    Label4.setLook(kQuestionLook);
    Label4.setCaption(QStringLiteral("What is its name?"));

    Label1.add(kClassification, {240, 7080, 2370, 525}).setLook(kAnswerLook);
    Label1.add(kFormula, {3360, 7080, 630, 525}).setLook(kAnswerLook);
    Label1.add(kName, {5040, 7080, 3300, 525}).setLook(kAnswerLook);
    Label1.add(kSubscript, {4005, 7320, 180, 345}).setLook(kSubscriptLook);
    for (int i : {kClassification, kFormula, kName, kSubscript}) {
        Label1[i].setVisible(false);
        m_answers.add(Label1[i]);
    }

    Image2.setAutoSize(true);

    for (const AtomKeyEntry& atom : MoleculeCatalogue::atomKey()) {
        Image1
            .add(atom.slot, {atom.pictureLeft, kAtomPictureTop, kAtomPictureSize, kAtomPictureSize})
            .setAutoSize(true);
    }
    for (const AtomKeyEntry& atom : MoleculeCatalogue::atomKey()) {
        Label& caption = Label2.add(
            atom.slot, {atom.captionLeft, kAtomCaptionTop, atom.captionWidth, kAtomCaptionHeight});
        caption.setLook(kAtomCaptionLook);
        caption.setCaption(QString::fromLatin1(atom.caption));
    }

    cmdgo.onClick = [this] { next(); };
    cmdsoln.onClick = [this] { reveal(); };
    cmdexit.onClick = [this] { exit(); };
    onKey = [this](int key, Qt::KeyboardModifiers modifiers) { return remoteKey(key, modifiers); };
}

void MoleculesScreen::load() {
    shell::ApplyScreenFrame(*this);
    setBackColour(shell::ScreenBlue);
    // A missing atom picture leaves its slot empty; the key is only a legend.
    for (const AtomKeyEntry& atom : MoleculeCatalogue::atomKey())
        Image1[atom.slot].loadPictureWhenRead(QString::fromLatin1(atom.picture));
    cmdsoln.setTop(cmdgo.top() - cmdgo.height() - kAnswerButtonGap);
    next();
}

TwipRect MoleculesScreen::pictureSpot(float width, float height) {
    return {kPictureRight - width, kPictureMiddle - height / 2, width, height};
}

void MoleculesScreen::next() {
    m_answers.hide();
    calculate();
}

void MoleculesScreen::calculate() {
    const int index = quiz::drawIndex(platform(), MoleculeCatalogue::count());
    const MoleculeEntry& drawn = *MoleculeCatalogue::at(index);
    m_currentKey = QString::fromLatin1(drawn.key);
    Image2.setVisible(false);
    // In projector mode the picture may come in after the screen shows; by then another
    // molecule may have been drawn, whose picture is the one to show.
    showMoleculeWhenRead(drawn.picturePath());
}

void MoleculesScreen::showMoleculeWhenRead(const QString& path) {
    pictures().whenReadAtFactorInForce(
        path, [this] { return scale().factor(); }, Image2.widget(),
        [this, path, key = m_currentKey] {
            // Next was pressed while it was read: that molecule's picture is on its way.
            if (key == m_currentKey) showMolecule(path);
        });
}

void MoleculesScreen::showMolecule(const QString& picturePath) {
    // Without its picture the molecule is still the one drawn: the questions stand alone and
    // the answer button reveals its answers.
    if (!Image2.loadPicture(picturePath)) return;
    // Behind every label, so that text overlapping a large picture stays readable.
    Image2.toBack();
    Image2.setRect(pictureSpot(Image2.width(), Image2.height()));
    Image2.setVisible(true);
}

void MoleculesScreen::reveal() {
    if (const MoleculeEntry* shown = MoleculeCatalogue::find(m_currentKey)) {
        Label1[kClassification].setCaption(QString::fromLatin1(shown->classification));
        Label& formula = Label1[kFormula];
        formula.setCaption(QString::fromLatin1(shown->formula));
        Label1[kName].setCaption(QString::fromLatin1(shown->name));
        Label& subscript = Label1[kSubscript];
        subscript.setCaption(QString::fromLatin1(shown->subscript));
        subscript.setLeft(subscriptLeft(*shown, formula.left(), formula.width()));
    }
    m_answers.show();
}

bool MoleculesScreen::hideAnswer() {
    m_answers.hide();
    return true;
}

void MoleculesScreen::exit() {
    // The menus may not all be built yet; without menu 2 the screen still closes.
    const QString menu = shell::menuScreenName(kMenu);
    if (screens().isDefined(menu)) screens().show(menu);
    screens().unload(name());
}

}  // namespace molecules
