#include "machine_text.hpp"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "number_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

// Why a group counts nothing yet, after its value: " (a model counts ...)".
std::string note(std::string_view waits) {
    return " (" + std::string(waits) + ")";
}

std::string entryText(List list, int entry) {
    return std::string(trimmed(entriesOf(list)[static_cast<std::size_t>(entry)]));
}

// A model and its number: "2 × Opteron", or why the one chosen does not count.
std::optional<std::string> groupValue(const PowerModel& model, List modelList, const Group& group) {
    const LoadSheet& sheet = model.sheet();
    const std::string count = toText(sheet.number(group.count));
    if (sheet.number(group.unit) == 0) {
        return count == "0" ? std::nullopt : std::optional(count + note(kNumberWaits));
    }
    std::string value = count + " × " + entryText(modelList, model.listState(modelList).counted);
    return count == "0" ? value + note(kModelWaits) : value;
}

// What the window shows for a part chosen with `list`, if it adds a part. A
// counted group is told once, at its model list.
std::optional<std::string> listValue(const PowerModel& model, List list) {
    const ListRule& rule = ruleFor(list);
    if (rule.group) {
        if (rule.slot != rule.group->unit) {
            return std::nullopt;
        }
        return groupValue(model, list, *rule.group);
    }
    if (model.sheet().number(rule.slot) == 0) {
        return std::nullopt;
    }
    return entryText(list, model.listState(list).counted);
}

// The make-up's line for `what`, where it adds watts.
const MakeUpLine* addedBy(const std::vector<MakeUpLine>& lines, std::string_view what) {
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const MakeUpLine& l) {
        return l.what == what && l.watts != kNoWatts;
    });
    return line == lines.end() ? nullptr : &*line;
}

// What a part adds, after it: " (2 × 89 W = 178 W)", " (25 W)".
std::string wattsOf(const std::vector<MakeUpLine>& lines, std::string_view what) {
    const MakeUpLine* line = addedBy(lines, what);
    if (line == nullptr) {
        return {};
    }
    return " (" + (line->working.empty() ? line->watts : line->working + " = " + line->watts) + ")";
}

// "Mild Overclock: 310 Watts (296 × 1.05 = 310.8, rounded down)".
std::string figureLine(const std::vector<MakeUpLine>& lines, std::string_view heading,
                       const std::string& figure) {
    std::string line = std::string(heading) + ": " + figure + " Watts";
    if (const MakeUpLine* made = addedBy(lines, heading); made && made->working != kWholeTotal) {
        line += " (" + made->working + ")";
    }
    return line + "\n";
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpaces = " \t\r";
    const auto first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

std::string machineText(const PowerModel& model) {
    const EstimateMakeUp makeUp = model.makeUp();
    const std::vector<MakeUpLine> lines = linesOf(makeUp);
    std::string text = std::string(kMachineTitle) + "\n";
    std::string ticked;
    for (const Control& control : readingOrder()) {
        if (const List* list = std::get_if<List>(&control)) {
            if (const auto value = listValue(model, *list)) {
                const std::string_view name = ruleFor(*list).name;
                text += std::string(name) + ": " + *value + wattsOf(lines, name) + "\n";
            }
        } else if (const Box box = std::get<Box>(control); model.isChecked(box)) {
            const std::string_view caption = ruleFor(box).caption;
            ticked += (ticked.empty() ? "" : ", ") + std::string(caption) + wattsOf(lines, caption);
        }
    }
    if (!ticked.empty()) {
        text += std::string(kTickedName) + ": " + ticked + "\n";
    }
    if (const MakeUpLine* overhead = addedBy(lines, kOverheadName)) {
        text += std::string(kOverheadName) + ": " + overhead->watts + "\n";
    }
    const Estimate& figures = makeUp.figures;
    text += figureLine(lines, kStockHeading, figures.stock);
    text += figureLine(lines, kMildHeading, figures.mild);
    text += figureLine(lines, kHeavyHeading, figures.heavy);
    if (figures.stock == "0") {
        text += std::string(kNothingCounts) + "\n";
    }
    return text;
}

}  // namespace kolva
