#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "component_tables.hpp"
#include "controls.hpp"
#include "load_sheet.hpp"

namespace kolva {

// How a list's handler turns the chosen entry into its slot's value.
enum class Write : std::uint8_t {
    Lookup,    // the watts of the entry's row in `table`
    CopyText,  // the entry's text itself
    Count,     // the entry's number times `wattsPerUnit`
};

// A counted group: after every choice, total = count x unit.
struct Group {
    Slot unit;
    Slot count;
    Slot total;
};

// Entries "0", "step", "2 x step", ... up to "last".
struct NumberRange {
    int last = 0;
    int step = 1;
};

struct ListRule {
    List list;
    std::string_view help;
    Write write;
    Slot slot;
    std::span<const TableRow> table;          // Lookup lists: entries and their watts
    std::span<const std::string_view> fixed;  // count lists with gaps between entries
    NumberRange numbers;                      // the other count lists
    int wattsPerUnit = 0;                     // Count lists
    std::optional<Group> group;               // recomputed after the write
};

// A check box writes `checkedValue` to its slot while checked and "0" while
// not. A bus box instead enables its paired device list and resets it to "0".
struct BoxRule {
    Box box;
    std::string_view help;
    Slot slot;
    std::string_view checkedValue;
    std::optional<List> paired;
};

const ListRule& ruleFor(List list);
const BoxRule& ruleFor(Box box);
std::string_view explanation(Explained control);

// The entries of a list, in the order the window shows them.
const std::vector<std::string>& entriesOf(List list);

// The order in which the window's load handler selects entry 0 of each list.
std::span<const List, kListCount> startupOrder();

// The slot value that a count list writes for an entry.
std::string countValue(const ListRule& rule, std::string_view entry);

inline constexpr std::string_view kStartupHelp = "Kolva v1.0";

}  // namespace kolva
