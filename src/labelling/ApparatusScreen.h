// equipment: ten pictures of laboratory apparatus to label, a board of ten items.
#pragma once

#include "labelling/LabellingBoard.h"

namespace forms {
class PictureBox;
}

namespace labelling {

class ApparatusScreen : public LabellingBoard {
  public:
    explicit ApparatusScreen(forms::Screens& screens);

  protected:
    void setUpScreen() override;
    forms::Label& messageLabel() override { return Label5; }
    bool revealsMessage() const override { return false; }
    void resetMessage() override;
    void sizeHomeBox(int i) override;

  private:
    forms::ControlArray<forms::PictureBox>& Image1;
    forms::Label& Label5;
};

}  // namespace labelling
