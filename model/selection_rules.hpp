#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "component_tables.hpp"
#include "controls.hpp"
#include "joined.hpp"
#include "load_sheet.hpp"
#include "project.hpp"

namespace kolva {

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

// The entries are the rows of a component table; the chosen row's watts, if
// it has any, go to the slot.
struct LookupRule {
    std::span<const TableRow> table;
};

// The entries are numbers that go to the slot as they stand: a regular range,
// or a fixed list where the numbers have gaps.
struct CopyRule {
    std::variant<NumberRange, std::span<const std::string_view>> entries;
};

// The entries count units from "0" to "last"; the slot gets the count times
// the watts of one unit.
struct CountRule {
    int last = 0;
    int wattsPerUnit = 0;
};

// How a list's handler turns the chosen entry into its slot's value, and
// which group total it forms again afterwards.
struct ListRule {
    List list;
    std::string_view name;     // what the window calls the part: "CPU", "Optical #1"
    std::string_view purpose;  // what the list chooses: "Processor model"
    std::string_view help;
    Slot slot;
    std::variant<LookupRule, CopyRule, CountRule> write;
    std::optional<Group> group;
    // What a change of the list changes, where the part's name alone would
    // not tell a group's model from its number: "CPU model".
    std::string_view changes = name;
};

// A component box writes `checkedValue` to its slot while checked and "0"
// while not.
struct ComponentBox {
    std::string_view checkedValue;
};

// A bus box enables its device list while checked and starts the count of
// devices again from "0" whichever way it goes.
struct BusBox {
    List devices;
};

struct BoxRule {
    Box box;
    std::string_view caption;  // as the window shows it: "12V Pump"
    std::string_view help;
    Slot slot;
    std::variant<ComponentBox, BusBox> kind;
};

const ListRule& ruleFor(List list);
const BoxRule& ruleFor(Box box);
std::string_view explanation(Explained control);

// The entries of a list, in the order the window shows them.
const std::vector<std::string>& entriesOf(List list);

// The order in which the window's load handler selects entry 0 of each list.
std::span<const List, kListCount> startupOrder();

// A list or a check box: the controls a user changes.
using Control = std::variant<List, Box>;

// Every list and box in the order the window reads: its keyboard focus order,
// which the make-up and the copied machine follow too.
std::span<const Control, kListCount + kBoxCount> readingOrder();

// The slot value that a count list writes for an entry.
std::string countValue(const CountRule& rule, std::string_view entry);

// The help line as the window is made ("Kolva 1.0"), and once its load
// handler has run ("Kolva v1.0").
inline constexpr std::string_view kBeforeVersion = " ";
inline constexpr std::string_view kBeforeTaggedVersion = " v";
inline constexpr std::string_view kHelpAtCreation =
    Joined<project::kName, kBeforeVersion, project::kShortVersion>::text;
inline constexpr std::string_view kStartupHelp =
    Joined<project::kName, kBeforeTaggedVersion, project::kShortVersion>::text;

}  // namespace kolva
