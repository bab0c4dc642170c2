#pragma once

class QWidget;

namespace kolva::ui {

// From the first key that acts on a control of `window`, not only Tab, the
// focused control wears its focus ring, as once the keyboard has moved the
// focus. A click takes the ring away again, as Qt does for any window.
void showFocusOnFirstKey(QWidget& window);

}  // namespace kolva::ui
