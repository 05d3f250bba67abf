// Titlefrm: the first screen and the last; "OK" (or "Cancel") leads on, "Exit" ends the program.
#pragma once

#include "forms/Screen.h"

namespace forms {
class CommandButton;
class Label;
class Panel;
class PictureBox;
}  // namespace forms

namespace shell {

class TitleScreen : public forms::Screen {
  public:
    explicit TitleScreen(forms::Screens& screens);
    void load() override;
    // Starts reading the title's picture, at the screens' scale, on a worker thread, at any
    // size: at the program's start there is other work to do meanwhile.
    static void prefetchPictures(forms::Screens& screens);

    // The title picture did not load even on the fallback's second attempt.
    bool pictureMissing() const { return m_pictureMissing; }

  private:
    bool loadAtDesignSize();
    void fallBackToHouseFrame();

    forms::Panel& Frame1;
    forms::Label& Label4;
    forms::PictureBox& Picture1;
    forms::Label& Label3;
    forms::CommandButton& Command1;
    forms::CommandButton& Command2;
    forms::Label& Label2;
    bool m_pictureMissing = false;
};

}  // namespace shell
