#include "estimate.hpp"

#include <cmath>
#include <string_view>

#include "number_text.hpp"

namespace kolva {

namespace {

constexpr std::string_view kZeroText = "0";

// A figure is shown as text; rounding down the text's value rather than the
// raw double keeps the 15-digit rule between every step.
std::string floorThroughText(double value) {
    return toText(std::floor(toNumber(toText(value))));
}

}  // namespace

Estimate estimateFor(const LoadSheet& sheet, Controllers controllers) {
    double sum = 0;
    for (std::size_t i = 0; i < kSummedSlotCount; ++i) {
        sum += sheet.number(static_cast<Slot>(i));
    }
    sum += toNumber(kOverhead);
    if (controllers.usb) {
        sum += kUsbAllowance;
    }
    if (controllers.firewire) {
        sum += kFirewireAllowance;
    }
    return figuresFor(sum);
}

Estimate figuresFor(double total) {
    Estimate estimate;
    estimate.stock = floorThroughText(total);
    const double stock = toNumber(estimate.stock);
    estimate.mild = floorThroughText(stock * toNumber(kMildFactor));
    estimate.heavy = floorThroughText(stock * toNumber(kHeavyFactor));

    if (estimate.stock == kOverhead) {
        estimate.stock = kZeroText;
    }
    if (estimate.stock == kZeroText) {
        estimate.mild = kZeroText;
        estimate.heavy = kZeroText;
    }
    return estimate;
}

}  // namespace kolva
