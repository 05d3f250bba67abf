// Every screen of the program by name: the shell's, each activity's, the Jotter's.
#pragma once

namespace forms {
class Screens;
}

namespace program {

class TeacherLists;

// With teachers' lists, the activities that take them play the one in force and offer the
// chooser where there are lists to choose; without, every activity plays its own.
void defineScreens(forms::Screens& screens, TeacherLists* lists = nullptr);

}  // namespace program
