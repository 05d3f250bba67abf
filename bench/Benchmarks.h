// The benchmarks, registered in the order the table lists them.
#pragma once

#include <string>

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

void registerStartUp();
void registerLesson();
void registerPointerWork();
void registerMemory();
void registerGrowth();

}  // namespace bench
