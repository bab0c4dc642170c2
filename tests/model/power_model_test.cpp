#include "power_model.hpp"

#include <gtest/gtest.h>

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
    EXPECT_EQ(model.listState(List::Combo1).entry, -1);
    EXPECT_FALSE(model.listState(List::Combo15).enabled);

    model.load();
    EXPECT_EQ(model.help(), "Kolva v1.0");
    EXPECT_EQ(model.estimate(), (Estimate{"0", "0", "0"}));
    for (const List list : startupOrder()) {
        EXPECT_EQ(model.listState(list).entry, 0) << controlName(list);
    }
    EXPECT_FALSE(model.listState(List::Combo15).enabled);
    EXPECT_FALSE(model.listState(List::Combo16).enabled);
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
    testing::Values(GroupCase{"Prescott", List::Combo1, List::Combo2, "Pentium 4 Prescott", "2",
                              Slot::CPU, Slot::Text2, Slot::Text18, "89", "178"},
                    GroupCase{"EightFx60", List::Combo1, List::Combo2, "Athlon 64 FX60", "8",
                              Slot::CPU, Slot::Text2, Slot::Text18, "110", "880"},
                    GroupCase{"TrailingBlankKept", List::Combo1, List::Combo2, "Pentium III PGA ",
                              "1", Slot::CPU, Slot::Text2, Slot::Text18, "27", "27"},
                    GroupCase{"BracketKept", List::Combo1, List::Combo2, "Pentium 4 [PGA423", "1",
                              Slot::CPU, Slot::Text2, Slot::Text18, "65", "65"},
                    GroupCase{"DoubleHyphenKept", List::Combo1, List::Combo2,
                              "Athlon SlotA 900--950Mhz", "4", Slot::CPU, Slot::Text2, Slot::Text18,
                              "55", "220"},
                    GroupCase{"K6IsNotK6Dash2", List::Combo1, List::Combo2, "K6", "1", Slot::CPU,
                              Slot::Text2, Slot::Text18, "15", "15"},
                    GroupCase{"FourX1900", List::Combo6, List::Combo7, "Radeon X1900 Series", "4",
                              Slot::Text5, Slot::Text15, Slot::Text20, "115", "460"},
                    GroupCase{"TwoDdr", List::Combo5, List::Combo4, "DDR SDRAM", "2", Slot::Text4,
                              Slot::Text14, Slot::Text19, "10", "20"},
                    GroupCase{"ThreeDdr2KeepsHalfWatt", List::Combo5, List::Combo4, "DDR2 SDRAM",
                              "3", Slot::Text4, Slot::Text14, Slot::Text19, "7.5", "22.5"},
                    GroupCase{"EightDdr2", List::Combo5, List::Combo4, "DDR2 SDRAM", "8",
                              Slot::Text4, Slot::Text14, Slot::Text19, "7.5", "60"},
                    GroupCase{"LargestMemory", List::Combo5, List::Combo4, "PC133/166 SDRAM", "8",
                              Slot::Text4, Slot::Text14, Slot::Text19, "12", "96"}),
    CaseName());

TEST(ProcessorGroup, BlankEntryKeepsTheProcessorButHeadingsClearIt) {
    LoadedModel m;
    m.pick(List::Combo1, "Opteron").pick(List::Combo2, "2");
    for (const int blank : {1, 3, 21, 23}) {
        m.model.explain(Explained::Label4);
        m.pickAt(List::Combo1, blank);
        EXPECT_EQ(m.slot(Slot::CPU), "85") << "entry " << blank;
        EXPECT_EQ(m.slot(Slot::Text18), "170");
        EXPECT_EQ(m.model.help(), "Central Processing Unit");
        EXPECT_EQ(m.model.listState(List::Combo1).entry, blank);
    }
    for (const char* heading : {"====== Intel ======", "====== AMD ======", "Select From Below"}) {
        m.pick(List::Combo1, "Opteron").pick(List::Combo1, heading);
        EXPECT_EQ(m.slot(Slot::CPU), "0") << heading;
        EXPECT_EQ(m.slot(Slot::Text18), "0") << heading;
    }
}

TEST(GraphicsGroup, BothBlankEntriesCountNoCard) {
    for (const int blank : {1, 17}) {
        LoadedModel m;
        m.pick(List::Combo6, "GeForce 6600 GT").pick(List::Combo7, "2");
        ASSERT_EQ(m.slot(Slot::Text20), "140");
        m.pickAt(List::Combo6, blank);
        EXPECT_EQ(m.slot(Slot::Text5), "0") << "entry " << blank;
        EXPECT_EQ(m.slot(Slot::Text20), "0") << "entry " << blank;
    }
}

