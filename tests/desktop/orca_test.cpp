// What a blind user hears from Kolva: the real Orca screen reader on the
// test's desktop, driven from the keyboard alone, its speech read from its
// log. Debian 12 pairs Qt 6.4 with Orca 43 and Debian 13 Qt 6.8 with Orca 48;
// where Qt 6.4 gives a reader less, the user's way round it is checked.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "kolva_on_desktop.hpp"
#include "orca_reader.hpp"

namespace kolva::desktop {
namespace {

using namespace std::chrono_literals;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

// Kolva with Orca listening, its window then given the keyboard as when the
// user switches to it.
class Journey {
public:
    Journey() {
        world().x.focus(kolva_.window());
        start_ = orca_.says();
    }

    const std::vector<std::string>& start() const { return start_; }

    // What Orca says after one key, pressed with `held` held down if given.
    std::vector<std::string> press(std::string_view key, std::string_view held = {},
                                   std::chrono::milliseconds quiet = 800ms) {
        world().x.tapKey(key, held);
        return orca_.says(quiet);
    }

    // What Orca says after the last of `times` presses of `key`.
    std::vector<std::string> pressTimes(std::string_view key, int times) {
        for (int i = 1; i < times; ++i) {
            world().x.tapKey(key);
        }
        orca_.says();
        return press(key);
    }

private:
    KolvaOnDesktop kolva_;
    OrcaReader orca_;
    std::vector<std::string> start_;
};

// The entries below "Select From Below" in the processor list, as a reader
// names the list showing each.
constexpr const char* kFirstEntries[] = {"blank", "====== Intel ======", "blank", "Pentium"};

TEST(Orca, SpeaksEachListWithItsEntry) {
    Journey journey;
    EXPECT_THAT(journey.start(), Contains(StartsWith("Kolva frame")));
    EXPECT_THAT(journey.start(), Contains(StartsWith("Select From Below combo box")));
    EXPECT_THAT(journey.start(), Contains("Processor model."));
    for (const char* entry : kFirstEntries) {
        SCOPED_TRACE(entry);
        const std::string spoken = std::string(entry) + " combo box";
        if (KOLVA_LISTS_OFFER_THEIR_ENTRY) {
            EXPECT_THAT(journey.press("Down"), ElementsAre(StartsWith(spoken)));
        } else {
            // Orca 43 says nothing as a closed list changes; "where am I"
            // (KP_Enter) reads it with its new entry.
            world().x.tapKey("Down");
            EXPECT_THAT(journey.press("KP_Enter"), Contains(StartsWith(spoken)));
        }
    }
    // Opened, walked and closed with Escape: the list is heard with the entry
    // it shows again.
    if (KOLVA_LISTS_OFFER_THEIR_ENTRY) {
        journey.press("Down", "Alt_L");
        journey.press("Down");
        const std::vector<std::string> closed = journey.press("Escape");
        EXPECT_THAT(closed, Contains(HasSubstr("Pentium")));
        EXPECT_THAT(closed, Not(Contains(HasSubstr("Pentium II"))));
    }
    // Lists with a caption beside them, TEC (Watts): and Hard Drives: (the
    // last stop), each with its value.
    EXPECT_THAT(journey.pressTimes("Tab", 7), Contains(HasSubstr("0 combo box")));
    EXPECT_THAT(journey.pressTimes("Tab", 16), Contains(HasSubstr("0 combo box")));
}

TEST(Orca, TellsTheNewEstimateOnceTheUserPauses) {
    Journey journey;
    EXPECT_THAT(journey.pressTimes("Tab", 12), Contains(StartsWith("56k Modem check box")));
    const std::vector<std::string> ticked = journey.press("space", {}, 1500ms);
    if (KOLVA_ANNOUNCES) {
        EXPECT_THAT(ticked, ElementsAre("checked", "Stock Speeds: 39 Watts"));
    } else {
        EXPECT_THAT(ticked, ElementsAre("checked"));
    }
    // Ctrl+F1, the tool tip key, moves into how the estimate is made, read as
    // text line by line; Escape leaves it for the box again.
    EXPECT_THAT(journey.press("F1", "Control_L"), Contains("How the estimate is made:"));
    EXPECT_THAT(journey.press("Down"),
                ElementsAre(AllOf(StartsWith("56k Modem"), EndsWith("4 W"))));
    EXPECT_THAT(journey.press("Escape"), Contains(StartsWith("56k Modem check box checked")));
    // Unticked and ticked again within the pause: the estimate is as it was.
    world().x.tapKey("space");
    EXPECT_THAT(journey.press("space", {}, 1500ms), Not(Contains(HasSubstr("Watts"))));

    // Flat review, from the window's foot up to the figures' line.
    journey.press("KP_Page_Up", "Insert");
    journey.press("KP_Home");
    EXPECT_THAT(
        journey.press("KP_Home"),
        ElementsAre("Stock Speeds: 39 Watts Mild Overclock: 40 Watts Heavy Overclock: 42 Watts"));

    // Copying and starting again are heard: Qt 6.8 tells both, and starting
    // again brings the focus back to the first list.
    if (KOLVA_ANNOUNCES) {
        EXPECT_THAT(journey.press("c", "Control_L"), Contains("Estimate copied"));
    }
    const std::vector<std::string> again = journey.press("n", "Control_L", 1500ms);
    EXPECT_THAT(again, Contains(HasSubstr("Select From Below combo box")));
    if (KOLVA_ANNOUNCES) {
        EXPECT_THAT(again, Contains("Started again"));
    }
}

TEST(Orca, ReadsTheHelpLineAsTheWindowsStatusBar) {
    Journey journey;
    EXPECT_THAT(journey.press("Down"), Not(Contains(HasSubstr("Central Processing Unit"))));
    world().x.tapKey("KP_Enter", "Insert");
    EXPECT_THAT(journey.press("KP_Enter", "Insert"),
                Contains(StartsWith("Central Processing Unit status")));
}

}  // namespace
}  // namespace kolva::desktop
