// acidsandalkalis: six neutralisation equations with a term missing from each, a board of six.
#pragma once

#include "labelling/LabellingBoard.h"

namespace forms {
class Shape;
}

namespace labelling {

class AcidsAlkalisScreen : public LabellingBoard {
  public:
    explicit AcidsAlkalisScreen(forms::Screens& screens);

  protected:
    void setUpScreen() override;
    forms::Label& messageLabel() override { return Label10; }
    bool revealsMessage() const override { return true; }
    void resetMessage() override;

  private:
    forms::ControlArray<forms::Label>& Label5;  // equation text before the arrow
    forms::ControlArray<forms::Label>& Label6;  // equation text after the arrow
    forms::ControlArray<forms::Label>& Label7;  // reaction arrows
    forms::Label& Label8;
    forms::Label& Label12;
    forms::Label& Label11;
    forms::Shape& Shape1;
    forms::Label& Label9;
    forms::Label& Label10;
};

}  // namespace labelling
