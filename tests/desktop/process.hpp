#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kolva::desktop {

// A program started by a test, with the test's environment plus `extraEnv`
// ("NAME=value"), its output going to `log`. If `reportFd` is set, the child
// gets the write end of a pipe as that descriptor and `report()` reads what
// it writes there. Ended, if still running, when the object goes.
class Process {
public:
    struct Options {
        std::vector<std::string> argv;
        std::vector<std::string> extraEnv;
        std::filesystem::path log;
        std::optional<int> reportFd;
    };

    explicit Process(Options options);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // The first line the child writes to its report descriptor.
    std::string report(std::chrono::milliseconds timeout);
    // The exit status, once it has ended within `timeout`; -1 if it was killed
    // by a signal.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    void stop();

private:
    pid_t pid_ = -1;
    int reportRead_ = -1;
    std::optional<int> status_;
};

// Makes this process the reaper of every process started below it, so that
// daemons that detach from their parents still end with the test.
void adoptOrphans();

// Ends every process still running below this one.
void endDescendants();

}  // namespace kolva::desktop
