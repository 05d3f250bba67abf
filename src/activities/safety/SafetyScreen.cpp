#include "activities/safety/SafetyScreen.h"

#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Screens.h"
#include "shell/HouseStyle.h"
#include "shell/RemoteKeys.h"
#include "shell/ScreenFrame.h"

namespace safety {

using namespace forms;

namespace {
constexpr auto kLabPicture = "Images\\lab.jpg";
constexpr int kTaskShownMs = 5000;
}  // namespace

SafetyScreen::SafetyScreen(Screens& screens)
    : Screen(screens, QString::fromLatin1(kScreenName)),
      Image1(addArray<PictureBox>(QStringLiteral("Image1"))),
      Frame1(add<Panel>(QStringLiteral("Frame1"), {0, -120, 4335, 1215})),
      Label1(add<Label>(QStringLiteral("Label1"), {120, 240, 4035, 975}, &Frame1)),
      Label3(addArray<Label>(QStringLiteral("Label3"))),
      Timer1(platform()) {
    setCaption(QStringLiteral("Safety in the Lab"));

    // Shown at its own size: whatever the picture's size, nothing is stretched.
    PictureBox& picture = Image1.add(0, {0, -240, 12000, 8730});
    picture.setAutoSize(true);
    // The picture was placed first, so the panel and the exit label are drawn above it.
    Frame1.toFront();

    Label1.setLook({.font = arial(18, true),
                    .fore = rgb(0, 0, 255),
                    .align = Align::Centre,
                    .wordWrap = true});
    Label1.setCaption(QStringLiteral("Make a list of unsafe behaviour in the lab."));

    Label& exit = Label3.add(0, {10560, 7920, 1245, 495});
    exit.setLook({.font = tahoma(15.75f, true),
                  .fore = shell::TitleYellow,
                  .back = shell::TitleBlack,
                  .opaque = true,
                  .border = true,
                  .align = Align::Centre});
    exit.setCaption(QStringLiteral("Exit"));
    Label3.onClick = [this](int index) {
        if (index == 0) this->screens().unload(name());
    };
    // Escape leaves as the Exit label does; the picture has no steps for a remote to walk.
    onKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        if (shell::remoteStep(key, modifiers) != shell::RemoteStep::Exit) return false;
        this->screens().unload(name());
        return true;
    };

    // Counting starts when the screen is created, not when it is first shown.
    Timer1.onTimer = [this] { timerTick(); };
    Timer1.setInterval(kTaskShownMs);
    Timer1.setEnabled(true);
}

void SafetyScreen::load() {
    shell::ApplyScreenFrame(*this);
    setBackColour(shell::DeepBlue);
    // Without the picture the deep blue background shows and the screen still works.
    Image1[0].loadPictureWhenRead(QString::fromLatin1(kLabPicture));
}

void SafetyScreen::timerTick() {
    Frame1.setVisible(false);
    Timer1.setEnabled(false);
}

}  // namespace safety
