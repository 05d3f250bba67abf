// The benchmarks, registered in the order the table lists them.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace program {
class Program;
}

namespace bench {

// The classroom displays projector mode is measured on, with the factor --fit gives each.
struct ProjectorDisplay {
    const char* name;
    double factor;
};
inline constexpr ProjectorDisplay kProjectorDisplays[] = {{"1920 x 1080", 1.8},
                                                          {"3840 x 2160", 3.6}};

// Where the program's picture folders are (the build folder), and the bench programs.
std::string buildDir();
std::string benchDir();

// Design size first, then each projector display's factor.
std::vector<double> factors();
// "" at design size, " at 1920 x 1080 (1.8)" in projector mode.
std::string atDisplay(double factor);
// A program as main() makes it, except that its end does not quit this process; at a projector
// factor as --scale gives it.
std::unique_ptr<program::Program> freshProgram(double factor = 1.0);

void registerStartUp();
void registerLesson();
void registerActivities();
void registerPointerWork();
void registerMemory();
void registerGrowth();
void registerKeyboardWork();
void registerLists();
void registerWorksheets();

}  // namespace bench
