#include "selection_rules.hpp"

#include <array>

#include "keyed_table.hpp"
#include "number_text.hpp"

namespace kolva {

namespace {

constexpr Group kProcessors{Slot::ProcessorWatts, Slot::ProcessorCount, Slot::ProcessorTotal};
constexpr Group kGraphicsCards{Slot::GraphicsCardWatts, Slot::GraphicsCardCount,
                               Slot::GraphicsTotal};
constexpr Group kMemorySticks{Slot::MemoryStickWatts, Slot::MemoryStickCount, Slot::MemoryTotal};

constexpr auto kProcessorCounts = std::to_array<std::string_view>({"0", "1", "2", "4", "8"});
constexpr auto kGraphicsCardCounts = std::to_array<std::string_view>({"0", "1", "2", "4"});

using Fixed = std::span<const std::string_view>;

// Help texts that two controls share.
constexpr std::string_view kOpticalHelp = "Type of optical drive in system";
constexpr std::string_view kTecHelp = "Thermoelectret, or Peltier cooling";

constexpr std::array<ListRule, kListCount> kListRules = {{
    {List::ProcessorModel, "CPU", "Processor model", "Central Processing Unit",
     Slot::ProcessorWatts, LookupRule{kProcessorTable}, kProcessors, "CPU model"},
    {List::ProcessorCount, "CPU", "Number of processors", "# of CPU's in system",
     Slot::ProcessorCount, CopyRule{Fixed(kProcessorCounts)}, kProcessors, "number of CPUs"},
    {List::HardDrives,
     "Hard Drives",
     "Number of hard drives",
     "# of Hard Disk Drives in system",
     Slot::HardDrives,
     CountRule{12, 25},
     {}},
    {List::MemoryStickCount, "RAM", "Number of memory sticks", "# of sticks of RAM in system",
     Slot::MemoryStickCount, CopyRule{NumberRange{8, 1}}, kMemorySticks, "number of RAM sticks"},
    {List::MemoryType, "RAM", "Memory type", "Random Access Memory", Slot::MemoryStickWatts,
     LookupRule{kMemoryTable}, kMemorySticks, "RAM type"},
    {List::GraphicsCardModel, "VGA", "Graphics card model", "Video Graphics Accellerator",
     Slot::GraphicsCardWatts, LookupRule{kGraphicsTable}, kGraphicsCards, "VGA model"},
    {List::GraphicsCardCount, "VGA", "Number of graphics cards", "# of VGA cards in system",
     Slot::GraphicsCardCount, CopyRule{Fixed(kGraphicsCardCounts)}, kGraphicsCards,
     "number of VGA cards"},
    {List::OpticalDrive2,
     "Optical #2",
     "Optical drive 2",
     kOpticalHelp,
     Slot::OpticalDrive2,
     LookupRule{kOpticalTable},
     {}},
    {List::SystemFans,
     "System Fans",
     "Number of system fans",
     "# of Cooling Fans in system",
     Slot::SystemFans,
     CountRule{12, 3},
     {}},
    {List::CaseLights,
     "Case Lights",
     "Number of case lights",
     "# of Case Lights (Cold Cathode Flourescents or Neons)",
     Slot::CaseLights,
     CountRule{12, 5},
     {}},
    {List::OpticalDrive1,
     "Optical #1",
     "Optical drive 1",
     kOpticalHelp,
     Slot::OpticalDrive1,
     LookupRule{kOpticalTable},
     {}},
    {List::TecWatts,
     "TEC (Watts)",
     "TEC watts",
     kTecHelp,
     Slot::TecElement,
     CopyRule{NumberRange{990, 10}},
     {}},
    {List::CardReaders,
     "Card Reader",
     "Number of card readers",
     "# of X-in-1 Card Readers in system",
     Slot::CardReaders,
     CountRule{4, 10},
     {}},
    {List::FloppyDrives,
     "Floppy / ZIP",
     "Number of floppy, Zip and tape drives",
     "# of Floppy, LS120, Zip, and Tape Drives in system",
     Slot::FloppyDrives,
     CountRule{4, 8},
     {}},
    {List::UsbDevices,
     "USB Devices",
     "Number of USB devices",
     "# of USB devices attached to system",
     Slot::UsbDevices,
     CountRule{12, 5},
     {}},
    {List::FirewireDevices,
     "Firewire Devices",
     "Number of Firewire devices",
     "# of Firewire devices attached to system",
     Slot::FirewireDevices,
     CountRule{12, 8},
     {}},
    {List::OtherPciCards,
     "Additional PCI Cards",
     "Number of additional PCI cards",
     "# of other non-specific PCI devices",
     Slot::OtherPciCards,
     CountRule{7, 5},
     {}},
}};
static_assert(inKeyOrder(kListRules, &ListRule::list));

constexpr std::array<BoxRule, kBoxCount> kBoxRules = {{
    {Box::DialUpModem, "56k Modem", "Indicates a 56k Dialup Modem is present in system",
     Slot::DialUpModem, ComponentBox{"4"}},
    {Box::NetworkCard, "Network Card", "Indicates a NIC (Network Interface Card) is present",
     Slot::NetworkCard, ComponentBox{"4"}},
    {Box::SoundCard, "Sound Card", "Indicates a Sound Card is present", Slot::SoundCard,
     ComponentBox{"7"}},
    {Box::AudioFrontPanel, "Audio Front Panel",
     "Indicates a Front Audio Panel (ex. Live! Drive) is present", Slot::AudioFrontPanel,
     ComponentBox{"11"}},
    {Box::ScsiCard, "SCSI Card", "Indicates presence of a Small Computer Systems Interface",
     Slot::ScsiCard, ComponentBox{"25"}},
    {Box::UsbController, "USB Enabled", "Indicates a USB controller is present in system",
     Slot::UsbDevices, BusBox{List::UsbDevices}},
    {Box::WaterPump, "12V Pump", "12v Pump, for water cooling", Slot::WaterPump,
     ComponentBox{"20"}},
    {Box::TvTuner, "TV Tuner", "Indicates a TV Tuner Card is present", Slot::TvTuner,
     ComponentBox{"7"}},
    {Box::FirewireController, "1394 Enabled",
     "Indicates a Firewire controller is present in system", Slot::FirewireDevices,
     BusBox{List::FirewireDevices}},
}};
static_assert(inKeyOrder(kBoxRules, &BoxRule::box));

constexpr std::array<KeyedText<Explained>, kExplainedCount> kExplanations = {{
    {Explained::TecCaption, kTecHelp},
    {Explained::StockFigure, "Suggested wattage requirement"},
    {Explained::MildFigure, "Suggested wattage requirement while mildly overclocked"},
    {Explained::HeavyFigure, "Suggested wattage requirement while heavily overclocked"},
}};
static_assert(inKeyOrder(kExplanations, &KeyedText<Explained>::key));

constexpr std::array<List, kListCount> kStartupOrder = {
    List::ProcessorModel, List::MemoryType,       List::GraphicsCardModel, List::OpticalDrive2,
    List::OpticalDrive1,  List::UsbDevices,       List::FirewireDevices,   List::SystemFans,
    List::CaseLights,     List::HardDrives,       List::CardReaders,       List::FloppyDrives,
    List::ProcessorCount, List::MemoryStickCount, List::GraphicsCardCount, List::OtherPciCards,
    List::TecWatts,
};

constexpr auto kReadingOrder = std::to_array<Control>({
    List::ProcessorModel,    List::ProcessorCount,    List::MemoryType,   List::MemoryStickCount,
    List::GraphicsCardModel, List::GraphicsCardCount, Box::WaterPump,     List::TecWatts,
    List::OpticalDrive1,     List::OpticalDrive2,     Box::UsbController, List::UsbDevices,
    Box::FirewireController, List::FirewireDevices,   Box::DialUpModem,   Box::NetworkCard,
    Box::SoundCard,          Box::AudioFrontPanel,    Box::ScsiCard,      Box::TvTuner,
    List::OtherPciCards,     List::SystemFans,        List::CaseLights,   List::CardReaders,
    List::FloppyDrives,      List::HardDrives,
});

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

std::span<const Control, kListCount + kBoxCount> readingOrder() {
    return kReadingOrder;
}

std::string countValue(const CountRule& rule, std::string_view entry) {
    return toText(toNumber(entry) * rule.wattsPerUnit);
}

}  // namespace kolva
