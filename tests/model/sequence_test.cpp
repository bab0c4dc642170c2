#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <random>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

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

// A posted text, line by line, with what each line is to whoever reads it:
// Kolva's own (its title, parts, figures and make-up), blank or a wrapper
// around the machine, prose around it, or a line shaped as a part that no
// Kolva part has.
enum class Role : std::uint8_t { Kolva, Blank, Prose, Alien };

struct Posted {
    std::vector<std::pair<std::string, Role>> lines;
    bool figuresEdited = false;
};

constexpr auto kProse = std::to_array<std::string_view>(
    {"Hi all, here is my build:", "On Monday, Ann wrote:", "Thanks in advance!", "-- ",
     "Cheers, Ann", "What do you think?"});
constexpr auto kAlien = std::to_array<std::string_view>({"PSU: Corsair 450W", "Case: Antec"});
constexpr auto kWrappers =
    std::to_array<std::pair<std::string_view, std::string_view>>({{"```", "```"},
                                                                  {"```text", "```"},
                                                                  {"[code]", "[/code]"},
                                                                  {"[quote=Ann]", "[/quote]"},
                                                                  {"[QUOTE]", "[/QUOTE]"},
                                                                  {"<pre>", "</pre>"}});

bool isFigureOrMakeUp(std::string_view line) {
    return line.starts_with(kStockHeading) || line.starts_with(kMildHeading) ||
           line.starts_with(kHeavyHeading) || line.starts_with(kOverheadName) ||
           line == kNothingCounts;
}

// A figure line with another number, or the overhead with other watts.
std::string edited(const std::string& line) {
    const auto digit = line.find_first_of("0123456789");
    return line.substr(0, digit) + "1" + line.substr(digit);
}

// What people do to a copied text before and as they post it, each edit at
// random: its parts reordered; its figure and make-up lines moved, edited or
// removed; its title left out, moved or given a comment; blank lines put
// anywhere; the machine wrapped for a forum or in Markdown, a greeting before
// it and a signature after it; prose or a line of another program's parts
// put anywhere.
Posted humanlyEdited(std::mt19937& random, const std::string& copied) {
    const auto chance = [&](int percent) {
        return std::uniform_int_distribution(0, 99)(random) < percent;
    };
    const auto anywhere = [&](const auto& lines) {
        return lines.begin() + std::uniform_int_distribution<std::ptrdiff_t>(
                                   0, static_cast<std::ptrdiff_t>(lines.size()))(random);
    };
    Posted posted;
    auto& lines = posted.lines;
    std::vector<std::string> parts;
    std::vector<std::string> ending;
    std::istringstream text(copied);
    std::string title;
    std::getline(text, title);
    for (std::string line; std::getline(text, line);) {
        (isFigureOrMakeUp(line) ? ending : parts).push_back(line);
    }
    if (chance(50)) {
        std::shuffle(parts.begin(), parts.end(), random);
    }
    if (parts.empty() || chance(70)) {
        lines.emplace_back(title + (chance(30) ? " (my rig)" : ""), Role::Kolva);
    }
    for (const std::string& part : parts) {
        lines.emplace_back(part, Role::Kolva);
    }
    for (const std::string& line : ending) {
        switch (std::uniform_int_distribution(0, 3)(random)) {
            case 0:
                break;
            case 1:
                lines.emplace(anywhere(lines), line, Role::Kolva);
                break;
            case 2:
                if (line != kNothingCounts) {
                    posted.figuresEdited = posted.figuresEdited || !line.starts_with(kOverheadName);
                    lines.emplace_back(edited(line), Role::Kolva);
                    break;
                }
                [[fallthrough]];
            default:
                lines.emplace_back(line, Role::Kolva);
        }
    }
    if (lines.size() > 1 && chance(20)) {
        const auto to = lines.begin() + std::uniform_int_distribution<std::ptrdiff_t>(
                                            1, static_cast<std::ptrdiff_t>(lines.size()))(random);
        std::rotate(lines.begin(), lines.begin() + 1, to);
    }
    for (int blanks = std::uniform_int_distribution(0, 4)(random); blanks > 0; --blanks) {
        lines.emplace(anywhere(lines), chance(50) ? "" : "  \t", Role::Blank);
    }
    if (chance(40)) {
        const auto& [opening, closing] =
            kWrappers[std::uniform_int_distribution<std::size_t>(0, kWrappers.size() - 1)(random)];
        if (chance(30) && !opening.starts_with('`')) {
            lines.front().first.insert(0, opening);
            lines.back().first += closing;
        } else {
            lines.emplace(lines.begin(), opening, Role::Blank);
            lines.emplace_back(closing, Role::Blank);
        }
    }
    const auto prose = [&] {
        return std::string(
            kProse[std::uniform_int_distribution<std::size_t>(0, kProse.size() - 1)(random)]);
    };
    if (chance(50)) {
        lines.emplace(lines.begin(), prose(), Role::Prose);
    }
    if (chance(50)) {
        lines.emplace_back(prose(), Role::Prose);
    }
    if (chance(10)) {
        lines.emplace(anywhere(lines), prose(), Role::Prose);
    }
    if (chance(10)) {
        lines.emplace(anywhere(lines),
                      kAlien[std::uniform_int_distribution<std::size_t>(0, 1)(random)],
                      Role::Alien);
    }
    return posted;
}

