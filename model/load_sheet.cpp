#include "load_sheet.hpp"

#include "number_text.hpp"

namespace kolva {

namespace {

constexpr std::array<std::string_view, kSlotCount> kSlotNames = {
    "Text19", "Text18", "Text29",   "Text30", "Text20", "Text21", "Text22", "Text8",  "Text12",
    "Text11", "Text9",  "Text10",   "Text27", "Text1",  "Text23", "Text24", "Text26", "Text25",
    "Text28", "usb",    "firewire", "CPU",    "Text2",  "Text5",  "Text15", "Text4",  "Text14",
};

}  // namespace

std::string_view slotName(Slot slot) {
    return kSlotNames[static_cast<std::size_t>(slot)];
}

LoadSheet::LoadSheet() {
    texts_.fill("0");
}

void LoadSheet::set(Slot slot, std::string_view text) {
    const auto index = static_cast<std::size_t>(slot);
    texts_[index].assign(text);
    numbers_[index] = toNumber(text);
}

}  // namespace kolva
