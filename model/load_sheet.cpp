#include "load_sheet.hpp"

#include "number_text.hpp"

namespace kolva {

LoadSheet::LoadSheet() {
    texts_.fill("0");
}

void LoadSheet::set(Slot slot, std::string_view text) {
    const auto index = static_cast<std::size_t>(slot);
    texts_[index].assign(text);
    numbers_[index] = toNumber(text);
}

}  // namespace kolva
