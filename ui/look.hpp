#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "layout.hpp"

class QCheckBox;
class QComboBox;
class QLabel;

namespace kolva::ui {

// The window's colours.
namespace colour {
inline constexpr QColor kBlack{0x00, 0x00, 0x00};
inline constexpr QColor kWhite{0xFF, 0xFF, 0xFF};
inline constexpr QColor kLavender{0xC0, 0xC0, 0xFF};  // control texts
inline constexpr QColor kNavy{0x00, 0x00, 0x40};      // list and help backgrounds
inline constexpr QColor kCredits{0xE0, 0xE0, 0xE0};
inline constexpr QColor kStock{0xC0, 0xFF, 0xC0};
inline constexpr QColor kMild{0xFF, 0xFF, 0xC0};
inline constexpr QColor kHeavy{0xFF, 0xE0, 0xC0};
inline constexpr QColor kFocus{0xFF, 0xE0, 0x40};  // the keyboard focus ring
}  // namespace colour

// The fonts: "MS Sans Serif" and "Arial" where installed, else a
// metric-compatible sans-serif. Sizes are in pixels so that the fixed layout
// holds at every logical DPI.
QFont defaultFont();
QFont boldFont();
QFont resultFont();
QFont figureFont();
// Slightly condensed, so "Select From Below" fits the narrow optical lists.
QFont listFont();

// Sets the style and window font that every Kolva window assumes.
void prepareApplication();

QPalette windowPalette();
void styleLabel(QLabel& label, LabelStyle style);
void styleList(QComboBox& list);
void styleCheckBox(QCheckBox& box);

}  // namespace kolva::ui
