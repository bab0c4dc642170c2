// Kolva on Wayland desktops: GNOME's compositor and the reference one, each
// nested on the test's X display and driven by real input. A Wayland client
// cannot learn where its window stands, so the test finds the window in
// screenshots of the compositor's output.

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "kolva_on_desktop.hpp"
#include "nested_compositor.hpp"

namespace kolva::desktop {
namespace {

using namespace std::chrono_literals;

// The "56k Modem" box in the window.
constexpr Point kModemBox{279, 120};
// A row or column of the screen with this many pixels changed crosses the
// window; the compositor's pointer changes far fewer.
constexpr int kWindowCrossing = 200;
// A compositor may paint its background again a shade apart.
constexpr int kShade = 8;

bool differ(std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channelA = static_cast<int>((a >> shift) & 0xFF);
        const int channelB = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(channelA - channelB) > kShade) {
            return true;
        }
    }
    return false;
}

// Kolva started as a client of a nested compositor.
class KolvaOnWayland {
public:
    explicit KolvaOnWayland(const NestedCompositor& compositor)
        : compositor_(compositor),
          process_(Process::Options{{KOLVA_PROGRAM},
                                    environmentFor(compositor),
                                    world().desktop.home() / "kolva.log",
                                    {}}) {
        if (!settled([this] { return position().has_value(); }, true, 10s)) {
            throw std::runtime_error("Kolva's window did not appear under Wayland");
        }
    }

    Process& process() { return process_; }

    // The top-left corner of the window on the screen, if it is in sight.
    std::optional<Point> position() const {
        const Screenshot now = world().x.screenshot();
        const Screenshot& empty = compositor_.emptyScreen();
        const auto changed = [&](int x, int y) { return differ(now.at(x, y), empty.at(x, y)); };
        std::optional<Point> corner;
        for (int y = 0; y < now.height && !corner; ++y) {
            int count = 0;
            for (int x = 0; x < now.width; ++x) {
                count += changed(x, y) ? 1 : 0;
            }
            if (count >= kWindowCrossing) {
                corner = Point{0, y};
            }
        }
        for (int x = 0; corner && x < now.width; ++x) {
            int count = 0;
            for (int y = 0; y < now.height; ++y) {
                count += changed(x, y) ? 1 : 0;
            }
            if (count >= kWindowCrossing) {
                corner->x = x;
                return corner;
            }
        }
        return std::nullopt;
    }

    // Where the window stands once two looks a moment apart agree.
    Point restingPosition() const {
        std::optional<Point> last;
        for (int looks = 0; looks < 20; ++looks) {
            std::this_thread::sleep_for(150ms);
            const std::optional<Point> now = position();
            if (now && now == last) {
                return *now;
            }
            last = now;
        }
        return last.value_or(Point{-1, -1});
    }

    // Brings the pointer into the compositor's window from outside, to a
    // point of Kolva's window.
    Point enter(Point inWindow) {
        const Point target = restingPosition() + inWindow;
        world().x.movePointer(NestedCompositor::outside());
        world().x.dragPointer(NestedCompositor::outside(), target);
        return target;
    }

private:
    static std::vector<std::string> environmentFor(const NestedCompositor& compositor) {
        std::vector<std::string> env = compositor.clientEnvironment();
        env.emplace_back("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1");
        return env;
    }

    const NestedCompositor& compositor_;
    Process process_;
};

struct WaylandDrag {
    Compositor compositor;
    unsigned button;
    // Whether the window follows this button: mutter ends a move only when
    // its own buttons are released, so there only the left button drags.
    bool moves;
};

void PrintTo(const WaylandDrag& row, std::ostream* out) {
    *out << nameOf(row.compositor) << ", button " << row.button;
}

class WaylandDragTest : public testing::TestWithParam<WaylandDrag> {};

TEST_P(WaylandDragTest, MovesTheWindowUntilTheButtonIsReleasedOrNotAtAll) {
    const NestedCompositor compositor(GetParam().compositor);
    KolvaOnWayland kolva(compositor);
    XSession& x = world().x;
    const Point start = kolva.restingPosition();
    const Point grip = kolva.enter(kBanner);
    x.press(GetParam().button);
    // As a hand does, and so that a busy machine has Kolva ask for the move
    // while the button is still down.
    std::this_thread::sleep_for(300ms);
    x.dragPointer(grip, grip + Point{60, 45});
    x.release(GetParam().button);
    // Once the button is up, the pointer moves on alone.
    x.dragPointer(grip + Point{60, 45}, grip + Point{100, 90});
    const Point expected = GetParam().moves ? start + Point{60, 45} : start;
    EXPECT_EQ(kolva.restingPosition(), expected) << "the window started at " << start;
}

INSTANTIATE_TEST_SUITE_P(Wayland, WaylandDragTest,
                         testing::Values(WaylandDrag{Compositor::Mutter, 1, true},
                                         WaylandDrag{Compositor::Mutter, 2, false},
                                         WaylandDrag{Compositor::Mutter, 3, false},
                                         WaylandDrag{Compositor::Weston, 1, true},
                                         WaylandDrag{Compositor::Weston, 2, true},
                                         WaylandDrag{Compositor::Weston, 3, true}),
                         [](const testing::TestParamInfo<WaylandDrag>& row) {
                             return nameOf(row.param.compositor) + "Button" +
                                    std::to_string(row.param.button);
                         });

class WaylandInputTest : public testing::TestWithParam<Compositor> {};

TEST_P(WaylandInputTest, TakesClicksAndKeysAndClosesOnlyWithCtrlQ) {
    const NestedCompositor compositor(GetParam());
    KolvaOnWayland kolva(compositor);
    const Accessible application = world().reader.application(kolva.process().pid(), 10s);
    const auto stock = [&] {
        return application
            .find([](const Accessible& a) { return a.name().starts_with("Stock Speeds:"); },
                  "the stock figure")
            .name();
    };
    world().x.click(kolva.enter(kModemBox));
    EXPECT_EQ(settled(stock, std::string("Stock Speeds: 39")), "Stock Speeds: 39");

    kolva.enter(kNoteLine);
    world().x.tapKey("Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(kolva.process().running()) << "Escape closed Kolva";
    world().x.tapKey("q", "Control_L");
    EXPECT_EQ(kolva.process().waitForExit(5s), 0) << "Ctrl+Q did not end Kolva well";
}

INSTANTIATE_TEST_SUITE_P(Wayland, WaylandInputTest,
                         testing::Values(Compositor::Mutter, Compositor::Weston),
                         [](const testing::TestParamInfo<Compositor>& row) {
                             return nameOf(row.param);
                         });

}  // namespace
}  // namespace kolva::desktop
