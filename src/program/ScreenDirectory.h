// Every screen of the program by name: the shell's, each activity's, the Jotter's.
#pragma once

namespace forms {
class Screens;
}

namespace program {

void defineScreens(forms::Screens& screens);

}  // namespace program
