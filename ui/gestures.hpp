#pragma once

#include <functional>

class QWidget;

namespace kolva::ui {

// Runs `action` when the left mouse button is pressed and released on
// `widget`.
void onClick(QWidget& widget, std::function<void()> action);

// Pressing any mouse button on `handle` moves its window with the pointer until
// that button is released: through the window system's own move for the left
// button (and for any button where a program cannot place its window), else
// by following the pointer. On Wayland desktops whose compositor ends such a
// move only for the left button (GNOME), only the left button drags.
void makeDragHandle(QWidget& handle);

}  // namespace kolva::ui
