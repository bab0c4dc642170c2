#include "visible_texts.hpp"

#include <array>

namespace kolva::oracle {

namespace {

constexpr auto kShownTexts = std::to_array<ShownText>({
    // Frames; the component panel and the result frame have no caption.
    {"Frame16", ""},
    {"Frame5", "CPU"},
    {"Frame7", "RAM"},
    {"Frame6", "VGA"},
    {"Frame1", "Exotic Cooling"},
    {"Frame10", "Optical #1"},
    {"Frame8", "Optical #2"},
    {"Frame12", "USB Devices"},
    {"Frame13", "Firewire Devices"},
    {"Frame3", "PCI Cards"},
    {"Frame4", "Miscellaneous"},
    {"Frame2", ""},
    // Labels on the window.
    {"Label824", "Note: A 35 Watt overhead is applied to all calculations."},
    {"Label1", "Kolva v1.0  \u00b7  free software under the MIT licence"},
    {"help", "Kolva v1.0"},
    // Labels in the frames.
    {"Label13", "X"},
    {"Label14", "X"},
    {"Label15", "X"},
    {"Label18", "TEC (Watts):"},
    {"Label20", "Devices:"},
    {"Label21", "Devices:"},
    {"Label3", "Additional:"},
    {"Label2", "System Fans:"},
    {"Label11", "Case Lights:"},
    {"Label12", "Card Reader:"},
    {"Label17", "Floppy / ZIP:"},
    {"Label10", "Hard Drives:"},
    {"Label8889", "Stock Speeds"},
    {"Label9", "Mild Overclock"},
    {"Label5", "Heavy Overclock"},
    {"Label4", "0"},
    {"Text31", "0"},
    {"Text32", "0"},
    {"Label6", "Watts"},
    {"Label7", "Watts"},
    {"Label565", "Watts"},
    // Check boxes.
    {"Check7", "12V Pump"},
    {"Check6", "USB Enabled"},
    {"Check9", "1394 Enabled"},
    {"Check1", "56k Modem"},
    {"Check2", "Network Card"},
    {"Check3", "Sound Card"},
    {"Check4", "Audio Front Panel"},
    {"Check5", "SCSI Card"},
    {"Check8", "TV Tuner"},
});

constexpr auto kProcessors = std::to_array<std::string_view>({
    "Select From Below",
    "",
    "====== Intel ======",
    "",
    "Pentium",
    "Pentium II",
    "Pentium III Slot 1",
    "Pentium III Tualatin",
    "Pentium III PGA ",
    "Celeron PGA370",
    "Celeron PGA478",
    "Celeron J LGA775",
    "Pentium 4 [PGA423",
    "Pentium 4 Willamette",
    "Pentium 4 Northwood",
    "Pentium 4 Prescott",
    "Pentium 4 3.06Ghz HT",
    "Pentium 4 Extreme Ed.",
    "Pentium 4 520-540 Series",
    "Pentium 4 550-570 Series",
    "Pentium 4 600 Series and up",
    "",
    "====== AMD ======",
    "",
    "K6",
    "K6-2",
    "K6-III",
    "Athlon SlotA 500-750Mhz",
    "Athlon SlotA 800-850Mhz",
    "Athlon SlotA 900--950Mhz",
    "Athlon SlotA 1.0Ghz",
    "Athlon T-Bird 650-1000Mhz",
    "Athlon T-Bird 1.1Ghz",
    "Athlon T-Bird 1.2Ghz",
    "Athlon T-Bird 1.3Ghz",
    "Athlon T-Bird 1.4Ghz",
    "Athlon XP Palomino",
    "Athlon XP Tbred 1600-1900",
    "Athlon XP Tbred 2000-2100",
    "Athlon XP Tbred 2200-2700",
    "Athlon XP Tbred 2800",
    "Athlon XP Barton 2500",
    "Athlon XP Barton 3000",
    "Athlon XP Barton 3200",
    "Athlon MP Palomino",
    "Athlon MP Tbred or Barton",
    "Athlon 64",
    "Athlon 64 FX53",
    "Athlon 64 FX55",
    "Athlon 64 FX57",
    "Athlon 64 FX60",
    "Athlon 64 X2 Toledo",
    "Athlon 64 X2 Manchester",
    "Duron Spitfire",
    "Duron Morgan",
    "Duron Applebred",
    "Opteron",
});

constexpr auto kGraphicsCards = std::to_array<std::string_view>({
    "Select From Below",   "",
    "32Mb or Less",        "Radeon 7000 Series",
    "Radeon 8000 Series",  "Radeon 9500 - 9600",
    "Radeon 9700 - 9800",  "Radeon 9800XT",
    "Radeon X300",         "Radeon X700",
    "Radeon X700 Pro",     "Radeon X800",
    "Radeon X800 Pro",     "Radeon X800XT",
    "Radeon X1300 Series", "Radeon X1800 Series",
    "Radeon X1900 Series", "",
    "GeForce 3 Ti",        "GeForce 4 MX",
    "GeForce 4 Ti",        "GeForce FX 5200-5700",
    "GeForce FX 5800",     "GeForce 5900",
    "GeForce 5900 Ultra",  "GeForce 5950",
    "GeForce 5950 Ultra",  "GeForce 6200",
    "GeForce 6600",        "GeForce 6600 GT",
    "GeForce 6800",        "GeForce 6800 GT",
    "GeForce 6800 Ultra",  "GeForce 7800",
    "GeForce 7800 GT",     "GeForce 7800 GTX",
});

constexpr auto kMemoryTypes = std::to_array<std::string_view>({
    "Select From Below",
    "PC66/100 SDRAM",
    "PC133/166 SDRAM",
    "DDR SDRAM",
    "DDR2 SDRAM",
    "RAMBUS RDRAM",
});

constexpr auto kOpticalDrives = std::to_array<std::string_view>({
    "Select From Below",
    "CD-ROM",
    "DVD-ROM",
    "CDRW",
    "DVD / CDRW",
    "DVDRW",
});

constexpr auto kProcessorCounts = std::to_array<std::string_view>({"0", "1", "2", "4", "8"});
constexpr auto kGraphicsCardCounts = std::to_array<std::string_view>({"0", "1", "2", "4"});

constexpr auto kFocusOrder = std::to_array<std::string_view>({
    "Combo1", "Combo2", "Combo5",  "Combo4", "Combo6",  "Combo7",  "Check7",  "Combo12", "Combo11",
    "Combo8", "Check6", "Combo15", "Check9", "Combo16", "Check1",  "Check2",  "Check3",  "Check4",
    "Check5", "Check8", "Combo18", "Combo9", "Combo10", "Combo13", "Combo14", "Combo3",
});

std::vector<std::string> texts(std::span<const std::string_view> entries) {
    return {entries.begin(), entries.end()};
}

// "0", "step", "2 x step", ... up to "last".
std::vector<std::string> numbers(int last, int step = 1) {
    std::vector<std::string> entries;
    for (int n = 0; n <= last; n += step) {
        entries.push_back(std::to_string(n));
    }
    return entries;
}

}  // namespace

std::span<const ShownText> shownTexts() {
    return kShownTexts;
}

std::vector<std::string> entryTexts(List list) {
    switch (list) {
        case List::ProcessorModel:
            return texts(kProcessors);
        case List::ProcessorCount:
            return texts(kProcessorCounts);
        case List::MemoryStickCount:
            return numbers(8);
        case List::MemoryType:
            return texts(kMemoryTypes);
        case List::GraphicsCardModel:
            return texts(kGraphicsCards);
        case List::GraphicsCardCount:
            return texts(kGraphicsCardCounts);
        case List::OpticalDrive2:
        case List::OpticalDrive1:
            return texts(kOpticalDrives);
        case List::TecWatts:
            return numbers(990, 10);
        case List::CardReaders:
        case List::FloppyDrives:
            return numbers(4);
        case List::OtherPciCards:
            return numbers(7);
        case List::HardDrives:
        case List::SystemFans:
        case List::CaseLights:
        case List::UsbDevices:
        case List::FirewireDevices:
            return numbers(12);
    }
    return {};
}

std::span<const std::string_view> focusOrder() {
    return kFocusOrder;
}

}  // namespace kolva::oracle
