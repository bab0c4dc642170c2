// Turns bytes into user actions on the model and checks every step against
// the oracle. Each action takes two bytes: what to do and which entry.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "oracle.hpp"
#include "power_model.hpp"

namespace {

using kolva::Box;
using kolva::Explained;
using kolva::List;

[[noreturn]] void disagree(const char* what) {
    std::fprintf(stderr, "model and oracle disagree on %s\n", what);
    std::abort();
}

void apply(std::uint8_t action, std::uint8_t argument, kolva::PowerModel& model,
           kolva::oracle::Oracle& expected) {
    // Entries run past each list's end on purpose: those picks must be ignored.
    const int entry = argument % 128 - 1;
    const unsigned target =
        (action & 0x7FU) % (kolva::kListCount + kolva::kBoxCount + kolva::kExplainedCount);
    if (target < kolva::kListCount) {
        const auto list = static_cast<List>(target);
        model.pick(list, entry);
        expected.pick(list, entry);
    } else if (target < kolva::kListCount + kolva::kBoxCount) {
        const auto box = static_cast<Box>(target - kolva::kListCount);
        // The top bit says whether the click checks or unchecks the box.
        const bool checked = (action & 0x80U) != 0 ? !model.isChecked(box) : model.isChecked(box);
        model.toggle(box, checked);
        expected.toggle(box, checked);
    } else {
        const auto control = static_cast<Explained>(target - kolva::kListCount - kolva::kBoxCount);
        model.explain(control);
        expected.explain(control);
    }
}

void check(const kolva::PowerModel& model, const kolva::oracle::Oracle& expected) {
    const auto figures = expected.figures();
    if (model.estimate().stock != figures.stock || model.estimate().mild != figures.mild ||
        model.estimate().heavy != figures.heavy) {
        disagree("the figures");
    }
    if (model.help() != expected.help()) {
        disagree("the help line");
    }
    for (std::size_t i = 0; i < kolva::kListCount; ++i) {
        const auto list = static_cast<List>(i);
        if (model.listState(list).entry != expected.entry(list) ||
            model.listState(list).enabled != expected.enabled(list)) {
            disagree("a list's state");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kolva::PowerModel model;
    model.load();
    kolva::oracle::Oracle expected;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        apply(data[i], data[i + 1], model, expected);
        check(model, expected);
    }
    return 0;
}
