#include "estimate_makeup.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "number_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

std::string watts(double value) {
    return toText(value) + " W";
}

// Why a counted group adds nothing while one of its model and its number is
// chosen; empty where both or neither are.
std::string_view waitingOf(Addend::PerUnit units) {
    if ((units.count == 0) == (units.watts == 0)) {
        return {};
    }
    return units.count == 0 ? kModelWaits : kNumberWaits;
}

// The summed slot a list adds to and the count and unit behind it, where its
// rule makes it a count of units: a counted group's total, and why it adds
// nothing yet, or a count list.
struct ListAddend {
    Slot slot{};
    std::optional<Addend::PerUnit> perUnit;
    std::string_view waits;
};

ListAddend addendOf(const LoadSheet& sheet, const ListRule& rule) {
    if (rule.group) {
        const Addend::PerUnit units{sheet.number(rule.group->count),
                                    sheet.number(rule.group->unit)};
        return {rule.group->total, units, waitingOf(units)};
    }
    if (const auto* count = std::get_if<CountRule>(&rule.write)) {
        const auto unit = static_cast<double>(count->wattsPerUnit);
        return {rule.slot, Addend::PerUnit{sheet.number(rule.slot) / unit, unit}, {}};
    }
    return {rule.slot, std::nullopt, {}};
}

// The parts in reading order: each summed slot once, under the name of the
// first control that writes it, and the groups that wait. A bus box adds its
// allowance, not a slot.
std::vector<Addend> partsOf(const LoadSheet& sheet) {
    std::vector<Addend> parts;
    std::array<bool, kSummedSlotCount> added{};
    const auto add = [&](std::string_view name, const ListAddend& addend) {
        const double value = sheet.number(addend.slot);
        if (std::exchange(added[static_cast<std::size_t>(addend.slot)], true)) {
            return;
        }
        if (value != 0) {
            parts.push_back({name, value, addend.perUnit, {}});
        } else if (!addend.waits.empty()) {
            parts.push_back({name, 0, std::nullopt, addend.waits});
        }
    };
    for (const Control& control : readingOrder()) {
        if (const List* list = std::get_if<List>(&control)) {
            const ListRule& rule = ruleFor(*list);
            add(rule.name, addendOf(sheet, rule));
        } else if (const BoxRule& rule = ruleFor(std::get<Box>(control));
                   std::holds_alternative<ComponentBox>(rule.kind)) {
            add(rule.caption, {rule.slot, std::nullopt, {}});
        }
    }
    return parts;
}

MakeUpLine addendLine(const Addend& addend) {
    std::string working(addend.waits);
    if (addend.perUnit) {
        working = toText(addend.perUnit->count) + " × " + watts(addend.perUnit->watts);
    }
    return {std::string(addend.what), working, watts(addend.watts)};
}

// "296 × 1.05 = 310.8, rounded down", or "220 × 1.05" where the product is whole.
MakeUpLine overclockLine(std::string_view heading, const std::string& stock,
                         std::string_view factor, const std::string& figure) {
    std::string working = stock + " × " + std::string(factor);
    if (const std::string product = toText(toNumber(stock) * toNumber(factor)); product != figure) {
        working += " = " + product + ", rounded down";
    }
    return {std::string(heading), working, figure + " W"};
}

}  // namespace

EstimateMakeUp makeUpOf(const LoadSheet& sheet, Controllers controllers) {
    EstimateMakeUp makeUp;
    makeUp.addends = partsOf(sheet);
    makeUp.addends.push_back({kOverheadName, toNumber(kOverhead), std::nullopt, {}});
    if (controllers.usb) {
        makeUp.addends.push_back({ruleFor(Box::UsbController).caption, kUsbAllowance, {}, {}});
    }
    if (controllers.firewire) {
        makeUp.addends.push_back(
            {ruleFor(Box::FirewireController).caption, kFirewireAllowance, {}, {}});
    }
    for (const Addend& addend : makeUp.addends) {
        makeUp.total += addend.watts;
    }
    makeUp.figures = figuresFor(makeUp.total);
    return makeUp;
}

std::vector<MakeUpLine> linesOf(const EstimateMakeUp& makeUp) {
    const Estimate& figures = makeUp.figures;
    std::vector<MakeUpLine> lines;
    lines.reserve(makeUp.addends.size() + 3);
    for (const Addend& addend : makeUp.addends) {
        if (figures.stock != "0" || !addend.waits.empty()) {
            lines.push_back(addendLine(addend));
        }
    }
    if (figures.stock == "0") {
        lines.push_back({std::string(kNothingCounts), {}, {}});
        return lines;
    }
    const std::string total = toText(makeUp.total);
    lines.push_back(
        {std::string(kStockHeading),
         total == figures.stock ? std::string(kWholeTotal) : "total " + total + " W, rounded down",
         figures.stock + " W"});
    lines.push_back(overclockLine(kMildHeading, figures.stock, kMildFactor, figures.mild));
    lines.push_back(overclockLine(kHeavyHeading, figures.stock, kHeavyFactor, figures.heavy));
    return lines;
}

}  // namespace kolva
