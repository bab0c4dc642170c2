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
// the clipboard that reads well wherever it is posted, in lines that need no
// columns: each chosen part once, in the window's reading order, under the
// window's name for it and with its watts ("CPU: 2 × Opteron (2 × 85 W =
// 170 W)"), the ticked boxes by their captions, the overhead, and the figures
// with their headings and how each is rounded.
std::string machineText(const PowerModel& model);

// `text` without the spaces, tabs and carriage returns around it, as a list's
// entry is written in a copied machine and read back.
std::string_view trimmed(std::string_view text);

}  // namespace kolva
