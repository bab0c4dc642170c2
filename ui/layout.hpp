#pragma once

#include <QRect>

#include <span>
#include <string_view>
#include <variant>

#include "controls.hpp"

namespace kolva::ui {

// Window geometry as designed: in twips, 15 to a pixel at 96 dots per inch,
// relative to the control's container.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

QRect toPixels(Twips twips);
int toPixels(int twips);

inline constexpr Twips kClientArea{0, 0, 6375, 8265};
inline constexpr std::string_view kWindowName = "Form1";

// How a label looks; each style fixes font, colour, alignment and background.
enum class LabelStyle {
    Field,        // caption beside a list
    OpaqueField,  // the same on an opaque black background
    Times,        // the "X" between a model and its count
    Heading,      // result column heading
    Unit,         // "Watts" beside a figure
    Note,         // the overhead note
    Credits,      // the credits line
    Help,         // the help line
    Stock,        // the stock figure
    Mild,         // the mild overclock figure
    Heavy,        // the heavy overclock figure
};

// A frame; `parent` names the window or another frame. A frame with an
// empty caption and `bordered` false is a bare panel.
struct FrameSpec {
    std::string_view name;
    std::string_view parent;
    std::string_view caption;
    Twips at;
    bool bordered;
};

struct LabelSpec {
    std::string_view name;
    std::string_view parent;
    std::string_view text;
    Twips at;
    LabelStyle style;
};

struct ListSpec {
    List list;
    std::string_view parent;
    Twips at;
    std::string_view accessibleName;
};

struct CheckSpec {
    Box box;
    std::string_view parent;
    std::string_view caption;
    Twips at;
};

// A vertical one-pixel line drawn on its frame's surface.
struct LineSpec {
    std::string_view parent;
    int x;
    int top;
    int bottom;
};

struct PictureSpec {
    std::string_view name;
    Twips at;
};

// Frames come parents first; within each table the order is the stacking
// order, back to front.
std::span<const FrameSpec> frames();
std::span<const LabelSpec> windowLabels();  // on the window, beneath the panel
std::span<const LabelSpec> frameLabels();   // in the frames, beneath their controls
std::span<const ListSpec> lists();
std::span<const CheckSpec> checkBoxes();
std::span<const LineSpec> lines();

inline constexpr PictureSpec kBackgroundPicture{"Image2", {0, 0, 6375, 8250}};
inline constexpr PictureSpec kQuitPicture{"Image1", {5010, 7860, 1230, 315}};

// Keyboard focus runs through these controls in this order.
using FocusStop = std::variant<List, Box>;
std::span<const FocusStop> focusOrder();

}  // namespace kolva::ui
