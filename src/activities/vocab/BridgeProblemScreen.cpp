#include "activities/vocab/BridgeProblemScreen.h"

#include "activities/vocab/VocabScreen.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Scale.h"
#include "forms/Screens.h"
#include "pictures/Pictures.h"
#include "shell/HouseStyle.h"
#include "shell/RemoteKeys.h"
#include "shell/ScreenFrame.h"

namespace vocab {

using namespace forms;

namespace {

// The picture keeps its own size when it fits this area and is scaled down when it does not.
constexpr TwipRect kPictureArea{1725, 1200, 8460, 2700};

}  // namespace

BridgeProblemScreen::BridgeProblemScreen(Screens& screens)
    : Screen(screens, QString::fromLatin1(kScreenName)),
      lbltitle(add<Label>(QStringLiteral("lbltitle"), {1725, 300, 8460, 675})),
      imgbridges(add<PictureBox>(QStringLiteral("imgbridges"), kPictureArea)),
      lblcity(add<Label>(QStringLiteral("lblcity"), {525, 4050, 10860, 1110})),
      lblquestion(add<Label>(QStringLiteral("lblquestion"), {525, 5250, 10860, 1110})),
      lblrules(add<Label>(QStringLiteral("lblrules"), {525, 6450, 10860, 1110})),
      cmdexit(add<CommandButton>(QStringLiteral("cmdexit"), {60, 7950, 1785, 495})) {
    setCaption(QStringLiteral("The Königsberg Bridge Problem"));

    lbltitle.setLook({.font = tahoma(24),
                      .fore = shell::TitleYellow,
                      .back = shell::TitleBlack,
                      .opaque = true,
                      .align = Align::Centre});
    lbltitle.setCaption(QStringLiteral("The Königsberg Bridge Problem"));

    const LabelLook text{.font = tahoma(20), .fore = kWhite, .align = Align::Centre};
    lblcity.setLook(text);
    lblcity.setCaption(QStringLiteral(
        "In the old city of Königsberg the river Pregel split the land into four parts. "
        "Seven bridges joined them."));
    lblquestion.setLook({.font = tahoma(22), .fore = kYellow, .align = Align::Centre});
    lblquestion.setCaption(QStringLiteral(
        "Can you plan a walk through the city that crosses every bridge exactly once?"));
    lblrules.setLook(text);
    lblrules.setCaption(QStringLiteral(
        "Start and finish wherever you like. No bridge may be crossed twice, and there is no "
        "other way over the river."));

    cmdexit.onClick = [this] { close(); };
    // Escape closes it, as it leaves every other screen.
    onKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        if (shell::remoteStep(key, modifiers) != shell::RemoteStep::Exit) return false;
        close();
        return true;
    };
}

void BridgeProblemScreen::load() {
    shell::ApplyScreenFrame(*this);
    setBackColour(shell::ScreenBlue);
    placePicture();
}

void BridgeProblemScreen::scaleChanged() {
    placePicture();
}

void BridgeProblemScreen::placePicture() {
    const QString file = QStringLiteral("Images\\kbridge.jpg");
    std::optional<QImage> picture = pictures().load(file, scale().factor());
    if (!picture) return;
    // Fitted in the pixels of the designs, so that its place in twips is the same at any scale.
    const QRect area = kPictureArea.toPixels();
    const QSize natural = pictures::designSize(*picture);
    QSize fitted = natural;
    if (fitted.width() > area.width() || fitted.height() > area.height())
        fitted = fitted.scaled(area.size(), Qt::KeepAspectRatio);
    QImage shown = *picture;
    if (fitted != natural) {
        shown =
            shown.scaled(scale().pixels(fitted), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        shown.setDevicePixelRatio(scale().factor());
    }
    imgbridges.setPicture(shown);
    imgbridges.setPicturePath(file);
    const float width = toTwips(fitted.width());
    const float height = toTwips(fitted.height());
    imgbridges.setRect({kPictureArea.left + (kPictureArea.width - width) / 2,
                        kPictureArea.top + (kPictureArea.height - height) / 2, width, height});
}

void BridgeProblemScreen::close() {
    // Back to the glossary, loading it again should it have gone, so that closing the problem
    // never ends the program.
    screens().show(QString::fromLatin1(VocabScreen::kScreenName));
    screens().unload(name());
}

}  // namespace vocab
