// safety: the laboratory picture, with the task shown for its first five seconds.
#pragma once

#include "forms/Screen.h"
#include "forms/Timer.h"

namespace forms {
class Label;
class Panel;
class PictureBox;
}  // namespace forms

namespace safety {

class SafetyScreen : public forms::Screen {
  public:
    static constexpr char kScreenName[] = "safety";

    explicit SafetyScreen(forms::Screens& screens);
    void load() override;

    forms::Timer& timer() { return Timer1; }

  private:
    void timerTick();

    forms::ControlArray<forms::PictureBox>& Image1;
    forms::Panel& Frame1;
    forms::Label& Label1;
    forms::ControlArray<forms::Label>& Label3;
    forms::Timer Timer1;
};

}  // namespace safety
