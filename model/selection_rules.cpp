#include "selection_rules.hpp"

#include <array>

#include "keyed_table.hpp"
#include "number_text.hpp"

namespace kolva {

namespace {

constexpr Group kProcessors{Slot::CPU, Slot::Text2, Slot::Text18};
constexpr Group kGraphicsCards{Slot::Text5, Slot::Text15, Slot::Text20};
constexpr Group kMemorySticks{Slot::Text4, Slot::Text14, Slot::Text19};

constexpr std::array<std::string_view, 5> kProcessorCounts = {"0", "1", "2", "4", "8"};
constexpr std::array<std::string_view, 4> kGraphicsCardCounts = {"0", "1", "2", "4"};

using Fixed = std::span<const std::string_view>;

constexpr std::array<ListRule, kListCount> kListRules = {{
    {List::Combo1, "Central Processing Unit", Slot::CPU, LookupRule{kProcessorTable}, kProcessors},
    {List::Combo2, "# of CPU's in system", Slot::Text2, CopyRule{Fixed(kProcessorCounts)},
     kProcessors},
    {List::Combo3, "# of Hard Disk Drives in system", Slot::Text28, CountRule{12, 25}, {}},
    {List::Combo4, "# of sticks of RAM in system", Slot::Text14, CopyRule{NumberRange{8, 1}},
     kMemorySticks},
    {List::Combo5, "Random Access Memory", Slot::Text4, LookupRule{kMemoryTable}, kMemorySticks},
    {List::Combo6, "Video Graphics Accellerator", Slot::Text5, LookupRule{kGraphicsTable},
     kGraphicsCards},
    {List::Combo7, "# of VGA cards in system", Slot::Text15, CopyRule{Fixed(kGraphicsCardCounts)},
     kGraphicsCards},
    {List::Combo8, "Type of optical drive in system", Slot::Text21, LookupRule{kOpticalTable}, {}},
    {List::Combo9, "# of Cooling Fans in system", Slot::Text23, CountRule{12, 3}, {}},
    {List::Combo10,
     "# of Case Lights (Cold Cathode Flourescents or Neons)",
     Slot::Text24,
     CountRule{12, 5},
     {}},
    {List::Combo11, "Type of optical drive in system", Slot::Text22, LookupRule{kOpticalTable}, {}},
    {List::Combo12,
     "Thermoelectret, or Peltier cooling",
     Slot::Text30,
     CopyRule{NumberRange{990, 10}},
     {}},
    {List::Combo13, "# of X-in-1 Card Readers in system", Slot::Text26, CountRule{4, 10}, {}},
    {List::Combo14,
     "# of Floppy, LS120, Zip, and Tape Drives in system",
     Slot::Text25,
     CountRule{4, 8},
     {}},
    {List::Combo15, "# of USB devices attached to system", Slot::usb, CountRule{12, 5}, {}},
    {List::Combo16,
     "# of Firewire devices attached to system",
     Slot::firewire,
     CountRule{12, 8},
     {}},
    {List::Combo18, "# of other non-specific PCI devices", Slot::Text1, CountRule{7, 5}, {}},
}};
static_assert(inKeyOrder(kListRules, &ListRule::list));

constexpr std::array<BoxRule, kBoxCount> kBoxRules = {{
    {Box::Check1, "Indicates a 56k Dialup Modem is present in system", Slot::Text8,
     ComponentBox{"4"}},
    {Box::Check2, "Indicates a NIC (Network Interface Card) is present", Slot::Text12,
     ComponentBox{"4"}},
    {Box::Check3, "Indicates a Sound Card is present", Slot::Text11, ComponentBox{"7"}},
    {Box::Check4, "Indicates a Front Audio Panel (ex. Live! Drive) is present", Slot::Text9,
     ComponentBox{"11"}},
    {Box::Check5, "Indicates presence of a Small Computer Systems Interface", Slot::Text10,
     ComponentBox{"25"}},
    {Box::Check6, "Indicates a USB controller is present in system", Slot::usb,
     BusBox{List::Combo15}},
    {Box::Check7, "12v Pump, for water cooling", Slot::Text29, ComponentBox{"20"}},
    {Box::Check8, "Indicates a TV Tuner Card is present", Slot::Text27, ComponentBox{"7"}},
    {Box::Check9, "Indicates a Firewire controller is present in system", Slot::firewire,
     BusBox{List::Combo16}},
}};
static_assert(inKeyOrder(kBoxRules, &BoxRule::box));

constexpr std::array<KeyedText<Explained>, kExplainedCount> kExplanations = {{
    {Explained::Label18, "Thermoelectret, or Peltier cooling"},
    {Explained::Label4, "Suggested wattage requirement"},
    {Explained::Text31, "Suggested wattage requirement while mildly overclocked"},
    {Explained::Text32, "Suggested wattage requirement while heavily overclocked"},
}};
static_assert(inKeyOrder(kExplanations, &KeyedText<Explained>::key));

constexpr std::array<List, kListCount> kStartupOrder = {
    List::Combo1,  List::Combo5, List::Combo6,  List::Combo8,  List::Combo11, List::Combo15,
    List::Combo16, List::Combo9, List::Combo10, List::Combo3,  List::Combo13, List::Combo14,
    List::Combo2,  List::Combo4, List::Combo7,  List::Combo18, List::Combo12,
};

// The texts of a list's entries, from whichever form its rule keeps them in.
struct EntryTexts {
    using Texts = std::vector<std::string>;

    Texts operator()(const LookupRule& rule) const {
        Texts texts;
        for (const TableRow& row : rule.table) {
            texts.emplace_back(row.text);
        }
        return texts;
    }
    Texts operator()(const CopyRule& rule) const { return std::visit(*this, rule.entries); }
    Texts operator()(const CountRule& rule) const { return (*this)(NumberRange{rule.last, 1}); }
    Texts operator()(NumberRange range) const {
        Texts texts;
        for (int n = 0; n <= range.last; n += range.step) {
            texts.push_back(std::to_string(n));
        }
        return texts;
    }
    Texts operator()(std::span<const std::string_view> fixed) const {
        return {fixed.begin(), fixed.end()};
    }
};

}  // namespace

const ListRule& ruleFor(List list) {
    return kListRules[indexOf(list)];
}

const BoxRule& ruleFor(Box box) {
    return kBoxRules[indexOf(box)];
}

std::string_view explanation(Explained control) {
    return kExplanations[indexOf(control)].text;
}

const std::vector<std::string>& entriesOf(List list) {
    static const std::array<std::vector<std::string>, kListCount> entries = [] {
        std::array<std::vector<std::string>, kListCount> all;
        for (const ListRule& rule : kListRules) {
            all[indexOf(rule.list)] = std::visit(EntryTexts{}, rule.write);
        }
        return all;
    }();
    return entries[indexOf(list)];
}

std::span<const List, kListCount> startupOrder() {
    return kStartupOrder;
}

std::string countValue(const CountRule& rule, std::string_view entry) {
    return toText(toNumber(entry) * rule.wattsPerUnit);
}

}  // namespace kolva
