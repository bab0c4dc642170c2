#include "machine_text.hpp"

#include <optional>
#include <string_view>

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

std::string figureLine(std::string_view heading, const std::string& figure) {
    return std::string(heading) + ": " + figure + " Watts\n";
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
    std::string text = std::string(kMachineTitle) + "\n";
    std::string ticked;
    for (const Control& control : readingOrder()) {
        if (const List* list = std::get_if<List>(&control)) {
            if (const auto value = listValue(model, *list)) {
                text += std::string(ruleFor(*list).name) + ": " + *value + "\n";
            }
        } else if (const Box box = std::get<Box>(control); model.isChecked(box)) {
            ticked += (ticked.empty() ? "" : ", ") + std::string(ruleFor(box).caption);
        }
    }
    if (!ticked.empty()) {
        text += std::string(kTickedName) + ": " + ticked + "\n";
    }
    const Estimate& figures = model.estimate();
    text += figureLine(kStockHeading, figures.stock);
    text += figureLine(kMildHeading, figures.mild);
    text += figureLine(kHeavyHeading, figures.heavy);
    return text + "\n" + std::string(kMakeUpHeading) + "\n" + describe(model.makeUp());
}

}  // namespace kolva
