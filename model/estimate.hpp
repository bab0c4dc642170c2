#pragma once

#include <string>
#include <string_view>

#include "load_sheet.hpp"

namespace kolva {

// The three figures the window shows, each the decimal text of a whole number.
struct Estimate {
    std::string stock = "0";  // the whole watts of the sum
    std::string mild = "0";   // stock plus 5 %, rounded down
    std::string heavy = "0";  // stock plus 10 %, rounded down

    friend bool operator==(const Estimate&, const Estimate&) = default;
};

// One of the three figures, as the member of an Estimate that holds it.
using FigureOf = std::string Estimate::*;

// Which bus controllers are enabled; each adds its own allowance.
struct Controllers {
    bool usb = false;
    bool firewire = false;
};

// What the recalculation adds besides the summed slots, and the factors of
// the overclock figures, as the texts they are read from. The note line and
// the make-up name the overhead with this text too.
inline constexpr std::string_view kOverhead = "35";
inline constexpr double kUsbAllowance = 10;
inline constexpr double kFirewireAllowance = 20;
inline constexpr std::string_view kMildFactor = "1.05";
inline constexpr std::string_view kHeavyFactor = "1.1";

// Adds the summed slots, the 35 W overhead and the controller allowances, and
// derives the overclock figures from the rounded-down stock figure. An empty
// sheet shows "0" everywhere rather than the bare overhead.
Estimate estimateFor(const LoadSheet& sheet, Controllers controllers);

// The figures for a total before rounding: the summed slots, the overhead and
// the allowances added in the recalculation's order.
Estimate figuresFor(double total);

}  // namespace kolva
