#include "power_model.hpp"

#include "number_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

constexpr std::string_view kHelpAtCreation = "Kolva 1.0";

std::string groupTotal(const LoadSheet& sheet, const Group& group) {
    return toText(sheet.number(group.count) * sheet.number(group.unit));
}

}  // namespace

PowerModel::PowerModel() : help_(kHelpAtCreation) {
    for (const Box box : {Box::Check6, Box::Check9}) {
        lists_[indexOf(*ruleFor(box).paired)].enabled = false;
    }
}

void PowerModel::load() {
    for (const List list : startupOrder()) {
        select(list, 0);
    }
    sheet_.set(Slot::Text1, "0");
    estimate_.stock = "0";
    help_ = kStartupHelp;
}

void PowerModel::pick(List list, int entry) {
    const ListState& state = lists_[indexOf(list)];
    const auto entryCount = static_cast<int>(entriesOf(list).size());
    if (!state.enabled || entry < 0 || entry >= entryCount) {
        return;
    }
    select(list, entry);
}

void PowerModel::select(List list, int entry) {
    lists_[indexOf(list)].entry = entry;
    const ListRule& rule = ruleFor(list);
    const std::string& text = entriesOf(list)[static_cast<std::size_t>(entry)];

    help_ = rule.help;
    switch (rule.write) {
        case Write::Lookup:
            if (const auto watts = lookUp(rule.table, text)) {
                sheet_.set(rule.slot, *watts);
            }
            break;
        case Write::CopyText:
            sheet_.set(rule.slot, text);
            break;
        case Write::Count:
            sheet_.set(rule.slot, countValue(rule, text));
            break;
    }
    if (rule.group) {
        sheet_.set(rule.group->total, groupTotal(sheet_, *rule.group));
    }
    recalculate();
}

void PowerModel::toggle(Box box, bool checked) {
    checked_[indexOf(box)] = checked;
    const BoxRule& rule = ruleFor(box);

    help_ = rule.help;
    if (rule.paired) {
        // Either way the device count starts again from "0": the user cannot
        // pick devices before the controller exists, nor keep them without it.
        ListState& devices = lists_[indexOf(*rule.paired)];
        devices.enabled = checked;
        devices.entry = 0;
        const ListRule& deviceRule = ruleFor(*rule.paired);
        sheet_.set(rule.slot, countValue(deviceRule, entriesOf(*rule.paired).front()));
    } else {
        sheet_.set(rule.slot, checked ? rule.checkedValue : "0");
    }
    recalculate();
}

void PowerModel::explain(Explained control) {
    help_ = explanation(control);
}

void PowerModel::recalculate() {
    estimate_ = kolva::recalculate(
        sheet_, {.usb = isChecked(Box::Check6), .firewire = isChecked(Box::Check9)});
}

}  // namespace kolva
