#include "number_text.hpp"

#include <gtest/gtest.h>

#include "case_name.hpp"

#include <clocale>
#include <string>

namespace kolva {
namespace {

using testing_support::CaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): found by GoogleTest

struct ToTextCase {
    const char* name;
    double value;
    const char* text;
};

class ToTextTest : public testing::TestWithParam<ToTextCase> {};

TEST_P(ToTextTest, WritesPlainDecimal) {
    EXPECT_EQ(toText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ToTextTest,
    testing::Values(ToTextCase{"Zero", 0.0, "0"}, ToTextCase{"NegativeZero", -0.0, "0"},
                    ToTextCase{"Whole", 300.0, "300"}, ToTextCase{"Half", 7.5, "7.5"},
                    ToTextCase{"ThreeHalfSticks", 22.5, "22.5"},
                    ToTextCase{"TrailingZerosDropped", 1200.0, "1200"},
                    ToTextCase{"NoExponentForLarge", 1e20, "100000000000000000000"},
                    ToTextCase{"NoExponentForSmall", 0.000125, "0.000125"},
                    ToTextCase{"RoundedTo15Digits", 57.0 * 1.05, "59.85"},
                    ToTextCase{"ProductJustAboveWhole", 100.0 * 1.1, "110"},
                    ToTextCase{"FifteenDigitsKept", 123456789.012345, "123456789.012345"},
                    ToTextCase{"SixteenthDigitRounded", 0.1 + 0.2, "0.3"},
                    ToTextCase{"Negative", -44.1, "-44.1"}),
    CaseName());

struct ToNumberCase {
    const char* name;
    const char* text;
    double value;
};

class ToNumberTest : public testing::TestWithParam<ToNumberCase> {};

TEST_P(ToNumberTest, ReadsDecimal) {
    EXPECT_DOUBLE_EQ(toNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberText, ToNumberTest,
                         testing::Values(ToNumberCase{"Whole", "880", 880.0},
                                         ToNumberCase{"Half", "7.5", 7.5},
                                         ToNumberCase{"Factor", "1.05", 1.05},
                                         ToNumberCase{"Empty", "", 0.0},
                                         ToNumberCase{"NotANumber", "Select From Below", 0.0},
                                         ToNumberCase{"CommaIsNoDecimalPoint", "7,5", 7.0},
                                         ToNumberCase{"Infinity", "inf", 0.0}),
                         CaseName());

// Switches the whole process to a locale for one test and back afterwards.
class LocaleSwitch {
public:
    explicit LocaleSwitch(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        switched_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleSwitch() { std::setlocale(LC_ALL, previous_.c_str()); }
    LocaleSwitch(const LocaleSwitch&) = delete;
    LocaleSwitch& operator=(const LocaleSwitch&) = delete;

    bool switched() const { return switched_; }

private:
    std::string previous_;
    bool switched_ = false;
};

TEST(NumberText, IgnoresTheUsersLocale) {
    // A German desktop writes 7,5; the slots must keep "7.5" regardless.
    const LocaleSwitch german("de_DE.UTF-8");
    ASSERT_TRUE(german.switched()) << "the locale de_DE.UTF-8 is missing (Debian: locales-all)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(toText(7.5), "7.5");
    EXPECT_EQ(toText(1061.5), "1061.5");
    EXPECT_DOUBLE_EQ(toNumber("22.5"), 22.5);
}

TEST(NumberText, RoundTripsEverySlotValue) {
    // Every slot holds a multiple of 0.5 below a few thousand.
    for (int halves = 0; halves <= 20000; ++halves) {
        const double value = halves / 2.0;
        ASSERT_EQ(toNumber(toText(value)), value) << toText(value);
    }
}

}  // namespace
}  // namespace kolva
