#include "controls.hpp"

#include <array>

namespace kolva {

namespace {

constexpr std::array<std::string_view, kListCount> kListNames = {
    "Combo1",  "Combo2",  "Combo3",  "Combo4",  "Combo5",  "Combo6",
    "Combo7",  "Combo8",  "Combo9",  "Combo10", "Combo11", "Combo12",
    "Combo13", "Combo14", "Combo15", "Combo16", "Combo18",
};

constexpr std::array<std::string_view, kBoxCount> kBoxNames = {
    "Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Check9",
};

}  // namespace

std::string_view controlName(List list) {
    return kListNames[indexOf(list)];
}
std::string_view controlName(Box box) {
    return kBoxNames[indexOf(box)];
}

}  // namespace kolva
