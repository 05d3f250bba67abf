// Grey: a plain backdrop screen in BackdropBlue.
#pragma once

#include "forms/Screen.h"

namespace shell {

class BackdropScreen : public forms::Screen {
  public:
    explicit BackdropScreen(forms::Screens& screens);
    void load() override;
};

}  // namespace shell
