#include "estimate.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "case_name.hpp"
#include "estimate_makeup.hpp"
#include "machine_text.hpp"
#include "model_driver.hpp"

namespace kolva {
namespace {

using testing_support::CaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): found by GoogleTest

struct EstimateCase {
    const char* name;
    // Summed slots to fill; every other slot stays "0".
    std::vector<std::pair<Slot, const char*>> slots;
    Controllers controllers;
    Estimate expected;
};

class EstimateTest : public testing::TestWithParam<EstimateCase> {};

TEST_P(EstimateTest, ComputesTheThreeFigures) {
    LoadSheet sheet;
    for (const auto& [slot, text] : GetParam().slots) {
        sheet.set(slot, text);
    }
    const Estimate got = estimateFor(sheet, GetParam().controllers);
    EXPECT_EQ(got.stock, GetParam().expected.stock);
    EXPECT_EQ(got.mild, GetParam().expected.mild);
    EXPECT_EQ(got.heavy, GetParam().expected.heavy);
}

INSTANTIATE_TEST_SUITE_P(
    Recalculation, EstimateTest,
    testing::Values(
        EstimateCase{"EmptySheetShowsZeroNotOverhead", {}, {}, {"0", "0", "0"}},
        EstimateCase{"EmptySheetWithUsb", {}, {.usb = true}, {"45", "47", "49"}},
        EstimateCase{"EmptySheetWithFirewire", {}, {.firewire = true}, {"55", "57", "60"}},
        EstimateCase{"EmptySheetWithBothControllers",
                     {},
                     {.usb = true, .firewire = true},
                     {"65", "68", "71"}},
        EstimateCase{"SumOf265",
                     {{Slot::HardDrives, "200"}, {Slot::TecElement, "65"}},
                     {},
                     {"300", "315", "330"}},
        EstimateCase{
            "OverclockUsesRoundedStock", {{Slot::MemoryTotal, "22.5"}}, {}, {"57", "59", "62"}},
        EstimateCase{"OneHalfWattStick", {{Slot::MemoryTotal, "7.5"}}, {}, {"42", "44", "46"}},
        EstimateCase{"StockOf100IsExact", {{Slot::OtherPciCards, "65"}}, {}, {"100", "105", "110"}},
        EstimateCase{
            "LastSummedSlotCounts", {{Slot::FirewireDevices, "96"}}, {}, {"131", "137", "144"}},
        EstimateCase{"UnitAndCountSlotsAreNotSummed",
                     {{Slot::ProcessorWatts, "110"},
                      {Slot::ProcessorCount, "8"},
                      {Slot::MemoryStickWatts, "7.5"}},
                     {},
                     {"0", "0", "0"}}),
    CaseName());

TEST(Recalculation, EveryWholeStockMatchesIntegerArithmetic) {
    // The double factors lie just above 1.05 and 1.1; rounding through the
    // 15-digit text must never lose or gain a watt against exact arithmetic.
    for (int stock = 36; stock <= 5000; ++stock) {
        LoadSheet sheet;
        sheet.set(Slot::TecElement, std::to_string(stock - 35));
        const Estimate got = estimateFor(sheet, {});
        ASSERT_EQ(got.stock, std::to_string(stock));
        ASSERT_EQ(got.mild, std::to_string(stock * 105 / 100)) << stock;
        ASSERT_EQ(got.heavy, std::to_string(stock * 110 / 100)) << stock;
    }
}

// The copied machine: its parts in the window's words and reading order, each
// with its watts, in lines that need no columns; never a part that seems to
// count while nothing does.
TEST(MachineText, DescribesTheMachineAndHowItsEstimateIsMade) {
    testing_support::LoadedModel machine;
    machine.pick(List::ProcessorModel, "Pentium 4 Prescott")
        .pick(List::ProcessorCount, "2")
        .pick(List::MemoryType, "DDR2 SDRAM")
        .pick(List::MemoryStickCount, "3")
        .pick(List::OpticalDrive1, "DVDRW")
        .pick(List::SystemFans, "3")
        .toggle(Box::SoundCard, true)
        .toggle(Box::UsbController, true)
        .pick(List::UsbDevices, "2");
    EXPECT_EQ(machineText(machine.model),
              "Kolva power supply estimate\n"
              "CPU: 2 × Pentium 4 Prescott (2 × 89 W = 178 W)\n"
              "RAM: 3 × DDR2 SDRAM (3 × 7.5 W = 22.5 W)\n"
              "Optical #1: DVDRW (25 W)\n"
              "USB Devices: 2 (2 × 5 W = 10 W)\n"
              "System Fans: 3 (3 × 3 W = 9 W)\n"
              "Ticked: USB Enabled (10 W), Sound Card (7 W)\n"
              "Overhead: 35 W\n"
              "Stock Speeds: 296 Watts (total 296.5 W, rounded down)\n"
              "Mild Overclock: 310 Watts (296 × 1.05 = 310.8, rounded down)\n"
              "Heavy Overclock: 325 Watts (296 × 1.1 = 325.6, rounded down)\n");

    // Models whose number is still 0, and a number without its model.
    testing_support::LoadedModel waiting;
    waiting.pick(List::GraphicsCardModel, "Radeon X800")
        .pick(List::ProcessorModel, "Opteron")
        .pick(List::MemoryStickCount, "2");
    EXPECT_EQ(machineText(waiting.model),
              "Kolva power supply estimate\n"
              "CPU: 0 × Opteron (a model counts once its number is chosen)\n"
              "RAM: 2 (a number counts once its model is chosen)\n"
              "VGA: 0 × Radeon X800 (a model counts once its number is chosen)\n"
              "Stock Speeds: 0 Watts\n"
              "Mild Overclock: 0 Watts\n"
              "Heavy Overclock: 0 Watts\n"
              "Nothing counts yet, so the figures read 0 rather than the 35 W overhead alone.\n");

    // A maker's heading row chosen is no part.
    testing_support::LoadedModel heading;
    heading.pick(List::ProcessorModel, "====== Intel ======").pick(List::ProcessorCount, "1");
    EXPECT_THAT(machineText(heading.model), testing::StartsWith("Kolva power supply estimate\n"
                                                                "CPU: 1 (a number counts"));
}

}  // namespace
}  // namespace kolva