TEST(CountedGroups, CountZeroKeepsUnitAndOneBringsItBack) {
    LoadedModel m;
    m.pick(List::Combo5, "DDR2 SDRAM").pick(List::Combo4, "0");
    EXPECT_EQ(m.slot(Slot::Text19), "0");
    EXPECT_EQ(m.slot(Slot::Text4), "7.5");
    m.pick(List::Combo4, "1");
    EXPECT_EQ(m.slot(Slot::Text19), "7.5");
    m.pick(List::Combo5, "Select From Below");
    EXPECT_EQ(m.slot(Slot::Text19), "0");
    EXPECT_EQ(m.slot(Slot::Text14), "1");
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
    testing::Values(DirectCase{"CdRom", List::Combo11, "CD-ROM", Slot::Text22, "20",
                               "Type of optical drive in system"},
                    DirectCase{"DvdRom", List::Combo8, "DVD-ROM", Slot::Text21, "25",
                               "Type of optical drive in system"},
                    DirectCase{"ComboDriveWithSpacedSlash", List::Combo11, "DVD / CDRW",
                               Slot::Text22, "30", "Type of optical drive in system"},
                    DirectCase{"TwelveDisks", List::Combo3, "12", Slot::Text28, "300",
                               "# of Hard Disk Drives in system"},
                    DirectCase{"ThreeDisks", List::Combo3, "3", Slot::Text28, "75",
                               "# of Hard Disk Drives in system"},
                    DirectCase{"FourFloppies", List::Combo14, "4", Slot::Text25, "32",
                               "# of Floppy, LS120, Zip, and Tape Drives in system"},
                    DirectCase{"FourReaders", List::Combo13, "4", Slot::Text26, "40",
                               "# of X-in-1 Card Readers in system"},
                    DirectCase{"SevenPciCards", List::Combo18, "7", Slot::Text1, "35",
                               "# of other non-specific PCI devices"},
                    DirectCase{"TwelveFans", List::Combo9, "12", Slot::Text23, "36",
                               "# of Cooling Fans in system"},
                    DirectCase{"TwelveLights", List::Combo10, "12", Slot::Text24, "60",
                               "# of Case Lights (Cold Cathode Flourescents or Neons)"},
                    DirectCase{"LargestTec", List::Combo12, "990", Slot::Text30, "990",
                               "Thermoelectret, or Peltier cooling"}),
    CaseName());

TEST(OpticalBays, CountSeparatelyAndClearOnlyTheirOwnSlot) {
    LoadedModel m;
    m.pick(List::Combo11, "DVD / CDRW").pick(List::Combo8, "DVD / CDRW");
    EXPECT_EQ(m.figures().stock, "95");
    m.pick(List::Combo8, "Select From Below");
    EXPECT_EQ(m.slot(Slot::Text21), "0");
    EXPECT_EQ(m.slot(Slot::Text22), "30");
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
        BoxCase{"Modem", Box::Check1, Slot::Text8, "4",
                "Indicates a 56k Dialup Modem is present in system"},
        BoxCase{"Network", Box::Check2, Slot::Text12, "4",
                "Indicates a NIC (Network Interface Card) is present"},
        BoxCase{"Sound", Box::Check3, Slot::Text11, "7", "Indicates a Sound Card is present"},
        BoxCase{"FrontPanel", Box::Check4, Slot::Text9, "11",
                "Indicates a Front Audio Panel (ex. Live! Drive) is present"},
        BoxCase{"Scsi", Box::Check5, Slot::Text10, "25",
                "Indicates presence of a Small Computer Systems Interface"},
        BoxCase{"Pump", Box::Check7, Slot::Text29, "20", "12v Pump, for water cooling"},
        BoxCase{"Tuner", Box::Check8, Slot::Text27, "7", "Indicates a TV Tuner Card is present"}),
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

INSTANTIATE_TEST_SUITE_P(
    Buses, BusTest,
    testing::Values(
        BusCase{"Usb", Box::Check6, List::Combo15, Slot::usb, "20", {"45", "47", "49"}},
        BusCase{"Firewire", Box::Check9, List::Combo16, Slot::firewire, "32", {"55", "57", "60"}}),
    CaseName());

TEST(Buses, TwelveFirewireDevices) {
    LoadedModel m;
    m.toggle(Box::Check9, true).pick(List::Combo16, "12");
    EXPECT_EQ(m.slot(Slot::firewire), "96");
    EXPECT_EQ(m.model.help(), "# of Firewire devices attached to system");
}

