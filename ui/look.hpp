#pragma once

#include <QFont>
#include <QPalette>

#include "colours.hpp"
#include "layout.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;

namespace kolva::ui {

// The fonts: "MS Sans Serif" and "Arial" where installed, else a
// metric-compatible sans-serif. Sizes are in pixels so that the fixed layout
// holds at every logical DPI.
QFont defaultFont();
QFont boldFont();
QFont resultFont();
QFont figureFont();
// Slightly condensed, so "Select From Below" fits the narrow optical lists.
QFont listFont();

// Sets the style that every Kolva window assumes.
void prepareApplication();

QPalette windowPalette();
// `palette` with the lists' colours: lavender text on navy, dimmed where
// disabled.
QPalette navyPalette(QPalette palette);
void styleLabel(QLabel& label, LabelStyle style);
void styleList(QComboBox& list);
void styleCheckBox(QCheckBox& box);
// Navy, with the lists' lavender text, the chosen command in reverse.
void styleMenu(QMenu& menu);

}  // namespace kolva::ui
