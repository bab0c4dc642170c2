#pragma once

#include <string>

#include "power_model.hpp"

namespace kolva {

// The machine that the window describes and its estimate, as plain text for
// the clipboard: each chosen part in the window's reading order under the
// window's name for it ("CPU: 2 × Opteron"), the ticked boxes by their
// captions, the figures with their headings, and how the estimate is made.
std::string machineText(const PowerModel& model);

}  // namespace kolva
