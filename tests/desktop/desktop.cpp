#include "desktop.hpp"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

// The descriptor on which Xvfb and dbus-daemon report what they chose.
constexpr int kReportFd = 3;

std::filesystem::path makePrivateFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kolva-desktop-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a private folder");
    }
    return pattern;
}

bool windowManagerManages(const std::string& display) {
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr) {
        return false;
    }
    const Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", True);
    bool found = false;
    if (check != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type,
                               &format, &count, &after, &data) == Success) {
            found = count == 1;
            XFree(data);
        }
    }
    XCloseDisplay(x);
    return found;
}

}  // namespace

Desktop::Desktop() : home_(makePrivateFolder()) {
    adoptOrphans();
    // Everything started from here on, the bus's own services included, keeps
    // its files in the private folder.
    const std::filesystem::path runtime = home_ / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("HOME", home_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home_ / "cache").c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("AT_SPI_BUS_ADDRESS");

    xServer_ = std::make_unique<Process>(
        Process::Options{{"Xvfb", "-displayfd", std::to_string(kReportFd), "-screen", "0",
                          "1024x768x24", "-nolisten", "tcp"},
                         {},
                         home_ / "xvfb.log",
                         kReportFd});
    const std::string number = xServer_->report(10s);
    if (number.empty()) {
        throw std::runtime_error("Xvfb did not start; see " + (home_ / "xvfb.log").string());
    }
    display_ = ":" + number;
    setenv("DISPLAY", display_.c_str(), 1);

    sessionBus_ = std::make_unique<Process>(Process::Options{
        {"dbus-daemon", "--session", "--nofork", "--print-address=" + std::to_string(kReportFd)},
        {},
        home_ / "dbus.log",
        kReportFd});
    const std::string bus = sessionBus_->report(10s);
    if (bus.empty()) {
        throw std::runtime_error("dbus-daemon did not start; see " + (home_ / "dbus.log").string());
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", bus.c_str(), 1);
}

Desktop::~Desktop() {
    windowManager_.reset();
    sessionBus_.reset();
    xServer_.reset();
    endDescendants();
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

void Desktop::startWindowManager() {
    windowManager_ = std::make_unique<Process>(
        Process::Options{{"openbox", "--sm-disable"}, {}, home_ / "openbox.log", std::nullopt});
    for (int tries = 0; tries < 200 && !windowManagerManages(display_); ++tries) {
        std::this_thread::sleep_for(25ms);
    }
    if (!windowManagerManages(display_)) {
        throw std::runtime_error("openbox did not start; see " + (home_ / "openbox.log").string());
    }
}

void Desktop::stopWindowManager() {
    windowManager_.reset();
}

}  // namespace kolva::desktop
