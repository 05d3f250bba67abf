#include "shell/BackdropScreen.h"

#include "shell/HouseStyle.h"

namespace shell {

BackdropScreen::BackdropScreen(forms::Screens& screens) : Screen(screens, QStringLiteral("Grey")) {}

void BackdropScreen::load() {
    setBackColour(BackdropBlue);
}

}  // namespace shell
