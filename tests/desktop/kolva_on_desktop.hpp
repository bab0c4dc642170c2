#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "desktop.hpp"
#include "process.hpp"
#include "screen_reader.hpp"
#include "x_session.hpp"

namespace kolva::desktop {

// Points of Kolva's window, relative to its client area: a point of the
// banner, where only the background picture lies, and one of the note line,
// which takes no clicks of its own.
inline constexpr Point kBanner{200, 40};
inline constexpr Point kNoteLine{150, 88};

// The desktop, the X connection and the screen reader of this test process,
// made on first use.
struct World {
    Desktop desktop;
    XSession x{desktop.display()};
    ScreenReader reader;
};
World& world();

// What `read()` gives once it gives `expected`, or what it gives when
// `timeout` has passed: a program takes real input in its own time.
template <typename Read, typename Value>
auto settled(Read read, const Value& expected,
             std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto value = read();
    while (!(value == expected) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        value = read();
    }
    return value;
}

// Kolva started on the test's desktop and found as its user finds it: its
// window on the screen and its objects on the accessibility bus.
class KolvaOnDesktop {
public:
    KolvaOnDesktop();

    Process& process() { return *process_; }
    XWindow window() const { return window_; }
    // A point of the window, given relative to its client area.
    Point at(int x, int y);

    const Accessible& application() const { return application_; }
    // A list, by what it chooses ("Processor model").
    Accessible list(const std::string& purpose) const;
    Accessible checkBox(const std::string& caption) const;
    // The label whose name starts with `prefix`.
    Accessible label(const std::string& prefix) const;
    // The help line, which readers know as the window's status bar.
    Accessible helpLine() const;
    // The object that has the keyboard focus.
    Accessible focused() const;

    // Opens a list with the pointer and clicks its entry `entry`, which must
    // be in sight without scrolling.
    void pickWithPointer(const std::string& purpose, const std::string& entry);

private:
    std::unique_ptr<Process> process_;
    XWindow window_ = 0;
    Accessible application_;
};

}  // namespace kolva::desktop
