#include "kolva_on_desktop.hpp"

#include <stdexcept>
#include <thread>

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

std::unique_ptr<Process> startKolva() {
    return std::make_unique<Process>(
        Process::Options{{KOLVA_PROGRAM},
                         {"QT_QPA_PLATFORM=xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"},
                         world().desktop.home() / "kolva.log",
                         std::nullopt});
}

XWindow windowOf(Process& kolva) {
    const auto window = world().x.findWindow("kolva", 10s);
    if (!window || !kolva.running()) {
        throw std::runtime_error("Kolva's window did not appear");
    }
    return *window;
}

}  // namespace

World& world() {
    static World instance;
    return instance;
}

KolvaOnDesktop::KolvaOnDesktop()
    : process_(startKolva()),
      window_(windowOf(*process_)),
      application_(world().reader.application(process_->pid(), 10s)) {}

Point KolvaOnDesktop::at(int x, int y) {
    return world().x.positionOf(window_) + Point{x, y};
}

Accessible KolvaOnDesktop::list(const std::string& purpose) const {
    return application_.find(
        [&](const Accessible& a) { return a.role() == "combo box" && a.description() == purpose; },
        "list described as \"" + purpose + "\"");
}

Accessible KolvaOnDesktop::checkBox(const std::string& caption) const {
    return application_.find(
        [&](const Accessible& a) { return a.role() == "check box" && a.name() == caption; },
        "check box \"" + caption + "\"");
}

Accessible KolvaOnDesktop::label(const std::string& prefix) const {
    return application_.find(
        [&](const Accessible& a) { return a.role() == "label" && a.name().starts_with(prefix); },
        "label starting \"" + prefix + "\"");
}

Accessible KolvaOnDesktop::helpLine() const {
    return application_.find([](const Accessible& a) { return a.role() == "status bar"; },
                             "help line");
}

Accessible KolvaOnDesktop::focused() const {
    return application_.find([](const Accessible& a) { return a.hasState("focused"); },
                             "object with the keyboard focus");
}

void KolvaOnDesktop::pickWithPointer(const std::string& purpose, const std::string& entry) {
    const Accessible combo = list(purpose);
    world().x.click(combo.centre());
    // The open list is the list's child, its entries the list's items.
    Accessible item = combo.find(
        [&](const Accessible& a) { return a.role() == "list item" && a.name() == entry; },
        "entry \"" + entry + "\" in the open list \"" + purpose + "\"");
    if (!settled([&] { return item.hasState("showing"); }, true)) {
        throw std::runtime_error("entry \"" + entry + "\" is not in sight in the open list");
    }
    world().x.click(item.centre());
}

}  // namespace kolva::desktop
