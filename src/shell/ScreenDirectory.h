// Every screen of the program by name: the one list a new activity adds a line to.
#pragma once

namespace forms {
class Screens;
}

namespace shell {

void defineScreens(forms::Screens& screens);

}  // namespace shell
