#include "pasted_words.hpp"

#include <algorithm>

#include "estimate_makeup.hpp"
#include "machine_text.hpp"
#include "pasted_lines.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

// The figure that each heading of a copied figure line states.
struct FigureHeading {
    std::string_view heading;
    FigureOf figure;
};
constexpr std::array<FigureHeading, 3> kFigureHeadings = {{
    {kStockHeading, &Estimate::stock},
    {kMildHeading, &Estimate::mild},
    {kHeavyHeading, &Estimate::heavy},
}};

// A counted group is named once, at its model list.
bool namesAPart(const ListRule& rule) {
    return !rule.group || rule.slot != rule.group->count;
}

// The entries of a list that a user can choose and that count: not a model
// list's first entry, which asks for a choice, nor a blank or a maker's heading.
std::vector<std::string_view> choosable(List list) {
    const ListRule& rule = ruleFor(list);
    const auto* lookup = std::get_if<LookupRule>(&rule.write);
    if (lookup == nullptr) {
        const std::vector<std::string>& entries = entriesOf(list);
        return {entries.begin(), entries.end()};
    }
    std::vector<std::string_view> entries;
    for (const TableRow& row : lookup->table.subspan(1)) {
        if (row.watts && *row.watts != "0") {
            entries.push_back(trimmed(row.text));
        }
    }
    return entries;
}

}  // namespace

const Vocabulary& vocabulary() {
    static const Vocabulary words = [] {
        Vocabulary all;
        for (std::size_t i = 0; i < kListCount; ++i) {
            const ListRule& rule = ruleFor(static_cast<List>(i));
            for (const std::string& entry : entriesOf(rule.list)) {
                all.entries[i].push_back(lowerCase(trimmed(entry)));
            }
            all.choosable[i] = choosable(rule.list);
            if (namesAPart(rule)) {
                all.names[i] = lowerCase(rule.name);
                all.partNames.push_back(rule.name);
            }
        }
        all.partNames.push_back(kTickedName);
        for (std::size_t i = 0; i < kBoxCount; ++i) {
            all.captions.push_back(ruleFor(static_cast<Box>(i)).caption);
        }
        for (const std::string_view name : all.partNames) {
            all.makeUpNames.push_back(lowerCase(name));
        }
        for (const std::string_view name : all.captions) {
            all.makeUpNames.push_back(lowerCase(name));
        }
        for (const FigureHeading& figure : kFigureHeadings) {
            all.makeUpNames.push_back(lowerCase(figure.heading));
        }
        all.makeUpNames.push_back(lowerCase(kOverheadName));
        all.title = lowerCase(kMachineTitle);
        all.ticked = lowerCase(kTickedName);
        all.overhead = lowerCase(kOverheadName);
        all.makeUpHeading = lowerCase(kMakeUpHeading);
        all.nothingCounts = lowerCase(kNothingCounts);
        all.waiting = {"(" + lowerCase(kModelWaits) + ")", "(" + lowerCase(kNumberWaits) + ")"};
        return all;
    }();
    return words;
}

std::optional<List> listNamed(std::string_view name) {
    const auto& names = vocabulary().names;
    const auto named = std::find(names.begin(), names.end(), lowerCase(name));
    if (name.empty() || named == names.end()) {
        return std::nullopt;
    }
    return static_cast<List>(named - names.begin());
}

FigureOf figureNamed(std::string_view name) {
    const std::string seen = lowerCase(name);
    const auto* found = std::find_if(kFigureHeadings.begin(), kFigureHeadings.end(),
                                     [&](const auto& f) { return lowerCase(f.heading) == seen; });
    return found == kFigureHeadings.end() ? nullptr : found->figure;
}

bool endsInWatts(std::string_view text) {
    if (!text.ends_with(" W") && !text.ends_with(" w")) {
        return false;
    }
    text.remove_suffix(2);
    return !text.empty() && text.back() >= '0' && text.back() <= '9';
}

// `value` without the watts that a copied part carries after it, in brackets:
// "2 × Opteron (2 × 85 W = 170 W)" is "2 × Opteron".
std::string_view withoutWatts(std::string_view value) {
    const auto open = value.rfind('(');
    if (!value.ends_with(')') || open == std::string_view::npos ||
        !endsInWatts(value.substr(open + 1, value.size() - open - 2))) {
        return value;
    }
    return trimmed(value.substr(0, open));
}

}  // namespace kolva
