#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "process.hpp"

namespace kolva::desktop {

// A desktop of the test's own: an X server (Xvfb) on a display number that no
// other run holds, a private D-Bus session bus, which starts the
// accessibility bus when a program first asks for it, and a home folder. This
// process and every program it starts see only these. Everything started is
// ended when the desktop goes.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    const std::string& display() const { return display_; }
    const std::filesystem::path& home() const { return home_; }

    // Starts a window manager (openbox) and waits until it manages the screen.
    void startWindowManager();
    void stopWindowManager();

private:
    std::filesystem::path home_;
    std::string display_;
    std::unique_ptr<Process> xServer_;
    std::unique_ptr<Process> sessionBus_;
    std::unique_ptr<Process> windowManager_;
};

}  // namespace kolva::desktop
