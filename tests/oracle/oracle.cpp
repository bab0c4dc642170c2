#include "oracle.hpp"

namespace kolva::oracle {

namespace {

constexpr int kBlank = -1;

// Watts by entry position. The processor list's blank separators keep the
// previous processor, so they are marked rather than given a value.
constexpr auto kProcessorWatts = std::to_array<int>({
    0,   kBlank, 0,  kBlank, 17, 35, 26, 32, 27,  35,  62,  78,  65,  100, 64, 89, 105, 103, 78, 92,
    110, kBlank, 0,  kBlank, 15, 18, 18, 35, 45,  55,  60,  49,  56,  59,  63, 65, 69,  53,  62, 68,
    74,  68,     74, 77,     66, 60, 89, 89, 104, 104, 110, 110, 110, 42,  60, 57, 85,
});
constexpr auto kGraphicsWatts = std::to_array<int>({
    0,  0,  20, 30, 30, 40, 54, 68, 40, 60, 72, 56, 56, 66, 75, 95, 115, 0,
    30, 30, 35, 41, 50, 55, 62, 60, 79, 65, 67, 70, 49, 65, 77, 68, 75,  80,
});
constexpr auto kMemoryHalfWatts = std::to_array<int>({0, 14, 24, 20, 15, 20});
constexpr auto kOpticalWatts = std::to_array<int>({0, 20, 25, 20, 30, 25});
constexpr auto kProcessorCounts = std::to_array<int>({0, 1, 2, 4, 8});
constexpr auto kGraphicsCounts = std::to_array<int>({0, 1, 2, 4});

struct ListFacts {
    int entries;
    int wattsPerStep;  // for lists whose entry n stands for n units
    std::string_view help;
};

constexpr std::array<ListFacts, kListCount> kLists = {{
    {57, 0, "Central Processing Unit"},                                // processor model
    {5, 0, "# of CPU's in system"},                                    // processor count
    {13, 25, "# of Hard Disk Drives in system"},                       // hard drives
    {9, 0, "# of sticks of RAM in system"},                            // memory stick count
    {6, 0, "Random Access Memory"},                                    // memory type
    {36, 0, "Video Graphics Accellerator"},                            // graphics card model
    {4, 0, "# of VGA cards in system"},                                // graphics card count
    {6, 0, "Type of optical drive in system"},                         // optical drive 2
    {13, 3, "# of Cooling Fans in system"},                            // system fans
    {13, 5, "# of Case Lights (Cold Cathode Flourescents or Neons)"},  // case lights
    {6, 0, "Type of optical drive in system"},                         // optical drive 1
    {100, 10, "Thermoelectret, or Peltier cooling"},                   // TEC watts
    {5, 10, "# of X-in-1 Card Readers in system"},                     // card readers
    {5, 8, "# of Floppy, LS120, Zip, and Tape Drives in system"},      // floppy drives
    {13, 5, "# of USB devices attached to system"},                    // USB devices
    {13, 8, "# of Firewire devices attached to system"},               // Firewire devices
    {8, 5, "# of other non-specific PCI devices"},                     // other PCI cards
}};

struct BoxFacts {
    int watts;
    std::string_view help;
};

constexpr std::array<BoxFacts, kBoxCount> kBoxes = {{
    {4, "Indicates a 56k Dialup Modem is present in system"},
    {4, "Indicates a NIC (Network Interface Card) is present"},
    {7, "Indicates a Sound Card is present"},
    {11, "Indicates a Front Audio Panel (ex. Live! Drive) is present"},
    {25, "Indicates presence of a Small Computer Systems Interface"},
    {0, "Indicates a USB controller is present in system"},
    {20, "12v Pump, for water cooling"},
    {7, "Indicates a TV Tuner Card is present"},
    {0, "Indicates a Firewire controller is present in system"},
}};

constexpr std::array<std::string_view, kExplainedCount> kExplanations = {
    "Thermoelectret, or Peltier cooling",
    "Suggested wattage requirement",
    "Suggested wattage requirement while mildly overclocked",
    "Suggested wattage requirement while heavily overclocked",
};

}  // namespace

Figures figuresFor(int halfWatts, bool usbController, bool firewireController) {
    const int total =
        halfWatts + 2 * 35 + (usbController ? 2 * 10 : 0) + (firewireController ? 2 * 20 : 0);
    const int stock = total / 2;
    if (stock == 35) {
        return {"0", "0", "0"};
    }
    return {std::to_string(stock), std::to_string(stock * 105 / 100),
            std::to_string(stock * 110 / 100)};
}

int entryCount(List list) {
    return kLists[indexOf(list)].entries;
}

int halfWattsOfEntry(List list, int entry) {
    switch (list) {
        case List::OpticalDrive2:
        case List::OpticalDrive1:
            return 2 * kOpticalWatts[static_cast<std::size_t>(entry)];
        default:
            return 2 * entry * kLists[indexOf(list)].wattsPerStep;
    }
}

int halfWattsOfBox(Box box) {
    return 2 * kBoxes[indexOf(box)].watts;
}

Oracle::Oracle() : help_("Kolva v1.0") {
    enabled_.fill(true);
    enabled_[indexOf(List::UsbDevices)] = false;
    enabled_[indexOf(List::FirewireDevices)] = false;
}

void Oracle::pick(List list, int entry) {
    if (!enabled(list) || entry < 0 || entry >= entryCount(list)) {
        return;
    }
    entries_[indexOf(list)] = entry;
    help_ = kLists[indexOf(list)].help;
    if (list == List::ProcessorModel &&
        kProcessorWatts[static_cast<std::size_t>(entry)] != kBlank) {
        processorHalfWatts_ = 2 * kProcessorWatts[static_cast<std::size_t>(entry)];
    }
}

void Oracle::toggle(Box box, bool checked) {
    checked_[indexOf(box)] = checked;
    help_ = kBoxes[indexOf(box)].help;
    if (box == Box::UsbController || box == Box::FirewireController) {
        const List devices = box == Box::UsbController ? List::UsbDevices : List::FirewireDevices;
        enabled_[indexOf(devices)] = checked;
        entries_[indexOf(devices)] = 0;
    }
}

void Oracle::explain(Explained control) {
    help_ = kExplanations[indexOf(control)];
}

int Oracle::halfWatts() const {
    const auto at = [this](List list) { return static_cast<std::size_t>(entry(list)); };
    int sum = processorHalfWatts_ * kProcessorCounts[at(List::ProcessorCount)];
    sum += 2 * kGraphicsWatts[at(List::GraphicsCardModel)] *
           kGraphicsCounts[at(List::GraphicsCardCount)];
    sum += kMemoryHalfWatts[at(List::MemoryType)] * entry(List::MemoryStickCount);
    for (const List list :
         {List::HardDrives, List::OpticalDrive2, List::SystemFans, List::CaseLights,
          List::OpticalDrive1, List::TecWatts, List::CardReaders, List::FloppyDrives,
          List::UsbDevices, List::FirewireDevices, List::OtherPciCards}) {
        sum += halfWattsOfEntry(list, entry(list));
    }
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        sum += checked_[i] ? halfWattsOfBox(static_cast<Box>(i)) : 0;
    }
    return sum;
}

Figures Oracle::figures() const {
    return figuresFor(halfWatts(), checked(Box::UsbController), checked(Box::FirewireController));
}

}  // namespace kolva::oracle
