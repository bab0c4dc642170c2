#include "process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    result.reserve(strings.size() + 1);
    for (std::string& s : strings) {
        result.push_back(s.data());
    }
    result.push_back(nullptr);
    return result;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        env.emplace_back(*entry);
    }
    for (const std::string& setting : extra) {
        const std::string name = setting.substr(0, setting.find('=') + 1);
        std::erase_if(env, [&](const std::string& e) { return e.starts_with(name); });
        env.push_back(setting);
    }
    return env;
}

std::vector<pid_t> children() {
    std::vector<pid_t> found;
    const std::string self = std::to_string(getpid());
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // pid (comm) state ppid ...: the command may hold blanks and brackets.
        const auto close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::string state;
        std::string parent;
        std::istringstream rest(line.substr(close + 2));
        rest >> state >> parent;
        if (parent == self) {
            found.push_back(static_cast<pid_t>(std::stoi(name)));
        }
    }
    return found;
}

}  // namespace

Process::Process(Options options) {
    std::vector<std::string> argv = options.argv;
    std::vector<std::string> env = environmentWith(options.extraEnv);
    std::vector<char*> argvPointers = pointers(argv);
    std::vector<char*> envPointers = pointers(env);

    int reportPipe[2] = {-1, -1};
    if (options.reportFd && pipe2(reportPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
    }
    const int logFd = open(options.log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
    }
    if (pid_ == 0) {
        // Only async-signal-safe calls between fork and exec.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
        setpgid(0, 0);
        if (logFd >= 0) {
            dup2(logFd, STDOUT_FILENO);
            dup2(logFd, STDERR_FILENO);
        }
        if (options.reportFd) {
            dup2(reportPipe[1], *options.reportFd);
        }
        execve(argvPointers[0], argvPointers.data(), envPointers.data());
        execvpe(argvPointers[0], argvPointers.data(), envPointers.data());
        _exit(127);
    }
    if (logFd >= 0) {
        close(logFd);
    }
    if (options.reportFd) {
        close(reportPipe[1]);
        reportRead_ = reportPipe[0];
    }
}

Process::~Process() {
    stop();
    if (reportRead_ >= 0) {
        close(reportRead_);
    }
}

bool Process::running() {
    if (status_) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    return true;
}

std::string Process::report(std::chrono::milliseconds timeout) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd wait{reportRead_, POLLIN, 0};
        if (poll(&wait, 1, 50) <= 0) {
            continue;
        }
        char c = 0;
        if (read(reportRead_, &c, 1) != 1 || c == '\n') {
            break;
        }
        line.push_back(c);
    }
    return line;
}

std::optional<int> Process::waitForExit(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    return status_;
}

void Process::stop() {
    if (!running()) {
        return;
    }
    kill(pid_, SIGTERM);
    if (!waitForExit(2s)) {
        kill(pid_, SIGKILL);
        waitForExit(2s);
    }
}

void adoptOrphans() {
    prctl(PR_SET_CHILD_SUBREAPER, 1);
}

void endDescendants() {
    for (int round = 0; round < 20; ++round) {
        const std::vector<pid_t> left = children();
        if (left.empty()) {
            return;
        }
        for (const pid_t pid : left) {
            kill(pid, round < 5 ? SIGTERM : SIGKILL);
        }
        std::this_thread::sleep_for(50ms);
        while (waitpid(-1, nullptr, WNOHANG) > 0) {
        }
    }
}

}  // namespace kolva::desktop
