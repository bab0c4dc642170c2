#pragma once

#include <array>

#include "controls.hpp"
#include "layout.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace kolva::ui {

class HelpLine;
class Picture;
class QuitButton;

// The window's controls, held by what each one is.
struct WindowControls {
    std::array<QComboBox*, kListCount> lists{};
    std::array<QCheckBox*, kBoxCount> boxes{};
    // The label beside a list, where it has one.
    std::array<QLabel*, kListCount> captions{};
    std::array<QLabel*, kFigureCount> figures{};
    HelpLine* helpLine = nullptr;
    QWidget* figuresFrame = nullptr;
    Picture* background = nullptr;
    QuitButton* quit = nullptr;

    QComboBox* list(List which) const { return lists[indexOf(which)]; }
    QCheckBox* box(Box which) const { return boxes[indexOf(which)]; }
    QLabel* figure(Figure which) const { return figures[static_cast<std::size_t>(which)]; }
};

// Makes every control of the layout tables on `window`, each in its frame,
// in its place and look, the lists filled with their entries and none chosen.
// Creation order is stacking order: the pictures and the window's labels lie
// beneath the component panel, a frame's labels beneath its lists and boxes.
WindowControls buildControls(QWidget& window);

}  // namespace kolva::ui
