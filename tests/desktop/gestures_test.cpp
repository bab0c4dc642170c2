// The window's own gestures as a user makes them on a real X server, with and
// without a window manager: dragging by the background with any button,
// closing, and the keys that must and must not close it.

#include <gtest/gtest.h>

#include <thread>

#include "kolva_on_desktop.hpp"

namespace kolva::desktop {
namespace {

using namespace std::chrono_literals;

// The middle of the QUIT picture.
constexpr Point kQuit{375, 534};

enum class Manager { None, Openbox };

struct DragCase {
    Manager manager;
    unsigned button;
};

void PrintTo(const DragCase& row, std::ostream* out) {
    *out << (row.manager == Manager::None ? "no window manager" : "openbox") << ", button "
         << row.button;
}

std::string nameOf(const testing::TestParamInfo<DragCase>& row) {
    return std::string(row.param.manager == Manager::None ? "NoWindowManager" : "Openbox") +
           "Button" + std::to_string(row.param.button);
}

class Drag : public testing::TestWithParam<DragCase> {
protected:
    void SetUp() override {
        if (GetParam().manager == Manager::Openbox) {
            world().desktop.startWindowManager();
        }
    }
    void TearDown() override { world().desktop.stopWindowManager(); }
};

TEST_P(Drag, MovesTheWindowWithThePointerUntilTheButtonIsReleased) {
    KolvaOnDesktop kolva;
    XSession& x = world().x;
    const Point start = kolva.at(0, 0);
    const Point grip = start + kBanner;
    x.drag(grip, grip + Point{60, 45}, GetParam().button);
    EXPECT_TRUE(x.waitForPosition(kolva.window(), start + Point{60, 45}, 3s))
        << "the window stands at " << x.positionOf(kolva.window()) << ", started at " << start;

    // Once the button is up, the pointer moves on alone.
    x.dragPointer(grip + Point{60, 45}, grip + Point{100, 90});
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(x.positionOf(kolva.window()), (start + Point{60, 45}));
    EXPECT_TRUE(kolva.process().running());
}

INSTANTIATE_TEST_SUITE_P(Buttons, Drag,
                         testing::Values(DragCase{Manager::None, 1}, DragCase{Manager::None, 2},
                                         DragCase{Manager::None, 3}, DragCase{Manager::Openbox, 1},
                                         DragCase{Manager::Openbox, 2},
                                         DragCase{Manager::Openbox, 3}),
                         nameOf);

TEST(Gestures, APressRightAfterAClickStillDrags) {
    KolvaOnDesktop kolva;
    XSession& x = world().x;
    const Point start = kolva.at(0, 0);
    const Point grip = start + kBanner;
    x.click(grip);
    // Within the double-click interval.
    x.drag(grip, grip + Point{50, 30}, 1);
    EXPECT_TRUE(x.waitForPosition(kolva.window(), start + Point{50, 30}, 3s));
}

TEST(Gestures, ControlQEndsTheProgram) {
    KolvaOnDesktop kolva;
    world().x.click(kolva.at(kNoteLine.x, kNoteLine.y));
    world().x.tapKey("q", "Control_L");
    EXPECT_EQ(kolva.process().waitForExit(5s), 0);
}

TEST(Gestures, TheQuitPictureEndsTheProgram) {
    KolvaOnDesktop kolva;
    world().x.click(kolva.at(kQuit.x, kQuit.y));
    EXPECT_EQ(kolva.process().waitForExit(5s), 0);
}

TEST(Gestures, EscapeNeverClosesTheProgram) {
    KolvaOnDesktop kolva;
    world().x.click(kolva.at(kNoteLine.x, kNoteLine.y));
    world().x.tapKey("Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(kolva.process().running()) << "Escape closed Kolva";
}

TEST(Gestures, EscapeClosesAnOpenListButNotTheProgram) {
    KolvaOnDesktop kolva;
    XSession& x = world().x;
    const Accessible processor = kolva.application().find(
        [](const Accessible& a) { return a.role() == "combo box"; }, "list");
    x.click(processor.centre());
    ASSERT_EQ(processor.childCount(), 1) << "the open list is not the list's child";
    const Accessible entries = processor.child(0);
    const auto showing = [&] { return entries.hasState("showing"); };
    ASSERT_TRUE(settled(showing, true)) << "the list did not open";
    x.tapKey("Escape");
    EXPECT_FALSE(settled(showing, false)) << "Escape left the list open";

    x.tapKey("Escape");
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(kolva.process().running()) << "Escape closed Kolva";
}

TEST(Gestures, TabFollowsTheDesignedOrderAndSkipsDisabledLists) {
    KolvaOnDesktop kolva;
    world().x.click(kolva.at(kNoteLine.x, kNoteLine.y));
    // Lists by what they choose, check boxes by their captions.
    const std::vector<std::string> expected = {"Processor model",
                                               "Number of processors",
                                               "Memory type",
                                               "Number of memory sticks",
                                               "Graphics card model",
                                               "Number of graphics cards",
                                               "12V Pump",
                                               "TEC watts",
                                               "Optical drive 1",
                                               "Optical drive 2",
                                               "USB Enabled",
                                               "1394 Enabled",
                                               "56k Modem",
                                               "Network Card",
                                               "Sound Card",
                                               "Audio Front Panel",
                                               "SCSI Card",
                                               "TV Tuner",
                                               "Number of additional PCI cards",
                                               "Number of system fans",
                                               "Number of case lights",
                                               "Number of card readers",
                                               "Number of floppy, Zip and tape drives",
                                               "Number of hard drives",
                                               "Processor model"};
    const auto focus = [&] {
        const Accessible focused = kolva.focused();
        return focused.role() == "combo box" ? focused.description() : focused.name();
    };
    std::vector<std::string> visited{settled(focus, expected.front())};
    for (std::size_t stop = 1; stop < expected.size(); ++stop) {
        world().x.tapKey("Tab");
        visited.push_back(settled(focus, expected[stop]));
    }
    EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace kolva::desktop
