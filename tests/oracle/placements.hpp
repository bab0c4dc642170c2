#pragma once

#include <span>
#include <string_view>

namespace kolva::oracle {

// Where every visible control of the window stands and how its text looks,
// written out apart from the window's own layout tables.

// A control, the container it lies in and its edges in twips (15 to a pixel
// at 96 dots per inch), relative to that container.
struct Placement {
    std::string_view control;
    std::string_view container;
    int left;
    int top;
    int width;
    int height;
};

std::span<const Placement> placements();

enum class Align { Left, Centre, Right };

// The font and alignment of a label's text or a check box's caption.
struct TextLook {
    std::string_view control;
    double points;
    bool bold;
    Align align;
};

std::span<const TextLook> textLooks();

}  // namespace kolva::oracle
