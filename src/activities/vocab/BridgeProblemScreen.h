// The Königsberg bridge problem, stated for the class; opened from the glossary's problem button.
#pragma once

#include "forms/Screen.h"

namespace forms {
class CommandButton;
class Label;
class PictureBox;
}  // namespace forms

namespace vocab {

class BridgeProblemScreen : public forms::Screen {
  public:
    explicit BridgeProblemScreen(forms::Screens& screens);
    void load() override;

    static constexpr auto kScreenName = "bridgeproblem";

  protected:
    void scaleChanged() override;

  private:
    void placePicture();
    void close();

    forms::Label& lbltitle;
    forms::PictureBox& imgbridges;
    forms::Label& lblcity;
    forms::Label& lblquestion;
    forms::Label& lblrules;
    forms::CommandButton& cmdexit;
};

}  // namespace vocab
