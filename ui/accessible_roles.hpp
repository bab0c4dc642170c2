#pragma once

namespace kolva::ui {

// Tells screen readers what the window and its help line are: a window (a
// frame, to AT-SPI) rather than a plain panel, and the window's status line,
// which readers read on request (Orca: Insert+KP_Enter twice). Qt gives a
// plain widget and a label neither role. Safe to call more than once.
void installAccessibleRoles();

}  // namespace kolva::ui
