#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "power_model.hpp"
#include "selection_rules.hpp"

namespace kolva::testing_support {

// Index of the first entry of `list` whose text is exactly `text`.
inline int entryIndex(List list, std::string_view text) {
    const auto& entries = entriesOf(list);
    const auto found = std::find(entries.begin(), entries.end(), text);
    EXPECT_NE(found, entries.end()) << "no entry \"" << text << "\" in " << ruleFor(list).purpose;
    return static_cast<int>(found - entries.begin());
}

// A model after the window's load handler, driven by entry texts.
class LoadedModel {
public:
    LoadedModel() { model.load(); }

    LoadedModel& pick(List list, std::string_view text) {
        model.pick(list, entryIndex(list, text));
        return *this;
    }
    LoadedModel& pickAt(List list, int entry) {
        model.pick(list, entry);
        return *this;
    }
    LoadedModel& toggle(Box box, bool checked) {
        model.toggle(box, checked);
        return *this;
    }
    const std::string& slot(Slot s) const { return model.sheet().get(s); }
    Estimate figures() const { return model.estimate(); }

    PowerModel model;
};

}  // namespace kolva::testing_support
