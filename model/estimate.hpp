#pragma once

#include <string>

#include "load_sheet.hpp"

namespace kolva {

// The three figures the window shows, each the decimal text of a whole number.
struct Estimate {
    std::string stock = "0";  // Label4
    std::string mild = "0";   // Text31: stock plus 5 %, rounded down
    std::string heavy = "0";  // Text32: stock plus 10 %, rounded down

    friend bool operator==(const Estimate&, const Estimate&) = default;
};

// Which bus controllers are enabled; each adds its own allowance.
struct Controllers {
    bool usb = false;       // Check6
    bool firewire = false;  // Check9
};

// Adds the summed slots, the 35 W overhead and the controller allowances, and
// derives the overclock figures from the rounded-down stock figure. An empty
// sheet shows "0" everywhere rather than the bare overhead.
Estimate estimateFor(const LoadSheet& sheet, Controllers controllers);

}  // namespace kolva
