#include "selection_rules.hpp"

#include "number_text.hpp"

namespace kolva {

namespace {

constexpr Group kProcessors{Slot::CPU, Slot::Text2, Slot::Text18};
constexpr Group kGraphicsCards{Slot::Text5, Slot::Text15, Slot::Text20};
constexpr Group kMemorySticks{Slot::Text4, Slot::Text14, Slot::Text19};

constexpr std::array<std::string_view, 5> kProcessorCounts = {"0", "1", "2", "4", "8"};
constexpr std::array<std::string_view, 4> kGraphicsCardCounts = {"0", "1", "2", "4"};

ListRule lookup(List list, std::string_view help, Slot slot, std::span<const TableRow> table,
                std::optional<Group> group = std::nullopt) {
    return {list, help, Write::Lookup, slot, table, {}, {}, 0, group};
}

ListRule copy(List list, std::string_view help, Slot slot, NumberRange numbers,
              std::optional<Group> group = std::nullopt) {
    return {list, help, Write::CopyText, slot, {}, {}, numbers, 0, group};
}

ListRule copy(List list, std::string_view help, Slot slot, std::span<const std::string_view> fixed,
              Group group) {
    return {list, help, Write::CopyText, slot, {}, fixed, {}, 0, group};
}

ListRule count(List list, std::string_view help, Slot slot, int last, int wattsPerUnit) {
    return {list, help, Write::Count, slot, {}, {}, {last, 1}, wattsPerUnit, std::nullopt};
}

// One row per list, in the order of the List enumeration.
const std::array<ListRule, kListCount>& listRules() {
    static const std::array<ListRule, kListCount> rules = {
        lookup(List::Combo1, "Central Processing Unit", Slot::CPU, processorTable(), kProcessors),
        copy(List::Combo2, "# of CPU's in system", Slot::Text2, kProcessorCounts, kProcessors),
        count(List::Combo3, "# of Hard Disk Drives in system", Slot::Text28, 12, 25),
        copy(List::Combo4, "# of sticks of RAM in system", Slot::Text14, {8, 1}, kMemorySticks),
        lookup(List::Combo5, "Random Access Memory", Slot::Text4, memoryTable(), kMemorySticks),
        lookup(List::Combo6, "Video Graphics Accellerator", Slot::Text5, graphicsTable(),
               kGraphicsCards),
        copy(List::Combo7, "# of VGA cards in system", Slot::Text15, kGraphicsCardCounts,
             kGraphicsCards),
        lookup(List::Combo8, "Type of optical drive in system", Slot::Text21, opticalTable()),
        count(List::Combo9, "# of Cooling Fans in system", Slot::Text23, 12, 3),
        count(List::Combo10, "# of Case Lights (Cold Cathode Flourescents or Neons)", Slot::Text24,
              12, 5),
        lookup(List::Combo11, "Type of optical drive in system", Slot::Text22, opticalTable()),
        copy(List::Combo12, "Thermoelectret, or Peltier cooling", Slot::Text30, {990, 10}),
        count(List::Combo13, "# of X-in-1 Card Readers in system", Slot::Text26, 4, 10),
        count(List::Combo14, "# of Floppy, LS120, Zip, and Tape Drives in system", Slot::Text25, 4,
              8),
        count(List::Combo15, "# of USB devices attached to system", Slot::usb, 12, 5),
        count(List::Combo16, "# of Firewire devices attached to system", Slot::firewire, 12, 8),
        count(List::Combo18, "# of other non-specific PCI devices", Slot::Text1, 7, 5),
    };
    return rules;
}

// One row per check box, in the order of the Box enumeration.
constexpr std::array<BoxRule, kBoxCount> kBoxRules = {{
    {Box::Check1, "Indicates a 56k Dialup Modem is present in system", Slot::Text8, "4", {}},
    {Box::Check2, "Indicates a NIC (Network Interface Card) is present", Slot::Text12, "4", {}},
    {Box::Check3, "Indicates a Sound Card is present", Slot::Text11, "7", {}},
    {Box::Check4,
     "Indicates a Front Audio Panel (ex. Live! Drive) is present",
     Slot::Text9,
     "11",
     {}},
    {Box::Check5,
     "Indicates presence of a Small Computer Systems Interface",
     Slot::Text10,
     "25",
     {}},
    {Box::Check6, "Indicates a USB controller is present in system", Slot::usb, "", List::Combo15},
    {Box::Check7, "12v Pump, for water cooling", Slot::Text29, "20", {}},
    {Box::Check8, "Indicates a TV Tuner Card is present", Slot::Text27, "7", {}},
    {Box::Check9, "Indicates a Firewire controller is present in system", Slot::firewire, "",
     List::Combo16},
}};

constexpr std::array<std::string_view, kExplainedCount> kExplanations = {
    "Thermoelectret, or Peltier cooling",
    "Suggested wattage requirement",
    "Suggested wattage requirement while mildly overclocked",
    "Suggested wattage requirement while heavily overclocked",
};

constexpr std::array<List, kListCount> kStartupOrder = {
    List::Combo1,  List::Combo5, List::Combo6,  List::Combo8,  List::Combo11, List::Combo15,
    List::Combo16, List::Combo9, List::Combo10, List::Combo3,  List::Combo13, List::Combo14,
    List::Combo2,  List::Combo4, List::Combo7,  List::Combo18, List::Combo12,
};

std::vector<std::string> buildEntries(const ListRule& rule) {
    std::vector<std::string> entries;
    if (!rule.table.empty()) {
        for (const TableRow& row : rule.table) {
            entries.emplace_back(row.text);
        }
    } else if (!rule.fixed.empty()) {
        entries.assign(rule.fixed.begin(), rule.fixed.end());
    } else {
        for (int n = 0; n <= rule.numbers.last; n += rule.numbers.step) {
            entries.push_back(std::to_string(n));
        }
    }
    return entries;
}

}  // namespace

const ListRule& ruleFor(List list) {
    return listRules()[indexOf(list)];
}

const BoxRule& ruleFor(Box box) {
    return kBoxRules[indexOf(box)];
}

std::string_view explanation(Explained control) {
    return kExplanations[indexOf(control)];
}

const std::vector<std::string>& entriesOf(List list) {
    static const std::array<std::vector<std::string>, kListCount> entries = [] {
        std::array<std::vector<std::string>, kListCount> all;
        for (const ListRule& rule : listRules()) {
            all[indexOf(rule.list)] = buildEntries(rule);
        }
        return all;
    }();
    return entries[indexOf(list)];
}

std::span<const List, kListCount> startupOrder() {
    return kStartupOrder;
}

std::string countValue(const ListRule& rule, std::string_view entry) {
    return toText(toNumber(entry) * rule.wattsPerUnit);
}

}  // namespace kolva
