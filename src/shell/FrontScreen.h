// intro0: the hub with the title, the five menu tabs, the publisher's web address and the exit.
#pragma once

#include "forms/Screen.h"
#include "shell/HoverRule.h"

namespace forms {
class CommandButton;
class Label;
class PictureBox;
}  // namespace forms

namespace shell {

class FrontScreen : public forms::Screen {
  public:
    explicit FrontScreen(forms::Screens& screens);
    void load() override;

    // Starts reading the pictures the front screen and the menus show, ahead of "OK".
    static void prefetchPictures(forms::Screens& screens);

  private:
    void tabClicked(int index);
    void exitClicked();

    forms::Label& Label1;
    forms::ControlArray<forms::Label>& Label2;
    forms::PictureBox& Image2;
    forms::Label& Label3;
    forms::CommandButton& Command1;
    HoverRule m_hover;
};

}  // namespace shell
