#include "power_model.hpp"

#include <gtest/gtest.h>

#include <cctype>

#include "case_name.hpp"
#include "model_driver.hpp"
#include "visible_texts.hpp"

namespace kolva {
namespace {

using testing_support::CaseName;
using testing_support::entryIndex;
using testing_support::LoadedModel;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): found by GoogleTest

TEST(Startup, LeavesEveryListOnEntryZeroAndAllFiguresZero) {
    PowerModel model;
    EXPECT_EQ(model.help(), oracle::kHelpAtCreation);
    EXPECT_EQ(model.listState(List::ProcessorModel).entry, -1);
    EXPECT_FALSE(model.listState(List::UsbDevices).enabled);

    model.load();
    EXPECT_EQ(model.help(), "Kolva v1.0");
    EXPECT_EQ(model.estimate(), (Estimate{"0", "0", "0"}));
    for (const List list : startupOrder()) {
        EXPECT_EQ(model.listState(list).entry, 0) << ruleFor(list).purpose;
    }
    EXPECT_FALSE(model.listState(List::UsbDevices).enabled);
    EXPECT_FALSE(model.listState(List::FirewireDevices).enabled);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(model.sheet().get(static_cast<Slot>(i)), "0") << "slot #" << i;
    }
}

// One row per counted group: choosing the model before or after the count,
// and the blank separators of the model list.
struct GroupCase {
    const char* name;
    List modelList;
    List countList;
    const char* modelEntry;
    const char* countEntry;
    Slot unit;
    Slot count;
    Slot total;
    const char* unitText;
    const char* totalText;
};

class CountedGroupTest : public testing::TestWithParam<GroupCase> {};

