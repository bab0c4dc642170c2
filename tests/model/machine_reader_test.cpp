#include "machine_reader.hpp"

#include <gtest/gtest.h>

#include "case_name.hpp"
#include "pasted_texts.hpp"

namespace kolva {
namespace oracle {
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): found by GoogleTest
}  // namespace oracle

namespace {

using oracle::ForgivenText;
using oracle::RefusedText;
using testing_support::CaseName;

class RefusedTextTest : public testing::TestWithParam<RefusedText> {};

// Text that is not a machine Kolva can read gives no machine, only the line
// it stumbled on and why.
TEST_P(RefusedTextTest, GivesOnlyTheLineAndTheReason) {
    const auto read = readMachine(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<PasteRefusal>(read));
    const auto& refusal = std::get<PasteRefusal>(read);
    EXPECT_EQ(refusal.reason, GetParam().reason);
    EXPECT_EQ(refusal.line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Paste, RefusedTextTest, testing::ValuesIn(oracle::refusedTexts()),
                         CaseName());

class ForgivenTextTest : public testing::TestWithParam<ForgivenText> {};

// What people do to a copied text changes nothing of the machine it pastes.
TEST_P(ForgivenTextTest, PastesAsTheMachineCopied) {
    const auto forgiven = readMachine(GetParam().text);
    const auto copied = readMachine(GetParam().copied);
    ASSERT_TRUE(std::holds_alternative<PastedMachine>(copied))
        << std::get<PasteRefusal>(copied).reason;
    ASSERT_TRUE(std::holds_alternative<PastedMachine>(forgiven))
        << "line " << std::get<PasteRefusal>(forgiven).line << ": "
        << std::get<PasteRefusal>(forgiven).reason;
    EXPECT_TRUE(std::get<PastedMachine>(forgiven).machine ==
                std::get<PastedMachine>(copied).machine);
}

INSTANTIATE_TEST_SUITE_P(Paste, ForgivenTextTest, testing::ValuesIn(oracle::forgivenTexts()),
                         CaseName());

// A refusal quotes the line it stumbled on, cut whole characters short.
TEST(Paste, QuotesTheLineCutBetweenCharacters) {
    const auto read = readMachine("Kolva power supply estimate\nCPU: 3 × Opteron\nHard Drives: " +
                                  std::string(60, '3') + "\n");
    ASSERT_TRUE(std::holds_alternative<PasteRefusal>(read));
    EXPECT_EQ(std::get<PasteRefusal>(read).text, "CPU: 3 × Opteron");
    const auto longLine = readMachine("CPU: 1 × Opteron\nHard Drives: " + std::string(40, '3') +
                                      "×××××××××××××××××××××××××");
    ASSERT_TRUE(std::holds_alternative<PasteRefusal>(longLine));
    EXPECT_EQ(std::get<PasteRefusal>(longLine).text,
              "Hard Drives: " + std::string(40, '3') + "×××××××…");
}

}  // namespace
}  // namespace kolva
