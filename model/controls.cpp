#include "controls.hpp"

#include <array>

#include "keyed_table.hpp"

namespace kolva {

namespace {

constexpr std::array<KeyedText<List>, kListCount> kListNames = {{
    {List::Combo1, "Combo1"},
    {List::Combo2, "Combo2"},
    {List::Combo3, "Combo3"},
    {List::Combo4, "Combo4"},
    {List::Combo5, "Combo5"},
    {List::Combo6, "Combo6"},
    {List::Combo7, "Combo7"},
    {List::Combo8, "Combo8"},
    {List::Combo9, "Combo9"},
    {List::Combo10, "Combo10"},
    {List::Combo11, "Combo11"},
    {List::Combo12, "Combo12"},
    {List::Combo13, "Combo13"},
    {List::Combo14, "Combo14"},
    {List::Combo15, "Combo15"},
    {List::Combo16, "Combo16"},
    {List::Combo18, "Combo18"},
}};
static_assert(inKeyOrder(kListNames, &KeyedText<List>::key));

constexpr std::array<KeyedText<Box>, kBoxCount> kBoxNames = {{
    {Box::Check1, "Check1"},
    {Box::Check2, "Check2"},
    {Box::Check3, "Check3"},
    {Box::Check4, "Check4"},
    {Box::Check5, "Check5"},
    {Box::Check6, "Check6"},
    {Box::Check7, "Check7"},
    {Box::Check8, "Check8"},
    {Box::Check9, "Check9"},
}};
static_assert(inKeyOrder(kBoxNames, &KeyedText<Box>::key));

}  // namespace

std::string_view controlName(List list) {
    return kListNames[indexOf(list)].text;
}
std::string_view controlName(Box box) {
    return kBoxNames[indexOf(box)].text;
}

}  // namespace kolva
