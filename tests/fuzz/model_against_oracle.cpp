#include "model_against_oracle.hpp"

#include "oracle.hpp"
#include "power_model.hpp"
#include "selection_rules.hpp"

namespace kolva::fuzz {

namespace {

void apply(std::uint8_t action, std::uint8_t argument, PowerModel& model,
           oracle::Oracle& expected) {
    // Entries run past each list's end on purpose: those picks must be ignored.
    const int entry = argument % 128 - 1;
    const unsigned target = (action & 0x7FU) % (kListCount + kBoxCount + kExplainedCount);
    if (target < kListCount) {
        const auto list = static_cast<List>(target);
        model.pick(list, entry);
        expected.pick(list, entry);
    } else if (target < kListCount + kBoxCount) {
        const auto box = static_cast<Box>(target - kListCount);
        // The top bit says whether the click checks or unchecks the box.
        const bool checked = (action & 0x80U) != 0 ? !model.isChecked(box) : model.isChecked(box);
        model.toggle(box, checked);
        expected.toggle(box, checked);
    } else {
        const auto control = static_cast<Explained>(target - kListCount - kBoxCount);
        model.explain(control);
        expected.explain(control);
    }
}

// What the model and the oracle disagree on, if anything.
std::optional<std::string> compare(const PowerModel& model, const oracle::Oracle& expected) {
    const auto figures = expected.figures();
    if (model.estimate().stock != figures.stock || model.estimate().mild != figures.mild ||
        model.estimate().heavy != figures.heavy) {
        return "the figures: " + model.estimate().stock + " " + model.estimate().mild + " " +
               model.estimate().heavy + ", expected " + figures.stock + " " + figures.mild + " " +
               figures.heavy;
    }
    if (model.help() != expected.help()) {
        return "the help line: \"" + model.help() + "\", expected \"" + expected.help() + "\"";
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto list = static_cast<List>(i);
        if (model.listState(list).entry != expected.entry(list) ||
            model.listState(list).enabled != expected.enabled(list)) {
            return "the state of " + std::string(ruleFor(list).purpose);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> disagreement(std::span<const std::uint8_t> actions) {
    PowerModel model;
    model.load();
    oracle::Oracle expected;
    for (std::size_t i = 0; i + 1 < actions.size(); i += 2) {
        apply(actions[i], actions[i + 1], model, expected);
        if (auto what = compare(model, expected)) {
            return *what + " after action " + std::to_string(i / 2 + 1);
        }
    }
    return std::nullopt;
}

}  // namespace kolva::fuzz