TEST_P(CountedGroupTest, TotalIsCountTimesUnitInEitherOrder) {
    const GroupCase& c = GetParam();
    LoadedModel modelFirst;
    modelFirst.pick(c.modelList, c.modelEntry);
    EXPECT_EQ(modelFirst.slot(c.total), "0") << "count is still 0";
    modelFirst.pick(c.countList, c.countEntry);

    LoadedModel countFirst;
    countFirst.pick(c.countList, c.countEntry).pick(c.modelList, c.modelEntry);

    for (const LoadedModel* m : {&modelFirst, &countFirst}) {
        EXPECT_EQ(m->slot(c.unit), c.unitText);
        EXPECT_EQ(m->slot(c.count), c.countEntry);
        EXPECT_EQ(m->slot(c.total), c.totalText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, CountedGroupTest,
    testing::Values(
        GroupCase{"Prescott", List::ProcessorModel, List::ProcessorCount, "Pentium 4 Prescott", "2",
                  Slot::ProcessorWatts, Slot::ProcessorCount, Slot::ProcessorTotal, "89", "178"},
        GroupCase{"EightFx60", List::ProcessorModel, List::ProcessorCount, "Athlon 64 FX60", "8",
                  Slot::ProcessorWatts, Slot::ProcessorCount, Slot::ProcessorTotal, "110", "880"},
        GroupCase{"TrailingBlankKept", List::ProcessorModel, List::ProcessorCount,
                  "Pentium III PGA ", "1", Slot::ProcessorWatts, Slot::ProcessorCount,
                  Slot::ProcessorTotal, "27", "27"},
        GroupCase{"BracketKept", List::ProcessorModel, List::ProcessorCount, "Pentium 4 [PGA423",
                  "1", Slot::ProcessorWatts, Slot::ProcessorCount, Slot::ProcessorTotal, "65",
                  "65"},
        GroupCase{"DoubleHyphenKept", List::ProcessorModel, List::ProcessorCount,
                  "Athlon SlotA 900--950Mhz", "4", Slot::ProcessorWatts, Slot::ProcessorCount,
                  Slot::ProcessorTotal, "55", "220"},
        GroupCase{"K6IsNotK6Dash2", List::ProcessorModel, List::ProcessorCount, "K6", "1",
                  Slot::ProcessorWatts, Slot::ProcessorCount, Slot::ProcessorTotal, "15", "15"},
        GroupCase{"FourX1900", List::GraphicsCardModel, List::GraphicsCardCount,
                  "Radeon X1900 Series", "4", Slot::GraphicsCardWatts, Slot::GraphicsCardCount,
                  Slot::GraphicsTotal, "115", "460"},
        GroupCase{"TwoDdr", List::MemoryType, List::MemoryStickCount, "DDR SDRAM", "2",
                  Slot::MemoryStickWatts, Slot::MemoryStickCount, Slot::MemoryTotal, "10", "20"},
        GroupCase{"ThreeDdr2KeepsHalfWatt", List::MemoryType, List::MemoryStickCount, "DDR2 SDRAM",
                  "3", Slot::MemoryStickWatts, Slot::MemoryStickCount, Slot::MemoryTotal, "7.5",
                  "22.5"},
        GroupCase{"EightDdr2", List::MemoryType, List::MemoryStickCount, "DDR2 SDRAM", "8",
                  Slot::MemoryStickWatts, Slot::MemoryStickCount, Slot::MemoryTotal, "7.5", "60"},
        GroupCase{"LargestMemory", List::MemoryType, List::MemoryStickCount, "PC133/166 SDRAM", "8",
                  Slot::MemoryStickWatts, Slot::MemoryStickCount, Slot::MemoryTotal, "12", "96"}),
    CaseName());

TEST(ProcessorGroup, BlankEntryKeepsTheProcessorButHeadingsClearIt) {
    LoadedModel m;
    m.pick(List::ProcessorModel, "Opteron").pick(List::ProcessorCount, "2");
    for (const int blank : {1, 3, 21, 23}) {
        m.model.explain(Explained::StockFigure);
        m.pickAt(List::ProcessorModel, blank);
        EXPECT_EQ(m.slot(Slot::ProcessorWatts), "85") << "entry " << blank;
        EXPECT_EQ(m.slot(Slot::ProcessorTotal), "170");
        EXPECT_EQ(m.model.help(), "Central Processing Unit");
        EXPECT_EQ(m.model.listState(List::ProcessorModel).entry, blank);
    }
    for (const char* heading : {"====== Intel ======", "====== AMD ======", "Select From Below"}) {
        m.pick(List::ProcessorModel, "Opteron").pick(List::ProcessorModel, heading);
        EXPECT_EQ(m.slot(Slot::ProcessorWatts), "0") << heading;
        EXPECT_EQ(m.slot(Slot::ProcessorTotal), "0") << heading;
    }
}

TEST(GraphicsGroup, BothBlankEntriesCountNoCard) {
    for (const int blank : {1, 17}) {
        LoadedModel m;
        m.pick(List::GraphicsCardModel, "GeForce 6600 GT").pick(List::GraphicsCardCount, "2");
        ASSERT_EQ(m.slot(Slot::GraphicsTotal), "140");
        m.pickAt(List::GraphicsCardModel, blank);
        EXPECT_EQ(m.slot(Slot::GraphicsCardWatts), "0") << "entry " << blank;
        EXPECT_EQ(m.slot(Slot::GraphicsTotal), "0") << "entry " << blank;
    }
}

TEST(CountedGroups, CountZeroKeepsUnitAndOneBringsItBack) {
    LoadedModel m;
    m.pick(List::MemoryType, "DDR2 SDRAM").pick(List::MemoryStickCount, "0");
    EXPECT_EQ(m.slot(Slot::MemoryTotal), "0");
    EXPECT_EQ(m.slot(Slot::MemoryStickWatts), "7.5");
    m.pick(List::MemoryStickCount, "1");
    EXPECT_EQ(m.slot(Slot::MemoryTotal), "7.5");
    m.pick(List::MemoryType, "Select From Below");
    EXPECT_EQ(m.slot(Slot::MemoryTotal), "0");
    EXPECT_EQ(m.slot(Slot::MemoryStickCount), "1");
}

// Lists whose choice goes straight into one summed slot.
struct DirectCase {
    const char* name;
    List list;
    const char* entry;
    Slot slot;
    const char* value;
    const char* help;
};

class DirectListTest : public testing::TestWithParam<DirectCase> {};

TEST_P(DirectListTest, WritesItsSlotAndHelp) {
    const DirectCase& c = GetParam();
    LoadedModel m;
    m.pick(c.list, c.entry);
    EXPECT_EQ(m.slot(c.slot), c.value);
    EXPECT_EQ(m.model.help(), c.help);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DirectListTest,
    testing::Values(DirectCase{"CdRom", List::OpticalDrive1, "CD-ROM", Slot::OpticalDrive1, "20",
                               "Type of optical drive in system"},
                    DirectCase{"DvdRom", List::OpticalDrive2, "DVD-ROM", Slot::OpticalDrive2, "25",
                               "Type of optical drive in system"},
                    DirectCase{"ComboDriveWithSpacedSlash", List::OpticalDrive1, "DVD / CDRW",
                               Slot::OpticalDrive1, "30", "Type of optical drive in system"},
                    DirectCase{"TwelveDisks", List::HardDrives, "12", Slot::HardDrives, "300",
                               "# of Hard Disk Drives in system"},
                    DirectCase{"ThreeDisks", List::HardDrives, "3", Slot::HardDrives, "75",
                               "# of Hard Disk Drives in system"},
                    DirectCase{"FourFloppies", List::FloppyDrives, "4", Slot::FloppyDrives, "32",
                               "# of Floppy, LS120, Zip, and Tape Drives in system"},
                    DirectCase{"FourReaders", List::CardReaders, "4", Slot::CardReaders, "40",
                               "# of X-in-1 Card Readers in system"},
                    DirectCase{"SevenPciCards", List::OtherPciCards, "7", Slot::OtherPciCards, "35",
                               "# of other non-specific PCI devices"},
                    DirectCase{"TwelveFans", List::SystemFans, "12", Slot::SystemFans, "36",
                               "# of Cooling Fans in system"},
                    DirectCase{"TwelveLights", List::CaseLights, "12", Slot::CaseLights, "60",
                               "# of Case Lights (Cold Cathode Flourescents or Neons)"},
                    DirectCase{"LargestTec", List::TecWatts, "990", Slot::TecElement, "990",
                               "Thermoelectret, or Peltier cooling"}),
    CaseName());

TEST(OpticalBays, CountSeparatelyAndClearOnlyTheirOwnSlot) {
    LoadedModel m;
    m.pick(List::OpticalDrive1, "DVD / CDRW").pick(List::OpticalDrive2, "DVD / CDRW");
    EXPECT_EQ(m.figures().stock, "95");
    m.pick(List::OpticalDrive2, "Select From Below");
    EXPECT_EQ(m.slot(Slot::OpticalDrive2), "0");
    EXPECT_EQ(m.slot(Slot::OpticalDrive1), "30");
}

struct BoxCase {
    const char* name;
    Box box;
    Slot slot;
    const char* value;
    const char* help;
};

class ComponentBoxTest : public testing::TestWithParam<BoxCase> {};

TEST_P(ComponentBoxTest, WritesItsValueWhileChecked) {
    const BoxCase& c = GetParam();
    LoadedModel m;
    m.toggle(c.box, true);
    EXPECT_EQ(m.slot(c.slot), c.value);
    EXPECT_EQ(m.model.help(), c.help);
    EXPECT_NE(m.figures().stock, "0");
    m.toggle(c.box, false);
    EXPECT_EQ(m.slot(c.slot), "0");
    EXPECT_EQ(m.figures(), (Estimate{"0", "0", "0"}));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ComponentBoxTest,
    testing::Values(
        BoxCase{"Modem", Box::DialUpModem, Slot::DialUpModem, "4",
                "Indicates a 56k Dialup Modem is present in system"},
        BoxCase{"Network", Box::NetworkCard, Slot::NetworkCard, "4",
                "Indicates a NIC (Network Interface Card) is present"},
        BoxCase{"Sound", Box::SoundCard, Slot::SoundCard, "7", "Indicates a Sound Card is present"},
        BoxCase{"FrontPanel", Box::AudioFrontPanel, Slot::AudioFrontPanel, "11",
                "Indicates a Front Audio Panel (ex. Live! Drive) is present"},
        BoxCase{"Scsi", Box::ScsiCard, Slot::ScsiCard, "25",
                "Indicates presence of a Small Computer Systems Interface"},
        BoxCase{"Pump", Box::WaterPump, Slot::WaterPump, "20", "12v Pump, for water cooling"},
        BoxCase{"Tuner", Box::TvTuner, Slot::TvTuner, "7", "Indicates a TV Tuner Card is present"}),
    CaseName());

struct BusCase {
    const char* name;
    Box box;
    List devices;
    Slot slot;
    const char* fourDevices;
    Estimate enabledEmpty;
};

class BusTest : public testing::TestWithParam<BusCase> {};

TEST_P(BusTest, ToggleEnablesListAndResetsDeviceCount) {
    const BusCase& c = GetParam();
    LoadedModel m;
    m.pick(c.devices, "4");
    EXPECT_EQ(m.slot(c.slot), "0") << "a disabled list ignores picks";
    EXPECT_EQ(m.model.listState(c.devices).entry, 0);

    m.toggle(c.box, true);
    EXPECT_TRUE(m.model.listState(c.devices).enabled);
    EXPECT_EQ(m.figures(), c.enabledEmpty);
    m.pick(c.devices, "4");
    EXPECT_EQ(m.slot(c.slot), c.fourDevices);

    m.toggle(c.box, false);
    EXPECT_FALSE(m.model.listState(c.devices).enabled);
    EXPECT_EQ(m.model.listState(c.devices).entry, 0);
    EXPECT_EQ(m.slot(c.slot), "0");
    EXPECT_EQ(m.figures(), (Estimate{"0", "0", "0"}));

    m.toggle(c.box, true);
    EXPECT_EQ(m.model.listState(c.devices).entry, 0) << "re-enabling starts from no devices";
    EXPECT_EQ(m.slot(c.slot), "0");
}

INSTANTIATE_TEST_SUITE_P(Buses, BusTest,
                         testing::Values(BusCase{"Usb",
                                                 Box::UsbController,
                                                 List::UsbDevices,
                                                 Slot::UsbDevices,
                                                 "20",
                                                 {"45", "47", "49"}},
                                         BusCase{"Firewire",
                                                 Box::FirewireController,
                                                 List::FirewireDevices,
                                                 Slot::FirewireDevices,
                                                 "32",
                                                 {"55", "57", "60"}}),
                         CaseName());

TEST(Buses, TwelveFirewireDevices) {
    LoadedModel m;
    m.toggle(Box::FirewireController, true).pick(List::FirewireDevices, "12");
    EXPECT_EQ(m.slot(Slot::FirewireDevices), "96");
    EXPECT_EQ(m.model.help(), "# of Firewire devices attached to system");
}

TEST(Explanations, ChangeOnlyTheHelpLine) {
    LoadedModel m;
    m.pick(List::HardDrives, "2");
    const Estimate before = m.figures();
    const struct {
        Explained control;
        const char* help;
    } cases[] = {
        {Explained::TecCaption, "Thermoelectret, or Peltier cooling"},
        {Explained::StockFigure, "Suggested wattage requirement"},
        {Explained::MildFigure, "Suggested wattage requirement while mildly overclocked"},
        {Explained::HeavyFigure, "Suggested wattage requirement while heavily overclocked"},
    };
    for (const auto& c : cases) {
        m.model.explain(c.control);
        EXPECT_EQ(m.model.help(), c.help);
        EXPECT_EQ(m.figures(), before);
        EXPECT_EQ(m.slot(Slot::HardDrives), "50");
    }
}

TEST(Picks, OutOfRangeEntriesAreIgnored) {
    LoadedModel m;
    m.pick(List::HardDrives, "2");
    m.pickAt(List::HardDrives, 13).pickAt(List::HardDrives, -1);
    EXPECT_EQ(m.model.listState(List::HardDrives).entry, entryIndex(List::HardDrives, "2"));
    EXPECT_EQ(m.slot(Slot::HardDrives), "50");
}

TEST(Picks, RepickingRunsTheHandlerAgain) {
    LoadedModel m;
    m.pick(List::MemoryStickCount, "3");
    m.model.explain(Explained::MildFigure);
    m.pick(List::MemoryStickCount, "3");
    EXPECT_EQ(m.model.help(), "# of sticks of RAM in system");
}

std::vector<List> allLists() {
    std::vector<List> lists(kListCount);
    for (std::size_t i = 0; i < kListCount; ++i) {
        lists[i] = static_cast<List>(i);
    }
    return lists;
}

class ListEntriesTest : public testing::TestWithParam<List> {};

TEST_P(ListEntriesTest, MatchTheOracleEntryForEntry) {
    const auto& entries = entriesOf(GetParam());
    const std::vector<std::string> expected = oracle::entryTexts(GetParam());
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i], expected[i]) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, ListEntriesTest, testing::ValuesIn(allLists()),
                         [](const testing::TestParamInfo<List>& row) {
                             // "Number of hard drives" runs as NumberOfHardDrives.
                             std::string name;
                             bool wordStart = true;
                             for (const char c : ruleFor(row.param).purpose) {
                                 if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
                                     name += wordStart ? static_cast<char>(std::toupper(c)) : c;
                                 }
                                 wordStart = c == ' ';
                             }
                             return name;
                         });

