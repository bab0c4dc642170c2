#pragma once

#include <QColor>

// The window's colours.
namespace kolva::ui::colour {

inline constexpr QColor kBlack{0x00, 0x00, 0x00};
inline constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
inline constexpr QColor kLavender{0xC0, 0xC0, 0xFF};  // control texts
inline constexpr QColor kNavy{0x00, 0x00, 0x40};      // list and help backgrounds
inline constexpr QColor kCredits{0xE0, 0xE0, 0xE0};
inline constexpr QColor kStock{0xC0, 0xFF, 0xC0};
inline constexpr QColor kMild{0xFF, 0xFF, 0xC0};
inline constexpr QColor kHeavy{0xFF, 0xE0, 0xC0};
inline constexpr QColor kFocus{0xFF, 0xE0, 0x40};  // the keyboard focus ring

}  // namespace kolva::ui::colour
