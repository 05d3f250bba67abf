// Runs one of the bench programs as a process of its own and measures it from outside.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct ProcessRun {
    bool ok = false;          // exited with status 0
    double firstFrameMs = 0;  // from fork to the first frame reported (0 when none was)
    double wholeMs = 0;       // from fork to exit
    double peakMiB = 0;       // largest resident set, from the kernel's accounting
    double cpuMs = 0;         // user and system time of the whole run
};

// Starts program (a path) in workingDir on a Qt platform ("offscreen", or "xcb" for the X server
// that DISPLAY names) and waits for it.
ProcessRun runProcess(const std::string& program, const std::string& workingDir,
                      const std::vector<std::string>& arguments = {},
                      const char* platform = "offscreen");

}  // namespace bench
