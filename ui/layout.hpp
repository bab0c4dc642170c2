#pragma once

#include <QRect>

#include <algorithm>
#include <array>
#include <string_view>

#include "controls.hpp"
#include "estimate_makeup.hpp"
#include "selection_rules.hpp"

namespace kolva::ui {

// Window geometry as designed: in twips, 15 to a pixel at 96 dots per inch,
// relative to the control's container.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect toPixels(Twips twips) {
    return {toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
            toPixels(twips.height)};
}

inline constexpr Twips kClientArea{0, 0, 6375, 8265};
inline constexpr std::string_view kWindowName = "Form1";
// The help line's name: the window finds it by it, and screen readers are
// told it is the window's status bar.
inline constexpr std::string_view kHelpLineName = "help";

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
struct FrameRow {
    std::string_view name;
    std::string_view parent;
    std::string_view caption;
    Twips at;
    bool bordered;
};

struct LabelRow {
    std::string_view name;
    std::string_view parent;
    std::string_view text;
    Twips at;
    LabelStyle style;
};

// A list and the label that captions it, if any.
struct ListRow {
    List list;
    std::string_view name;
    std::string_view parent;
    Twips at;
    std::string_view caption;
};

struct CheckRow {
    Box box;
    std::string_view name;
    std::string_view parent;
    Twips at;
};

// A vertical one-pixel line drawn on its frame's surface.
struct LineRow {
    std::string_view parent;
    int x;
    int top;
    int bottom;
};

struct PictureRow {
    std::string_view name;
    Twips at;
};

// Frames come parents first; within each table the order is the stacking
// order, back to front.
inline constexpr auto kFrames = std::to_array<FrameRow>({
    {"Frame16", kWindowName, "", {210, 1440, 5985, 6135}, false},
    {"Frame5", "Frame16", "CPU", {30, -30, 3525, 765}, true},
    {"Frame7", "Frame16", "RAM", {30, 780, 3525, 765}, true},
    {"Frame6", "Frame16", "VGA", {30, 1590, 3525, 765}, true},
    {"Frame1", "Frame16", "Exotic Cooling", {30, 2400, 3525, 825}, true},
    {"Frame10", "Frame16", "Optical #1", {30, 3270, 1725, 765}, true},
    {"Frame8", "Frame16", "Optical #2", {1830, 3270, 1725, 765}, true},
    {"Frame12", "Frame16", "USB Devices", {30, 4110, 1725, 1095}, true},
    {"Frame13", "Frame16", "Firewire Devices", {1830, 4110, 1725, 1095}, true},
    {"Frame3", "Frame16", "PCI Cards", {3630, -30, 2265, 2595}, true},
    {"Frame4", "Frame16", "Miscellaneous", {3630, 2610, 2265, 2595}, true},
    {"Frame2", "Frame16", "", {30, 5220, 5865, 855}, true},
});

// Two texts joined at compile time, for a row that begins with a text that
// another part of Kolva shows on its own.
template <const std::string_view& First, const std::string_view& Second>
struct Joined {
    static constexpr auto chars = [] {
        std::array<char, First.size() + Second.size()> all{};
        std::copy(First.begin(), First.end(), all.begin());
        std::copy(Second.begin(), Second.end(), all.begin() + First.size());
        return all;
    }();
    static constexpr std::string_view text{chars.data(), chars.size()};
};

// The credits line follows the program's name and version.
inline constexpr std::string_view kLicenceNote = "  \u00b7  free software under the MIT licence";
// The TEC list's caption, which explains itself when clicked.
inline constexpr std::string_view kTecCaptionName = "Label18";

// On the window, beneath the panel; back to front: the credits line, the help
// line, then the note line. The note line is 120 twips wider than the layout's
// 3945, so that the metric-compatible sans-serif shows its last character.
inline constexpr auto kWindowLabels = std::to_array<LabelRow>({
    {"Label1",
     kWindowName,
     Joined<kStartupHelp, kLicenceNote>::text,
     {90, 7560, 6165, 375},
     LabelStyle::Credits},
    {kHelpLineName, kWindowName, kHelpAtCreation, {180, 7860, 4665, 285}, LabelStyle::Help},
    {"Label824",
     kWindowName,
     "Note: A 35 Watt overhead is applied to all calculations.",
     {210, 1200, 4065, 255},
     LabelStyle::Note},
});