TEST(Explanations, ChangeOnlyTheHelpLine) {
    LoadedModel m;
    m.pick(List::Combo3, "2");
    const Estimate before = m.figures();
    const struct {
        Explained control;
        const char* help;
    } cases[] = {
        {Explained::Label18, "Thermoelectret, or Peltier cooling"},
        {Explained::Label4, "Suggested wattage requirement"},
        {Explained::Text31, "Suggested wattage requirement while mildly overclocked"},
        {Explained::Text32, "Suggested wattage requirement while heavily overclocked"},
    };
    for (const auto& c : cases) {
        m.model.explain(c.control);
        EXPECT_EQ(m.model.help(), c.help);
        EXPECT_EQ(m.figures(), before);
        EXPECT_EQ(m.slot(Slot::Text28), "50");
    }
}

TEST(Picks, OutOfRangeEntriesAreIgnored) {
    LoadedModel m;
    m.pick(List::Combo3, "2");
    m.pickAt(List::Combo3, 13).pickAt(List::Combo3, -1);
    EXPECT_EQ(m.model.listState(List::Combo3).entry, entryIndex(List::Combo3, "2"));
    EXPECT_EQ(m.slot(Slot::Text28), "50");
}

TEST(Picks, RepickingRunsTheHandlerAgain) {
    LoadedModel m;
    m.pick(List::Combo4, "3");
    m.model.explain(Explained::Text31);
    m.pick(List::Combo4, "3");
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
                             return std::string(controlName(row.param));
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
                    {{List::Combo1, "Pentium 4 Prescott"},
                     {List::Combo2, "1"},
                     {List::Combo5, "DDR SDRAM"},
                     {List::Combo4, "2"},
                     {List::Combo6, "GeForce 6600 GT"},
                     {List::Combo7, "1"},
                     {List::Combo11, "CD-ROM"},
                     {List::Combo3, "2"},
                     {List::Combo9, "3"}},
                    {},
                    {"293", "307", "322"}},
        // CPU 2 x 110 = 220, RAM 4 x 7.5 = 30, VGA 2 x 115 = 230, pump 20, TEC 150,
        // bays 30 + 25, sound 7, NIC 4, SCSI 25, 4 disks 100, 6 fans 18, 2 lights 10,
        // USB 10 + 3 x 5, Firewire 20 + 2 x 8, overhead 35: 965; 1013.25; 1061.5
        MachineCase{"WaterCooledWorkstation",
                    {{List::Combo1, "Athlon 64 X2 Toledo"},
                     {List::Combo2, "2"},
                     {List::Combo5, "DDR2 SDRAM"},
                     {List::Combo4, "4"},
                     {List::Combo6, "Radeon X1900 Series"},
                     {List::Combo7, "2"},
                     {List::Combo12, "150"},
                     {List::Combo11, "DVD / CDRW"},
                     {List::Combo8, "DVDRW"},
                     {List::Combo3, "4"},
                     {List::Combo9, "6"},
                     {List::Combo10, "2"},
                     {List::Combo15, "3"},
                     {List::Combo16, "2"}},
                    {Box::Check7, Box::Check3, Box::Check2, Box::Check5, Box::Check6, Box::Check9},
                    {"965", "1013", "1061"}},
        // 17 + 3 x 7.5 = 22.5 + 20 + 8 + 35 = 102.5 -> 102; 107.1; 112.2
        MachineCase{"OldPentiumWithHalfWatts",
                    {{List::Combo1, "Pentium"},
                     {List::Combo2, "1"},
                     {List::Combo5, "DDR2 SDRAM"},
                     {List::Combo4, "3"},
                     {List::Combo14, "1"},
                     {List::Combo11, "CDRW"}},
                    {},
                    {"102", "107", "112"}},
        // Everything at its largest: 880 + 96 + 20 + 990 + 460 + 30 + 30 + 4 + 4 + 7 + 11 +
        // 25 + 7 + 35 + 36 + 60 + 40 + 32 + 300 + 60 + 96 + 35 + 10 + 20 = 3288
        MachineCase{"EverythingAtItsLargest",
                    {{List::Combo1, "Athlon 64 FX60"},
                     {List::Combo2, "8"},
                     {List::Combo5, "PC133/166 SDRAM"},
                     {List::Combo4, "8"},
                     {List::Combo6, "Radeon X1900 Series"},
                     {List::Combo7, "4"},
                     {List::Combo12, "990"},
                     {List::Combo11, "DVD / CDRW"},
                     {List::Combo8, "DVD / CDRW"},
                     {List::Combo18, "7"},
                     {List::Combo9, "12"},
                     {List::Combo10, "12"},
                     {List::Combo13, "4"},
                     {List::Combo14, "4"},
                     {List::Combo3, "12"},
                     {List::Combo15, "12"},
                     {List::Combo16, "12"}},
                    {Box::Check1, Box::Check2, Box::Check3, Box::Check4, Box::Check5, Box::Check6,
                     Box::Check7, Box::Check8, Box::Check9},
                    {"3288", "3452", "3616"}}),
    CaseName());

}  // namespace
}  // namespace kolva
