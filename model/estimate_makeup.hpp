#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "estimate.hpp"
#include "load_sheet.hpp"

namespace kolva {

// One addend of the estimate: a summed slot that holds watts, the overhead or
// a controller allowance.
struct Addend {
    // A slot that holds a count of units times the watts of one unit.
    struct PerUnit {
        double count = 0;
        double watts = 0;
    };

    std::string_view what;  // "Processors", "Overhead", "USB controller", ...
    double watts = 0;
    std::optional<PerUnit> perUnit;
};

// How the estimate follows from the load sheet and the controller boxes: the
// addends in the order the recalculation adds them, their sum before
// rounding, and the figures that the window shows for it.
struct EstimateMakeUp {
    std::vector<Addend> addends;
    double total = 0;
    Estimate figures;
};

EstimateMakeUp makeUpOf(const LoadSheet& sheet, Controllers controllers);

// The make-up in words, one line per addend and per figure, with numbers
// written by the number-text rule: "Processors: 2 × 89 W = 178 W", ...,
// "Mild overclock: 307 × 1.05 = 322.35, rounded down: 322 W". While the
// figures read 0 for an empty sheet, it says so instead.
std::string describe(const EstimateMakeUp& makeUp);

}  // namespace kolva
