#pragma once

#include <array>

#include "controls.hpp"

namespace kolva {

// A machine as the window describes it: for each list the entry it counts
// and the entry it shows, which differ only where a blank entry keeps the one
// chosen before it counted; and whether each box is ticked. A list left out
// counts and shows its first entry.
struct Machine {
    std::array<int, kListCount> counted{};
    std::array<int, kListCount> shown{};
    std::array<bool, kBoxCount> ticked{};

    // Sets `list` to count and show `entry`.
    void choose(List list, int entry) { counted[indexOf(list)] = shown[indexOf(list)] = entry; }

    friend bool operator==(const Machine&, const Machine&) = default;
};

}  // namespace kolva
