// The benchmarks, registered in the order the table lists them.
#pragma once

#include <string>

namespace bench {

// Where the program's picture folders are (the build folder), and the bench programs.
std::string buildDir();
std::string benchDir();

void registerStartUp();
void registerLesson();
void registerPointerWork();
void registerMemory();
void registerGrowth();

}  // namespace bench
