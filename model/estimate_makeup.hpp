#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "estimate.hpp"
#include "joined.hpp"
#include "load_sheet.hpp"

namespace kolva {

// The figures' headings, as the window shows them.
inline constexpr std::string_view kStockHeading = "Stock Speeds";
inline constexpr std::string_view kMildHeading = "Mild Overclock";
inline constexpr std::string_view kHeavyHeading = "Heavy Overclock";

// The make-up's own heading, wherever it is shown.
inline constexpr std::string_view kMakeUpHeading = "How the estimate is made:";

// Why a counted group adds nothing yet: its model waits for a number, or its
// number for a model.
inline constexpr std::string_view kModelWaits = "a model counts once its number is chosen";
inline constexpr std::string_view kNumberWaits = "a number counts once its model is chosen";

// The make-up's name for the overhead, and the line that takes the place of
// the parts while the figures read 0.
inline constexpr std::string_view kOverheadName = "Overhead";
inline constexpr std::string_view kNothingCountsStart =
    "Nothing counts yet, so the figures read 0 rather than the ";
inline constexpr std::string_view kNothingCountsEnd = " W overhead alone.";
inline constexpr std::string_view kNothingCounts =
    Joined<kNothingCountsStart, kOverhead, kNothingCountsEnd>::text;

// One addend of the estimate: a part that adds watts, the overhead or a
// controller's allowance; or a chosen part that adds nothing yet, and why.
struct Addend {
    // A part that counts units times the watts of one unit.
    struct PerUnit {
        double count = 0;
        double watts = 0;
    };

    std::string_view what;  // as the window names it: "CPU", "12V Pump", "USB Enabled"
    double watts = 0;
    std::optional<PerUnit> perUnit;
    std::string_view waits;  // why a part adds nothing yet: kModelWaits or kNumberWaits
};

// How the estimate follows from the load sheet and the controller boxes: the
// addends in the window's reading order, then the overhead and the
// allowances, their sum before rounding, and the figures the window shows.
struct EstimateMakeUp {
    std::vector<Addend> addends;
    double total = 0;
    Estimate figures;
};

EstimateMakeUp makeUpOf(const LoadSheet& sheet, Controllers controllers);

// The watts of a part that waits, and the stock figure's working where it is
// the whole total.
inline constexpr std::string_view kNoWatts = "0 W";
inline constexpr std::string_view kWholeTotal = "total";

// A line of the make-up in three columns: what it is, how its watts follow
// (empty where they are simply the part's), and the watts.
struct MakeUpLine {
    std::string what;
    std::string working;
    std::string watts;
};

// The make-up in words, with numbers written by the number-text rule:
// {"CPU", "2 × 89 W", "178 W"}, ..., {"Mild Overclock", "307 × 1.05 = 322.35,
// rounded down", "322 W"}; a part that waits says why in the second column.
// While the figures read 0, a line that says why, in the first column, takes
// the place of all but the waiting parts.
std::vector<MakeUpLine> linesOf(const EstimateMakeUp& makeUp);

}  // namespace kolva
