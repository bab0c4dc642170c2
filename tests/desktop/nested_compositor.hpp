#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "process.hpp"
#include "x_session.hpp"

namespace kolva::desktop {

// The Wayland compositors a user meets: GNOME's and the reference one.
enum class Compositor { Mutter, Weston };

std::string nameOf(Compositor compositor);
void PrintTo(Compositor compositor, std::ostream* out);

// A Wayland compositor of the test's own, showing its output in a window on
// the test's X display, where XTEST drives it and screenshots read it. Its
// output is smaller than the screen, so the pointer can leave it.
class NestedCompositor {
public:
    explicit NestedCompositor(Compositor compositor);

    // What a program needs in its environment to be a client of it.
    std::vector<std::string> clientEnvironment() const;
    // The screen with no client window on it.
    const Screenshot& emptyScreen() const { return emptyScreen_; }
    // A point outside the compositor's output: a nested compositor takes the
    // pointer's place as it is only when the pointer enters its window, so
    // the pointer goes there and back before each action.
    static Point outside();

private:
    Compositor compositor_;
    std::string socket_;
    std::unique_ptr<Process> process_;
    Screenshot emptyScreen_;
};

}  // namespace kolva::desktop
