#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "oracle.hpp"
#include "power_model.hpp"

namespace kolva {
namespace {

// One way a group of controls can contribute to the sum: its half-watts and
// the user actions that set it up.
struct Option {
    int halfWatts;
    std::function<void(PowerModel&)> setUp;
};
using Group = std::vector<Option>;

Group singleList(List list) {
    Group group;
    for (int entry = 0; entry < oracle::entryCount(list); ++entry) {
        group.push_back({oracle::halfWattsOfEntry(list, entry),
                         [list, entry](PowerModel& m) { m.pick(list, entry); }});
    }
    return group;
}

// A model list times a count list. The oracle, not the model, tells the
// product, so the group is walked through the oracle's own arithmetic.
Group countedGroup(List models, List counts) {
    Group group;
    for (int model = 0; model < oracle::entryCount(models); ++model) {
        for (int count = 0; count < oracle::entryCount(counts); ++count) {
            oracle::Oracle expected;
            expected.pick(models, model);
            expected.pick(counts, count);
            group.push_back({expected.halfWatts(), [=](PowerModel& m) {
                                 m.pick(models, model);
                                 m.pick(counts, count);
                             }});
        }
    }
    return group;
}

Group box(Box which) {
    return {{0, [](PowerModel&) {}},
            {oracle::halfWattsOfBox(which), [which](PowerModel& m) { m.toggle(which, true); }}};
}

// The devices of a bus count only while its controller is enabled.
Group bus(Box controller, List devices, bool enabled) {
    if (!enabled) {
        return {{0, [](PowerModel&) {}}};
    }
    Group group;
    for (int entry = 0; entry < oracle::entryCount(devices); ++entry) {
        group.push_back({oracle::halfWattsOfEntry(devices, entry), [=](PowerModel& m) {
                             m.toggle(controller, true);
                             m.pick(devices, entry);
                         }});
    }
    return group;
}

std::vector<Group> groupsFor(bool usb, bool firewire) {
    std::vector<Group> groups = {
        countedGroup(List::ProcessorModel, List::ProcessorCount),
        countedGroup(List::GraphicsCardModel, List::GraphicsCardCount),
        countedGroup(List::MemoryType, List::MemoryStickCount),
        bus(Box::UsbController, List::UsbDevices, usb),
        bus(Box::FirewireController, List::FirewireDevices, firewire),
    };
    for (const List list : {List::HardDrives, List::OpticalDrive2, List::SystemFans,
                            List::CaseLights, List::OpticalDrive1, List::TecWatts,
                            List::CardReaders, List::FloppyDrives, List::OtherPciCards}) {
        groups.push_back(singleList(list));
    }
    for (const Box which : {Box::DialUpModem, Box::NetworkCard, Box::SoundCard,
                            Box::AudioFrontPanel, Box::ScsiCard, Box::WaterPump, Box::TvTuner}) {
        groups.push_back(box(which));
    }
    return groups;
}

// Walks the groups one by one, keeping for every reachable sum the option
// each group chose to reach it first.
std::vector<std::vector<int>> reachableSums(const std::vector<Group>& groups, int& maxSum) {
    maxSum = 0;
    for (const Group& group : groups) {
        int largest = 0;
        for (const Option& option : group) {
            largest = std::max(largest, option.halfWatts);
        }
        maxSum += largest;
    }
    std::vector<std::vector<int>> choice(groups.size() + 1, std::vector<int>(maxSum + 1, -1));
    choice[0][0] = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (int sum = 0; sum <= maxSum; ++sum) {
            if (choice[g][static_cast<std::size_t>(sum)] < 0) {
                continue;
            }
            for (std::size_t o = 0; o < groups[g].size(); ++o) {
                const int next = sum + groups[g][o].halfWatts;
                int& slot = choice[g + 1][static_cast<std::size_t>(next)];
                if (slot < 0) {
                    slot = static_cast<int>(o);
                }
            }
        }
    }
    return choice;
}

TEST(Exhaustive, EveryReachableSumAndControllerStateMatchesTheOracle) {
    int statesCovered = 0;
    for (const bool usb : {false, true}) {
        for (const bool firewire : {false, true}) {
            const std::vector<Group> groups = groupsFor(usb, firewire);
            int maxSum = 0;
            const auto choice = reachableSums(groups, maxSum);
            for (int sum = 0; sum <= maxSum; ++sum) {
                if (choice[groups.size()][static_cast<std::size_t>(sum)] < 0) {
                    continue;
                }
                PowerModel model;
                model.load();
                model.toggle(Box::UsbController, usb);
                model.toggle(Box::FirewireController, firewire);
                int remaining = sum;
                for (std::size_t g = groups.size(); g-- > 0;) {
                    const auto o = static_cast<std::size_t>(
                        choice[g + 1][static_cast<std::size_t>(remaining)]);
                    groups[g][o].setUp(model);
                    remaining -= groups[g][o].halfWatts;
                }
                ASSERT_EQ(remaining, 0);
                const oracle::Figures expected = oracle::figuresFor(sum, usb, firewire);
                ASSERT_EQ(model.estimate().stock, expected.stock) << sum << " half-watts";
                ASSERT_EQ(model.estimate().mild, expected.mild) << sum << " half-watts";
                ASSERT_EQ(model.estimate().heavy, expected.heavy) << sum << " half-watts";
                ++statesCovered;
            }
        }
    }
    RecordProperty("states_covered", statesCovered);
    std::printf("reachable sums x controller states covered: %d\n", statesCovered);
    EXPECT_GT(statesCovered, 4 * 6000);
}

}  // namespace
}  // namespace kolva
