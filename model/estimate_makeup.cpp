#include "estimate_makeup.hpp"

#include <array>

#include "keyed_table.hpp"
#include "number_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

// What each summed slot holds, in words a user knows.
constexpr std::array<KeyedText<Slot>, kSummedSlotCount> kSlotNames = {{
    {Slot::MemoryTotal, "Memory"},
    {Slot::ProcessorTotal, "Processors"},
    {Slot::WaterPump, "Water pump"},
    {Slot::TecElement, "TEC element"},
    {Slot::GraphicsTotal, "Graphics cards"},
    {Slot::OpticalDrive2, "Optical bay 2"},
    {Slot::OpticalDrive1, "Optical bay 1"},
    {Slot::DialUpModem, "56k modem"},
    {Slot::NetworkCard, "Network card"},
    {Slot::SoundCard, "Sound card"},
    {Slot::AudioFrontPanel, "Audio front panel"},
    {Slot::ScsiCard, "SCSI card"},
    {Slot::TvTuner, "TV tuner"},
    {Slot::OtherPciCards, "Additional PCI cards"},
    {Slot::SystemFans, "System fans"},
    {Slot::CaseLights, "Case lights"},
    {Slot::CardReaders, "Card readers"},
    {Slot::FloppyDrives, "Floppy and Zip drives"},
    {Slot::HardDrives, "Hard drives"},
    {Slot::UsbDevices, "USB devices"},
    {Slot::FirewireDevices, "Firewire devices"},
}};
static_assert(inKeyOrder(kSlotNames, &KeyedText<Slot>::key));

constexpr std::string_view kOverheadName = "Overhead";
constexpr std::string_view kUsbName = "USB controller";
constexpr std::string_view kFirewireName = "Firewire controller";
constexpr std::string_view kEmptySheetLine =
    "Nothing is chosen yet, so the figures read 0 rather than the 35 W overhead alone.";

// The count and unit behind a slot, where a list's rule makes it a count of
// units: a counted group's total, or a count list's slot.
std::optional<Addend::PerUnit> perUnitOf(const LoadSheet& sheet, Slot slot) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListRule& rule = ruleFor(static_cast<List>(i));
        if (rule.group && rule.group->total == slot) {
            return Addend::PerUnit{sheet.number(rule.group->count), sheet.number(rule.group->unit)};
        }
        if (const auto* count = std::get_if<CountRule>(&rule.write); count && rule.slot == slot) {
            return Addend::PerUnit{sheet.number(slot) / count->wattsPerUnit,
                                   static_cast<double>(count->wattsPerUnit)};
        }
    }
    return std::nullopt;
}

std::string watts(double value) {
    return toText(value) + " W";
}

std::string addendLine(const Addend& addend) {
    std::string line = std::string(addend.what) + ": ";
    if (addend.perUnit) {
        line += toText(addend.perUnit->count) + " × " + watts(addend.perUnit->watts) + " = ";
    }
    return line + watts(addend.watts) + "\n";
}

std::string overclockLine(std::string_view name, const std::string& stock, std::string_view factor,
                          const std::string& figure) {
    const double product = toNumber(stock) * toNumber(factor);
    return std::string(name) + ": " + stock + " × " + std::string(factor) + " = " +
           toText(product) + ", rounded down: " + figure + " W\n";
}

}  // namespace

EstimateMakeUp makeUpOf(const LoadSheet& sheet, Controllers controllers) {
    EstimateMakeUp makeUp;
    for (const KeyedText<Slot>& slot : kSlotNames) {
        if (const double value = sheet.number(slot.key); value != 0) {
            makeUp.addends.push_back({slot.text, value, perUnitOf(sheet, slot.key)});
        }
    }
    makeUp.addends.push_back({kOverheadName, kOverhead, std::nullopt});
    if (controllers.usb) {
        makeUp.addends.push_back({kUsbName, kUsbAllowance, std::nullopt});
    }
    if (controllers.firewire) {
        makeUp.addends.push_back({kFirewireName, kFirewireAllowance, std::nullopt});
    }
    for (const Addend& addend : makeUp.addends) {
        makeUp.total += addend.watts;
    }
    makeUp.figures = figuresFor(makeUp.total);
    return makeUp;
}

std::string describe(const EstimateMakeUp& makeUp) {
    const Estimate& figures = makeUp.figures;
    if (figures.stock == "0") {
        return std::string(kEmptySheetLine) + "\n";
    }
    std::string text;
    for (const Addend& addend : makeUp.addends) {
        text += addendLine(addend);
    }
    text += "Total before rounding: " + watts(makeUp.total) + "\n";
    text += "Stock: " + watts(makeUp.total) + ", rounded down: " + figures.stock + " W\n";
    text += overclockLine("Mild overclock", figures.stock, kMildFactor, figures.mild);
    text += overclockLine("Heavy overclock", figures.stock, kHeavyFactor, figures.heavy);
    return text;
}

}  // namespace kolva
