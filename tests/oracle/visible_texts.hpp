#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls.hpp"

namespace kolva::oracle {

// Every text the user reads in the window, written out once more apart from
// the model's and the window's own tables, so that a test can compare what
// the window shows with it character for character.

// A control of the window, by its name, and the text it shows after startup:
// a frame's caption, a label's text or a check box's caption.
struct ShownText {
    std::string_view control;
    std::string_view text;
};

std::span<const ShownText> shownTexts();

// The entries of a list, in order.
std::vector<std::string> entryTexts(List list);

// The lists and check boxes, by name, in the order Tab moves through them.
std::span<const std::string_view> focusOrder();

// The help line as the window is created, before the load handler replaces it.
inline constexpr std::string_view kHelpAtCreation = "Kolva 1.0";

}  // namespace kolva::oracle
