#include "machine_reader.hpp"

#include <gtest/gtest.h>

#include "case_name.hpp"

namespace kolva {
namespace {

using testing_support::CaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): found by GoogleTest

constexpr std::string_view kTitle = "Kolva power supply estimate\n";
constexpr std::string_view kNotAMachine = "The clipboard does not hold a Kolva machine.";

struct RejectedCase {
    const char* name;
    std::string text;
    std::string_view reason;
};

std::string machine(std::string_view parts) {
    return std::string(kTitle) + std::string(parts) + "Stock Speeds: 0 Watts\n";
}

class RejectedTextTest : public testing::TestWithParam<RejectedCase> {};

// Text that is not a machine as Kolva copies it gives no machine, only why.
TEST_P(RejectedTextTest, GivesOnlyTheReason) {
    const auto read = readMachine(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Paste, RejectedTextTest,
    testing::Values(
        RejectedCase{"Empty", "", kNotAMachine},
        RejectedCase{"AnotherProgramsText", "Hello,\nmy PC has an Opteron.\n", kNotAMachine},
        RejectedCase{"TitleNotFirst", "CPU: 1 × Opteron\n" + std::string(kTitle), kNotAMachine},
        RejectedCase{"Binary", std::string(kTitle) + std::string("CPU\0\x01", 5), kNotAMachine},
        RejectedCase{"OverLong", std::string(kTitle) + std::string(20000, ' '), kNotAMachine},
        RejectedCase{"UnknownPart", machine("Coffee Maker: 1\n"),
                     "Kolva did not understand \"Coffee Maker: 1\"."},
        RejectedCase{"ModelNotInTheList", machine("CPU: 2 × Pentium 9\n"),
                     "Kolva did not understand \"CPU: 2 × Pentium 9\"."},
        RejectedCase{"CountNotOffered", machine("CPU: 3 × Opteron\n"),
                     "Kolva did not understand \"CPU: 3 × Opteron\"."},
        RejectedCase{"HeadingRowIsNoModel", machine("CPU: 1 × ====== Intel ======\n"),
                     "Kolva did not understand \"CPU: 1 × ====== Intel ======\"."},
        RejectedCase{"WattsNotOffered", machine("TEC (Watts): 45\n"),
                     "Kolva did not understand \"TEC (Watts): 45\"."},
        RejectedCase{"EmptyValue", machine("Optical #1: \n"),
                     "Kolva did not understand \"Optical #1:\"."},
        RejectedCase{"PartTwice", machine("Hard Drives: 3\nHard Drives: 4\n"),
                     "Kolva did not understand \"Hard Drives: 4\"."},
        RejectedCase{"BoxTwice", machine("Ticked: Sound Card, Sound Card\n"),
                     "Kolva did not understand \"Ticked: Sound Card, Sound Card\"."},
        RejectedCase{"UnknownBox", machine("Ticked: Coffee Maker\n"),
                     "Kolva did not understand \"Ticked: Coffee Maker\"."},
        RejectedCase{"LongLineCut",
                     machine("Hard Drives: 3333333333333333333333333333333333333333\n"),
                     "Kolva did not understand \"Hard Drives: 333333333333333333333333333…\"."},
        RejectedCase{"DevicesOfADisabledList", machine("USB Devices: 2\n"),
                     "USB Devices need \"USB Enabled\" ticked."}),
    CaseName());

}  // namespace
}  // namespace kolva
