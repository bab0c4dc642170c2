#pragma once

#include <string>
#include <string_view>

#include "estimate_makeup.hpp"
#include "power_model.hpp"

namespace kolva {

// The words of a copied machine that are not the window's.
inline constexpr std::string_view kMachineTitle = "Kolva power supply estimate";
inline constexpr std::string_view kTickedName = "Ticked";

// The machine that the window describes and its estimate, as plain text for
// the clipboard: each chosen part in the window's reading order under the
// window's name for it ("CPU: 2 × Opteron"), the ticked boxes by their
// captions, the figures with their headings, and how the estimate is made.
std::string machineText(const PowerModel& model);

// `text` without the spaces, tabs and carriage returns around it, as a list's
// entry is written in a copied machine and read back.
std::string_view trimmed(std::string_view text);

}  // namespace kolva
