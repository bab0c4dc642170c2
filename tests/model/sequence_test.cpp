#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "estimate_makeup.hpp"
#include "machine_reader.hpp"
#include "machine_text.hpp"
#include "oracle.hpp"
#include "power_model.hpp"
#include "selection_rules.hpp"

namespace kolva {
namespace {

constexpr int kSeeds = 20;
constexpr int kEventsPerSeed = 5000;

// One random user action applied to both the model and the oracle. Picks go
// to any list and any entry, a few beyond the list's end; toggles flip a box
// as a click does; now and then a figure is clicked for its explanation.
void applyRandomEvent(std::mt19937& random, PowerModel& model, oracle::Oracle& expected) {
    const int kind = std::uniform_int_distribution(0, 9)(random);
    if (kind < 6) {
        const auto list =
            static_cast<List>(std::uniform_int_distribution<int>(0, kListCount - 1)(random));
        const int entry = std::uniform_int_distribution(-1, oracle::entryCount(list))(random);
        model.pick(list, entry);
        expected.pick(list, entry);
    } else if (kind < 9) {
        const auto box =
            static_cast<Box>(std::uniform_int_distribution<int>(0, kBoxCount - 1)(random));
        const bool checked = !model.isChecked(box);
        model.toggle(box, checked);
        expected.toggle(box, checked);
    } else {
        const auto control = static_cast<Explained>(
            std::uniform_int_distribution<int>(0, kExplainedCount - 1)(random));
        model.explain(control);
        expected.explain(control);
    }
}

// The make-up's addends add up to the oracle's sum with the overhead and the
// allowances, and the figures it states are the oracle's.
void expectMakeUpAgreement(const PowerModel& model, const oracle::Oracle& expected) {
    const EstimateMakeUp makeUp = model.makeUp();
    double sum = 0;
    for (const Addend& addend : makeUp.addends) {
        // Only a part that waits for its model or number adds nothing.
        ASSERT_NE(addend.watts == 0, addend.waits.empty()) << addend.what;
        if (addend.perUnit) {
            ASSERT_EQ(addend.perUnit->count * addend.perUnit->watts, addend.watts) << addend.what;
        }
        sum += addend.watts;
    }
    ASSERT_EQ(sum, makeUp.total);
    const int allowances = (expected.checked(Box::UsbController) ? 20 : 0) +
                           (expected.checked(Box::FirewireController) ? 40 : 0);
    ASSERT_EQ(makeUp.total * 2, expected.halfWatts() + 70 + allowances);
    const oracle::Figures figures = expected.figures();
    ASSERT_EQ(makeUp.figures.stock, figures.stock);
    ASSERT_EQ(makeUp.figures.mild, figures.mild);
    ASSERT_EQ(makeUp.figures.heavy, figures.heavy);
}

void expectAgreement(const PowerModel& model, const oracle::Oracle& expected) {
    expectMakeUpAgreement(model, expected);
    const oracle::Figures figures = expected.figures();
    ASSERT_EQ(model.estimate().stock, figures.stock);
    ASSERT_EQ(model.estimate().mild, figures.mild);
    ASSERT_EQ(model.estimate().heavy, figures.heavy);
    ASSERT_EQ(model.help(), expected.help());
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto list = static_cast<List>(i);
        ASSERT_EQ(model.listState(list).entry, expected.entry(list)) << ruleFor(list).purpose;
        ASSERT_EQ(model.listState(list).enabled, expected.enabled(list)) << ruleFor(list).purpose;
    }
}

TEST(RandomSequences, ModelAgreesWithOracleAfterEveryEvent) {
    int checked = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(testing::Message() << "replay with seed " << seed);
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        PowerModel model;
        model.load();
        oracle::Oracle expected;
        for (int event = 0; event < kEventsPerSeed; ++event) {
            SCOPED_TRACE(testing::Message() << "event " << event);
            applyRandomEvent(random, model, expected);
            expectAgreement(model, expected);
            if (HasFatalFailure()) {
                return;
            }
            ++checked;
        }
    }
    RecordProperty("events_checked", checked);
    EXPECT_EQ(checked, kSeeds * kEventsPerSeed);
}

// What forums and mail do to a pasted text: each line quoted and its line
// ending made CRLF, blank lines and spaces around it, the figures dropped.
std::string mangled(const std::string& copied) {
    std::string text = "\r\n  \r\n";
    std::size_t start = 0;
    for (std::size_t end; (end = copied.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = copied.substr(start, end - start);
        if (line.find(" Watts") == std::string::npos) {
            text += ">  " + line + "  \r\n";
        }
    }
    return text + "\r\n\r\n";
}

// What people do to a copied text by hand: the title left out (but where no
// part follows it), every letter in lower case and a plain "x" for "×".
std::string retyped(const std::string& copied) {
    const std::string parts = copied.substr(copied.find('\n') + 1);
    std::string text = parts.starts_with(kStockHeading) ? copied : parts;
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (auto times = text.find("×"); times != std::string::npos; times = text.find("×")) {
        text.replace(times, std::string_view("×").size(), "x");
    }
    return text;
}

// Copying the machine, starting again and pasting it back gives the same
// machine: the same copied text, figures and make-up included, and the same
// boxes, from the text as copied, as a forum leaves it and as retyped.
TEST(RandomSequences, PastingACopiedMachineGivesItBack) {
    int machines = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(testing::Message() << "replay with seed " << seed);
        std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
        PowerModel model;
        model.load();
        oracle::Oracle ignored;
        for (int event = 1; event <= kEventsPerSeed / 10; ++event) {
            applyRandomEvent(random, model, ignored);
            if (event % 5 != 0) {
                continue;
            }
            const std::string copied = machineText(model);
            // As copied, and then as a forum leaves it or as retyped, by turns.
            const std::string changed = event % 10 == 0 ? retyped(copied) : mangled(copied);
            for (const std::string& pasted : {copied, changed}) {
                const auto machine = readMachine(pasted);
                ASSERT_TRUE(std::holds_alternative<Machine>(machine))
                    << std::get<PasteRefusal>(machine).reason << "\n"
                    << pasted;
                PowerModel again;
                again.apply(std::get<Machine>(machine));
                ASSERT_EQ(machineText(again), copied);
                for (std::size_t i = 0; i < kBoxCount; ++i) {
                    ASSERT_EQ(again.isChecked(static_cast<Box>(i)),
                              model.isChecked(static_cast<Box>(i)));
                }
            }
            ++machines;
        }
    }
    RecordProperty("machines_pasted", machines);
}

}  // namespace
}  // namespace kolva
