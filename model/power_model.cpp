#include "power_model.hpp"

#include "number_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

std::string groupTotal(const LoadSheet& sheet, const Group& group) {
    return toText(sheet.number(group.count) * sheet.number(group.unit));
}

// Writes the slot of a list's rule for the chosen entry; tells whether the
// entry had a value to write.
struct SlotWriter {
    LoadSheet& sheet;
    Slot slot;
    std::string_view entry;

    bool operator()(const LookupRule& rule) const {
        const auto watts = lookUp(rule.table, entry);
        if (watts) {
            sheet.set(slot, *watts);
        }
        return watts.has_value();
    }
    bool operator()(const CopyRule& /*rule*/) const {
        sheet.set(slot, entry);
        return true;
    }
    bool operator()(const CountRule& rule) const {
        sheet.set(slot, countValue(rule, entry));
        return true;
    }
};

}  // namespace

PowerModel::PowerModel() : help_(kHelpAtCreation) {
    for (const Box box : {Box::UsbController, Box::FirewireController}) {
        lists_[indexOf(std::get<BusBox>(ruleFor(box).kind).devices)].enabled = false;
    }
}

void PowerModel::load() {
    for (const List list : startupOrder()) {
        select(list, 0);
    }
    sheet_.set(Slot::OtherPciCards, "0");
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
    ListState& state = lists_[indexOf(list)];
    state.entry = entry;
    const ListRule& rule = ruleFor(list);
    const std::string& text = entriesOf(list)[static_cast<std::size_t>(entry)];

    help_ = rule.help;
    if (std::visit(SlotWriter{sheet_, rule.slot, text}, rule.write)) {
        state.counted = entry;
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
    if (const auto* bus = std::get_if<BusBox>(&rule.kind)) {
        // Either way the device count starts again from "0": the user cannot
        // pick devices before the controller exists, nor keep them without it.
        ListState& devices = lists_[indexOf(bus->devices)];
        devices.enabled = checked;
        devices.entry = 0;
        devices.counted = 0;
        const auto& deviceRule = std::get<CountRule>(ruleFor(bus->devices).write);
        sheet_.set(rule.slot, countValue(deviceRule, entriesOf(bus->devices).front()));
    } else {
        sheet_.set(rule.slot, checked ? std::get<ComponentBox>(rule.kind).checkedValue : "0");
    }
    recalculate();
}

void PowerModel::explain(Explained control) {
    help_ = explanation(control);
}

void PowerModel::startAgain() {
    *this = PowerModel();
    load();
}

void PowerModel::apply(const Machine& machine) {
    startAgain();
    for (const Control& control : readingOrder()) {
        if (const List* list = std::get_if<List>(&control)) {
            const int counted = machine.counted[indexOf(*list)];
            const int shown = machine.shown[indexOf(*list)];
            if (counted != 0 && counted != shown) {
                pick(*list, counted);
            }
            if (shown != 0) {
                pick(*list, shown);
            }
        } else if (const Box box = std::get<Box>(control); machine.ticked[indexOf(box)]) {
            toggle(box, true);
        }
    }
}

void PowerModel::tell(std::string_view notice) {
    help_ = notice;
}

Machine PowerModel::machine() const {
    Machine machine;
    for (std::size_t i = 0; i < kListCount; ++i) {
        machine.counted[i] = lists_[i].counted;
        machine.shown[i] = lists_[i].entry;
    }
    machine.ticked = checked_;
    return machine;
}

void PowerModel::recalculate() {
    estimate_ = estimateFor(sheet_, controllers());
}

EstimateMakeUp PowerModel::makeUp() const {
    return makeUpOf(sheet_, controllers());
}

Controllers PowerModel::controllers() const {
    return {.usb = isChecked(Box::UsbController), .firewire = isChecked(Box::FirewireController)};
}

}  // namespace kolva
