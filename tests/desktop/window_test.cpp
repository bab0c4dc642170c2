// Kolva's window as the desktop around it sees it.

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "kolva_on_desktop.hpp"

namespace kolva::desktop {
namespace {

// Task bars and window switchers show the icons of _NET_WM_ICON: width,
// height, then width x height pixels as 0xAARRGGBB, for each size the window
// offers. Each icon by its size, its pixels row by row.
std::map<int, std::vector<unsigned long>> iconsBySize(const std::vector<unsigned long>& icons) {
    std::map<int, std::vector<unsigned long>> sizes;
    for (std::size_t at = 0; at + 2 <= icons.size(); at += 2 + icons[at] * icons[at + 1]) {
        EXPECT_EQ(icons[at], icons[at + 1]) << "a square icon";
        const auto pixels = icons.begin() + static_cast<std::ptrdiff_t>(at + 2);
        sizes[static_cast<int>(icons[at])].assign(
            pixels, pixels + static_cast<std::ptrdiff_t>(icons[at] * icons[at + 1]));
    }
    return sizes;
}

TEST(Window, OffersKolvasOwnIconToTaskBars) {
    KolvaOnDesktop kolva;
    const auto icons = iconsBySize(world().x.numbers(kolva.window(), "_NET_WM_ICON"));
    for (const int size : {48, 64, 128}) {
        EXPECT_TRUE(icons.contains(size)) << size;
    }
    // Drawn, not blank: the middle of the icon is the blue of its disc.
    ASSERT_TRUE(icons.contains(48));
    const unsigned long pixel = icons.at(48)[24 * 48 + 12];
    EXPECT_GT(pixel & 0xFF, (pixel >> 16) & 0xFF) << std::hex << pixel;
}

// Ctrl+C puts the machine and its estimate on the clipboard, where another
// program reads it as plain text; started again, Kolva takes the machine back
// with Ctrl+V from another program's clipboard.
TEST(Window, CopiesTheMachineForOtherProgramsAndPastesItBack) {
    using namespace std::chrono_literals;
    KolvaOnDesktop kolva;
    kolva.pickWithPointer("Processor model", "Pentium 4 Prescott");
    kolva.pickWithPointer("Number of processors", "2");
    world().x.click(kolva.checkBox("Sound Card").centre());
    ASSERT_EQ(settled([&] { return kolva.label("Stock Speeds:").name(); },
                      std::string("Stock Speeds: 220")),
              "Stock Speeds: 220");
    world().x.tapKey("c", "Control_L");
    const std::string expected(
        "Kolva power supply estimate\n"
        "CPU: 2 × Pentium 4 Prescott\n"
        "Ticked: Sound Card\n"
        "Stock Speeds: 220 Watts\n"
        "Mild Overclock: 231 Watts\n"
        "Heavy Overclock: 242 Watts\n"
        "\n"
        "How the estimate is made:\n"
        "CPU              2 × 89 W    178 W\n"
        "Sound Card                     7 W\n"
        "Overhead                      35 W\n"
        "Stock Speeds     total       220 W\n"
        "Mild Overclock   220 × 1.05  231 W\n"
        "Heavy Overclock  220 × 1.1   242 W\n");
    EXPECT_EQ(settled([&] { return world().x.clipboardText(1s); }, expected), expected);

    world().x.tapKey("n", "Control_L");
    const auto stock = [&] { return kolva.label("Stock Speeds:").name(); };
    ASSERT_EQ(settled(stock, std::string("Stock Speeds: 0")), "Stock Speeds: 0");
    const auto file = world().desktop.home() / "pasted.txt";
    std::ofstream(file) << "> " << expected;
    Process xclip({{"xclip", "-selection", "clipboard", "-i", file.string()},
                   {},
                   world().desktop.home() / "xclip.log",
                   std::nullopt});
    const std::string offered = "> " + expected;
    ASSERT_EQ(settled([&] { return world().x.clipboardText(1s); }, offered), offered);
    world().x.tapKey("v", "Control_L");
    EXPECT_EQ(settled(stock, std::string("Stock Speeds: 220")), "Stock Speeds: 220");
}

}  // namespace
}  // namespace kolva::desktop
