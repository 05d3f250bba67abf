#include "ChildProcess.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace bench {

namespace {

// The frame report arrives on this descriptor in the child.
constexpr int kFrameFd = 3;

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

ProcessRun runProcess(const std::string& program, const std::string& workingDir,
                      const std::vector<std::string>& arguments, const char* platform) {
    ProcessRun run;
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    int frame[2];
    if (pipe2(frame, O_CLOEXEC) != 0) return run;

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // dup2 clears close-on-exec on the copy, so only the report descriptor survives exec.
        if (dup2(frame[1], kFrameFd) < 0 || chdir(workingDir.c_str()) != 0) _exit(127);
        setenv("QT_QPA_PLATFORM", platform, 1);
        setenv("KINDREL_FRAME_FD", std::to_string(kFrameFd).c_str(), 1);
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) dup2(devNull, STDERR_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(frame[1]);
    if (pid < 0) {
        close(frame[0]);
        return run;
    }
    char byte = 0;
    if (read(frame[0], &byte, 1) == 1) run.firstFrameMs = msSince(start);
    close(frame[0]);

    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.wholeMs = msSince(start);
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

}  // namespace bench