// The text of a posted machine: quoted or not, in its own letter case or all
// in one, with "x" for "×" or not, its lines ended as Unix or Windows ends them.
std::string textOf(std::mt19937& random, const Posted& posted) {
    const auto chance = [&](int percent) {
        return std::uniform_int_distribution(0, 99)(random) < percent;
    };
    const std::string quote = chance(30) ? (chance(50) ? "> " : ">> ") : "";
    const std::string end = chance(20) ? "\r\n" : "\n";
    std::string text;
    for (const auto& line : posted.lines) {
        text.append(quote).append(line.first).append(end);
    }
    if (chance(30)) {
        const auto lower = chance(70);
        std::transform(text.begin(), text.end(), text.begin(), [lower](unsigned char c) {
            return static_cast<char>(lower ? std::tolower(c) : std::toupper(c));
        });
    }
    for (auto times = text.find("×"); chance(20) && times != std::string::npos;
         times = text.find("×")) {
        text.replace(times, std::string_view("×").size(), "x");
    }
    return text;
}

// The line, counted from 1, that a reader must refuse the posted machine
// at: the first line shaped as another program's part, or of prose between
// Kolva's first line and its last; 0 where there is none.
std::size_t refusedLine(const Posted& posted) {
    const auto& lines = posted.lines;
    const auto isKolva = [](const auto& line) { return line.second == Role::Kolva; };
    const auto first = std::find_if(lines.begin(), lines.end(), isKolva);
    const auto last = std::find_if(lines.rbegin(), lines.rend(), isKolva).base();
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        if (line->second == Role::Alien ||
            (line->second == Role::Prose && line > first && line < last)) {
            return static_cast<std::size_t>(line - lines.begin()) + 1;
        }
    }
    return 0;
}

// Whatever people do to a copied machine as they post it, pasting the post
// gives exactly that machine, its figures worked out again and said to be
// where the post changed them; or the post is refused at the line that no
// machine has. An accepted paste never gives another machine.
TEST(RandomSequences, PastingAPostedMachineGivesItBackOrNamesTheLine) {
    constexpr int kPostsPerMachine = 4;
    int posts = 0;
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
            for (int post = 0; post < kPostsPerMachine; ++post, ++posts) {
                const Posted posted = post == 0 ? Posted{} : humanlyEdited(random, copied);
                const std::string text = post == 0 ? copied : textOf(random, posted);
                const auto read = readMachine(text);
                const std::size_t line = post == 0 ? 0 : refusedLine(posted);
                if (line != 0) {
                    ASSERT_TRUE(std::holds_alternative<PasteRefusal>(read)) << text;
                    ASSERT_EQ(std::get<PasteRefusal>(read).line, line) << text;
                    continue;
                }
                ASSERT_TRUE(std::holds_alternative<PastedMachine>(read))
                    << "line " << std::get<PasteRefusal>(read).line << ": "
                    << std::get<PasteRefusal>(read).reason << "\n"
                    << text;
                const auto& pasted = std::get<PastedMachine>(read);
                PowerModel again;
                again.apply(pasted.machine);
                ASSERT_EQ(machineText(again), copied) << text;
                ASSERT_EQ(pasted.machine.ticked, model.machine().ticked) << text;
                ASSERT_EQ(statesOtherFigures(pasted, again.estimate()), posted.figuresEdited)
                    << text;
            }
        }
    }
    RecordProperty("posts_pasted", posts);
}

}  // namespace
}  // namespace kolva