// In the frames, beneath their controls.
inline constexpr auto kFrameLabels = std::to_array<LabelRow>({
    {"Label13", "Frame5", "X", {2520, 360, 315, 195}, LabelStyle::Times},
    {"Label14", "Frame7", "X", {2520, 360, 315, 195}, LabelStyle::Times},
    {"Label15", "Frame6", "X", {2520, 360, 315, 195}, LabelStyle::Times},
    {"Label18", "Frame1", "TEC (Watts):", {1590, 360, 1575, 255}, LabelStyle::Field},
    {"Label20", "Frame12", "Devices:", {150, 690, 855, 225}, LabelStyle::Field},
    {"Label21", "Frame13", "Devices:", {150, 690, 855, 225}, LabelStyle::OpaqueField},
    {"Label3", "Frame3", "Additional:", {210, 2220, 1005, 225}, LabelStyle::Field},
    {"Label2", "Frame4", "System Fans:", {150, 390, 1275, 225}, LabelStyle::Field},
    {"Label11", "Frame4", "Case Lights:", {150, 840, 1275, 225}, LabelStyle::Field},
    {"Label12", "Frame4", "Card Reader:", {150, 1290, 1275, 225}, LabelStyle::Field},
    {"Label17", "Frame4", "Floppy / ZIP:", {150, 1740, 1785, 225}, LabelStyle::Field},
    {"Label10", "Frame4", "Hard Drives:", {180, 2190, 1425, 225}, LabelStyle::Field},
    {"Label8889", "Frame2", kStockHeading, {90, 150, 1785, 255}, LabelStyle::Heading},
    {"Label9", "Frame2", kMildHeading, {2040, 150, 1845, 255}, LabelStyle::Heading},
    {"Label5", "Frame2", kHeavyHeading, {3990, 150, 1845, 255}, LabelStyle::Heading},
    {"Label4", "Frame2", "0", {150, 420, 885, 345}, LabelStyle::Stock},
    {"Label6", "Frame2", "Watts", {1020, 510, 705, 255}, LabelStyle::Unit},
    {"Label7", "Frame2", "Watts", {2910, 510, 705, 255}, LabelStyle::Unit},
    {"Label565", "Frame2", "Watts", {4830, 510, 705, 255}, LabelStyle::Unit},
    // The overclock figures sit above their unit labels, on an opaque ground.
    {"Text31", "Frame2", "0", {2100, 420, 855, 345}, LabelStyle::Mild},
    {"Text32", "Frame2", "0", {3990, 420, 885, 345}, LabelStyle::Heavy},
});

inline constexpr std::array<ListRow, kListCount> kLists = {{
    {List::ProcessorModel, "Combo1", "Frame5", {120, 270, 2415, 315}, ""},
    {List::ProcessorCount, "Combo2", "Frame5", {2820, 270, 585, 315}, ""},
    {List::MemoryType, "Combo5", "Frame7", {120, 270, 2415, 315}, ""},
    {List::MemoryStickCount, "Combo4", "Frame7", {2820, 270, 585, 315}, ""},
    {List::GraphicsCardModel, "Combo6", "Frame6", {120, 270, 2415, 315}, ""},
    {List::GraphicsCardCount, "Combo7", "Frame6", {2820, 270, 585, 315}, ""},
    {List::TecWatts, "Combo12", "Frame1", {2760, 300, 645, 315}, "Label18"},
    {List::OpticalDrive1, "Combo11", "Frame10", {120, 270, 1485, 315}, ""},
    {List::OpticalDrive2, "Combo8", "Frame8", {120, 270, 1485, 315}, ""},
    {List::UsbDevices, "Combo15", "Frame12", {1050, 630, 555, 315}, "Label20"},
    {List::FirewireDevices, "Combo16", "Frame13", {1050, 600, 555, 315}, "Label21"},
    {List::OtherPciCards, "Combo18", "Frame3", {1380, 2130, 645, 315}, "Label3"},
    {List::SystemFans, "Combo9", "Frame4", {1380, 330, 645, 315}, "Label2"},
    {List::CaseLights, "Combo10", "Frame4", {1380, 780, 645, 315}, "Label11"},
    {List::CardReaders, "Combo13", "Frame4", {1380, 1230, 645, 315}, "Label12"},
    {List::FloppyDrives, "Combo14", "Frame4", {1380, 1680, 645, 315}, "Label17"},
    {List::HardDrives, "Combo3", "Frame4", {1380, 2130, 645, 315}, "Label10"},
}};

inline constexpr std::array<CheckRow, kBoxCount> kCheckBoxes = {{
    {Box::WaterPump, "Check7", "Frame1", {180, 300, 1185, 315}},
    {Box::UsbController, "Check6", "Frame12", {120, 270, 1545, 315}},
    {Box::FirewireController, "Check9", "Frame13", {120, 270, 1515, 315}},
    {Box::DialUpModem, "Check1", "Frame3", {240, 240, 1335, 315}},
    {Box::NetworkCard, "Check2", "Frame3", {240, 540, 1875, 315}},
    {Box::SoundCard, "Check3", "Frame3", {240, 840, 1335, 315}},
    {Box::AudioFrontPanel, "Check4", "Frame3", {240, 1140, 1935, 315}},
    {Box::ScsiCard, "Check5", "Frame3", {240, 1440, 1515, 315}},
    {Box::TvTuner, "Check8", "Frame3", {240, 1740, 1125, 315}},
}};

inline constexpr auto kLines = std::to_array<LineRow>({
    {"Frame1", 1440, 120, 780},
    {"Frame2", 1950, 120, 840},
    {"Frame2", 3900, 120, 840},
});

// Where the make-up may show: over the component panel, down to just above
// the figures' frame.
inline constexpr Twips kMakeUpArea{210, 60, 5985, 6570};

inline constexpr PictureRow kBackgroundPicture{"Image2", {0, 0, 6375, 8250}};
inline constexpr PictureRow kQuitPicture{"Image1", {5010, 7860, 1230, 315}};

}  // namespace kolva::ui