// Complete machines, worked out by hand.
struct MachineCase {
    const char* name;
    std::vector<std::pair<List, const char*>> picks;
    std::vector<Box> boxes;
    Estimate expected;
};

class MachineTest : public testing::TestWithParam<MachineCase> {};

TEST_P(MachineTest, MatchesTheHandWorkedFigures) {
    LoadedModel m;
    for (const Box box : GetParam().boxes) {
        m.toggle(box, true);
    }
    for (const auto& [list, entry] : GetParam().picks) {
        m.pick(list, entry);
    }
    EXPECT_EQ(m.figures(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, MachineTest,
    testing::Values(
        // 89 + 20 (2 x DDR) + 70 + 20 + 50 + 9 + 35 = 293; x1.05 = 307.65; x1.1 = 322.3
        MachineCase{"OfficePrescott",
                    {{List::ProcessorModel, "Pentium 4 Prescott"},
                     {List::ProcessorCount, "1"},
                     {List::MemoryType, "DDR SDRAM"},
                     {List::MemoryStickCount, "2"},
                     {List::GraphicsCardModel, "GeForce 6600 GT"},
                     {List::GraphicsCardCount, "1"},
                     {List::OpticalDrive1, "CD-ROM"},
                     {List::HardDrives, "2"},
                     {List::SystemFans, "3"}},
                    {},
                    {"293", "307", "322"}},
        // CPU 2 x 110 = 220, RAM 4 x 7.5 = 30, VGA 2 x 115 = 230, pump 20, TEC 150,
        // bays 30 + 25, sound 7, NIC 4, SCSI 25, 4 disks 100, 6 fans 18, 2 lights 10,
        // USB 10 + 3 x 5, Firewire 20 + 2 x 8, overhead 35: 965; 1013.25; 1061.5
        MachineCase{"WaterCooledWorkstation",
                    {{List::ProcessorModel, "Athlon 64 X2 Toledo"},
                     {List::ProcessorCount, "2"},
                     {List::MemoryType, "DDR2 SDRAM"},
                     {List::MemoryStickCount, "4"},
                     {List::GraphicsCardModel, "Radeon X1900 Series"},
                     {List::GraphicsCardCount, "2"},
                     {List::TecWatts, "150"},
                     {List::OpticalDrive1, "DVD / CDRW"},
                     {List::OpticalDrive2, "DVDRW"},
                     {List::HardDrives, "4"},
                     {List::SystemFans, "6"},
                     {List::CaseLights, "2"},
                     {List::UsbDevices, "3"},
                     {List::FirewireDevices, "2"}},
                    {Box::WaterPump, Box::SoundCard, Box::NetworkCard, Box::ScsiCard,
                     Box::UsbController, Box::FirewireController},
                    {"965", "1013", "1061"}},
        // 17 + 3 x 7.5 = 22.5 + 20 + 8 + 35 = 102.5 -> 102; 107.1; 112.2
        MachineCase{"OldPentiumWithHalfWatts",
                    {{List::ProcessorModel, "Pentium"},
                     {List::ProcessorCount, "1"},
                     {List::MemoryType, "DDR2 SDRAM"},
                     {List::MemoryStickCount, "3"},
                     {List::FloppyDrives, "1"},
                     {List::OpticalDrive1, "CDRW"}},
                    {},
                    {"102", "107", "112"}},
        // Everything at its largest: 880 + 96 + 20 + 990 + 460 + 30 + 30 + 4 + 4 + 7 + 11 +
        // 25 + 7 + 35 + 36 + 60 + 40 + 32 + 300 + 60 + 96 + 35 + 10 + 20 = 3288
        MachineCase{"EverythingAtItsLargest",
                    {{List::ProcessorModel, "Athlon 64 FX60"},
                     {List::ProcessorCount, "8"},
                     {List::MemoryType, "PC133/166 SDRAM"},
                     {List::MemoryStickCount, "8"},
                     {List::GraphicsCardModel, "Radeon X1900 Series"},
                     {List::GraphicsCardCount, "4"},
                     {List::TecWatts, "990"},
                     {List::OpticalDrive1, "DVD / CDRW"},
                     {List::OpticalDrive2, "DVD / CDRW"},
                     {List::OtherPciCards, "7"},
                     {List::SystemFans, "12"},
                     {List::CaseLights, "12"},
                     {List::CardReaders, "4"},
                     {List::FloppyDrives, "4"},
                     {List::HardDrives, "12"},
                     {List::UsbDevices, "12"},
                     {List::FirewireDevices, "12"}},
                    {Box::DialUpModem, Box::NetworkCard, Box::SoundCard, Box::AudioFrontPanel,
                     Box::ScsiCard, Box::UsbController, Box::WaterPump, Box::TvTuner,
                     Box::FirewireController},
                    {"3288", "3452", "3616"}}),
    CaseName());

}  // namespace
}  // namespace kolva
