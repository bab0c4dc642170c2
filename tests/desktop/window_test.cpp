// Kolva's window as the desktop around it sees it.

#include <gtest/gtest.h>

#include <algorithm>

#include "kolva_on_desktop.hpp"

namespace kolva::desktop {
namespace {

// Task bars and window switchers show the icons of _NET_WM_ICON: width,
// height, then width x height pixels, for each size the window offers.
std::vector<int> iconSizes(const std::vector<unsigned long>& icons) {
    std::vector<int> sizes;
    for (std::size_t at = 0; at + 2 <= icons.size(); at += 2 + icons[at] * icons[at + 1]) {
        EXPECT_EQ(icons[at], icons[at + 1]) << "a square icon";
        sizes.push_back(static_cast<int>(icons[at]));
    }
    return sizes;
}

TEST(Window, OffersKolvasOwnIconToTaskBars) {
    KolvaOnDesktop kolva;
    const std::vector<int> sizes = iconSizes(world().x.numbers(kolva.window(), "_NET_WM_ICON"));
    for (const int size : {48, 64, 128}) {
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size;
    }
}

}  // namespace
}  // namespace kolva::desktop
