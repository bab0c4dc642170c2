#include "nested_compositor.hpp"

#include <filesystem>
#include <stdexcept>
#include <thread>

#include "kolva_on_desktop.hpp"

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

constexpr int kOutputWidth = 800;
constexpr int kOutputHeight = 700;

// How each compositor is started nested, without a configuration of the
// user's, with an output of the size above.
Process::Options optionsOf(Compositor compositor, const std::string& socket) {
    const std::string width = std::to_string(kOutputWidth);
    const std::string height = std::to_string(kOutputHeight);
    const auto log = world().desktop.home() / (socket + ".log");
    switch (compositor) {
        case Compositor::Mutter:
            return {{"mutter", "--wayland", "--nested", "--no-x11", "--wayland-display=" + socket},
                    {"MUTTER_DEBUG_DUMMY_MODE_SPECS=" + width + "x" + height},
                    log,
                    {}};
        case Compositor::Weston:
            return {{"weston", "--backend=x11-backend.so", "--use-pixman", "--width=" + width,
                     "--height=" + height, "--socket=" + socket, "--no-config", "--idle-time=0"},
                    {},
                    log,
                    {}};
    }
    return {};
}

// The screen once the compositor has painted its output over `before`: it
// has changed, and then stays the same for a while.
Screenshot paintedScreen(const Screenshot& before) {
    constexpr int kStillShots = 8;
    Screenshot last = before;
    int still = 0;
    for (int tries = 0; tries < 100 && still < kStillShots; ++tries) {
        std::this_thread::sleep_for(100ms);
        Screenshot now = world().x.screenshot();
        still = now.pixels == last.pixels && now.pixels != before.pixels ? still + 1 : 0;
        last = std::move(now);
    }
    return last;
}

}  // namespace

std::string nameOf(Compositor compositor) {
    return compositor == Compositor::Mutter ? "Mutter" : "Weston";
}

void PrintTo(Compositor compositor, std::ostream* out) {
    *out << nameOf(compositor);
}

NestedCompositor::NestedCompositor(Compositor compositor)
    : compositor_(compositor), socket_("kolva-" + nameOf(compositor)) {
    const std::filesystem::path runtime = world().desktop.home() / "runtime";
    world().x.movePointer(outside());
    const Screenshot before = world().x.screenshot();
    process_ = std::make_unique<Process>(optionsOf(compositor, socket_));
    for (int tries = 0; tries < 200 && !std::filesystem::exists(runtime / socket_); ++tries) {
        std::this_thread::sleep_for(25ms);
    }
    if (!process_->running() || !std::filesystem::exists(runtime / socket_)) {
        throw std::runtime_error(nameOf(compositor) + " did not start; see " +
                                 (world().desktop.home() / (socket_ + ".log")).string());
    }
    emptyScreen_ = paintedScreen(before);
}

std::vector<std::string> NestedCompositor::clientEnvironment() const {
    // A GNOME session names its desktop; the reference compositor has none.
    return {
        "QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=" + socket_, "DISPLAY=",
        compositor_ == Compositor::Mutter ? "XDG_CURRENT_DESKTOP=GNOME" : "XDG_CURRENT_DESKTOP="};
}

Point NestedCompositor::outside() {
    return {kOutputWidth + 100, kOutputHeight + 30};
}

}  // namespace kolva::desktop
