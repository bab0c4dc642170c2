#pragma once

#include <QRect>

#include <array>
#include <cstdint>
#include <string_view>
#include <variant>

#include "controls.hpp"
#include "estimate.hpp"
#include "estimate_makeup.hpp"
#include "joined.hpp"
#include "keyed_table.hpp"
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

// The window's frames, by what each holds, and the window itself: what the
// rows below lie in.
enum class Frame : std::uint8_t {
    Components,  // the panel that holds every other frame
    Processor,
    Memory,
    Graphics,
    ExoticCooling,
    OpticalDrive1,
    OpticalDrive2,
    UsbDevices,
    FirewireDevices,
    PciCards,
    Miscellaneous,
    Figures,  // the result frame
    Window,
};
inline constexpr std::size_t kFrameCount = static_cast<std::size_t>(Frame::Window);

// The three figures, in the order the result frame shows them.
enum class Figure : std::uint8_t { Stock, Mild, Heavy };
inline constexpr std::size_t kFigureCount = static_cast<std::size_t>(Figure::Heavy) + 1;

// A text the window shows in the model's words for a part: a frame's caption
// is the part's name ("Optical #1"), the caption beside a list its name and a
// colon ("Hard Drives:"), so that the window and the copied machine always
// name a part alike.
struct NameOf {
    List list;
};
using Caption = std::variant<std::string_view, NameOf>;

// A frame with an empty caption and `bordered` false is a bare panel.
struct FrameRow {
    Frame frame;
    std::string_view name;
    Frame parent;
    Caption caption;
    Twips at;
    bool bordered;
};

// What the window does with a label besides showing it: nothing, or it is
// the help line, the caption beside a list, or a figure.
struct HelpLineRole {
    friend bool operator==(HelpLineRole, HelpLineRole) = default;
};
using LabelRole = std::variant<std::monostate, HelpLineRole, List, Figure>;

struct LabelRow {
    std::string_view name;
    Frame parent;
    Caption text;
    Twips at;
    LabelStyle style;
    LabelRole role = std::monostate{};
};

struct ListRow {
    List list;
    std::string_view name;
    Frame parent;
    Twips at;
};

struct CheckRow {
    Box box;
    std::string_view name;
    Frame parent;
    Twips at;
};

// A vertical one-pixel line drawn on its frame's surface.
struct LineRow {
    Frame parent;
    int x;
    int top;
    int bottom;
};

struct PictureRow {
    std::string_view name;
    Twips at;
};

// Frames come parents first, in the order of the enumeration; within each
// table the order is the stacking order, back to front.
// One row a frame, as the design lists them.
// clang-format off
inline constexpr auto kFrames = std::to_array<FrameRow>({
    {Frame::Components,      "Frame16", Frame::Window,     "",                              {210, 1440, 5985, 6135}, false},
    {Frame::Processor,       "Frame5",  Frame::Components, NameOf{List::ProcessorModel},    {30, -30, 3525, 765},    true},
    {Frame::Memory,          "Frame7",  Frame::Components, NameOf{List::MemoryType},        {30, 780, 3525, 765},    true},
    {Frame::Graphics,        "Frame6",  Frame::Components, NameOf{List::GraphicsCardModel}, {30, 1590, 3525, 765},   true},
    {Frame::ExoticCooling,   "Frame1",  Frame::Components, "Exotic Cooling",                {30, 2400, 3525, 825},   true},
    {Frame::OpticalDrive1,   "Frame10", Frame::Components, NameOf{List::OpticalDrive1},     {30, 3270, 1725, 765},   true},
    {Frame::OpticalDrive2,   "Frame8",  Frame::Components, NameOf{List::OpticalDrive2},     {1830, 3270, 1725, 765}, true},
    {Frame::UsbDevices,      "Frame12", Frame::Components, NameOf{List::UsbDevices},        {30, 4110, 1725, 1095},  true},
    {Frame::FirewireDevices, "Frame13", Frame::Components, NameOf{List::FirewireDevices},   {1830, 4110, 1725, 1095}, true},
    {Frame::PciCards,        "Frame3",  Frame::Components, "PCI Cards",                     {3630, -30, 2265, 2595}, true},
    {Frame::Miscellaneous,   "Frame4",  Frame::Components, "Miscellaneous",                 {3630, 2610, 2265, 2595}, true},
    {Frame::Figures,         "Frame2",  Frame::Components, "",                              {30, 5220, 5865, 855},   true},
});
// clang-format on
static_assert(inKeyOrder(kFrames, &FrameRow::frame));

// The credits line follows the program's name and version; the note line
// names the overhead that every figure includes.
inline constexpr std::string_view kLicenceNote = "  \u00b7  free software under the MIT licence";
inline constexpr std::string_view kNoteStart = "Note: A ";
inline constexpr std::string_view kNoteEnd = " Watt overhead is applied to all calculations.";

// On the window, beneath the panel; back to front: the credits line, the help
// line, then the note line. The note line is 120 twips wider than the layout's
// 3945, so that the metric-compatible sans-serif shows its last character.
inline constexpr auto kWindowLabels = std::to_array<LabelRow>({
    {"Label1",
     Frame::Window,
     Joined<kStartupHelp, kLicenceNote>::text,
     {90, 7560, 6165, 375},
     LabelStyle::Credits},
    {"help",
     Frame::Window,
     kHelpAtCreation,
     {180, 7860, 4665, 285},
     LabelStyle::Help,
     HelpLineRole{}},
    {"Label824",
     Frame::Window,
     Joined<kNoteStart, kOverhead, kNoteEnd>::text,
     {210, 1200, 4065, 255},
     LabelStyle::Note},
});

// In the frames, beneath their controls.
// One row a label, as the design lists them.
// clang-format off
inline constexpr auto kFrameLabels = std::to_array<LabelRow>({
    {"Label13",   Frame::Processor,        "X",                         {2520, 360, 315, 195},   LabelStyle::Times},
    {"Label14",   Frame::Memory,           "X",                         {2520, 360, 315, 195},   LabelStyle::Times},
    {"Label15",   Frame::Graphics,         "X",                         {2520, 360, 315, 195},   LabelStyle::Times},
    {"Label18",   Frame::ExoticCooling,    NameOf{List::TecWatts},      {1590, 360, 1575, 255},  LabelStyle::Field, List::TecWatts},
    {"Label20",   Frame::UsbDevices,       "Devices:",                  {150, 690, 855, 225},    LabelStyle::Field, List::UsbDevices},
    {"Label21",   Frame::FirewireDevices,  "Devices:",                  {150, 690, 855, 225},    LabelStyle::OpaqueField,
     List::FirewireDevices},
    {"Label3",    Frame::PciCards,         "Additional:",               {210, 2220, 1005, 225},  LabelStyle::Field, List::OtherPciCards},
    {"Label2",    Frame::Miscellaneous,    NameOf{List::SystemFans},    {150, 390, 1275, 225},   LabelStyle::Field, List::SystemFans},
    {"Label11",   Frame::Miscellaneous,    NameOf{List::CaseLights},    {150, 840, 1275, 225},   LabelStyle::Field, List::CaseLights},
    {"Label12",   Frame::Miscellaneous,    NameOf{List::CardReaders},   {150, 1290, 1275, 225},  LabelStyle::Field, List::CardReaders},
    {"Label17",   Frame::Miscellaneous,    NameOf{List::FloppyDrives},  {150, 1740, 1785, 225},  LabelStyle::Field, List::FloppyDrives},
    {"Label10",   Frame::Miscellaneous,    NameOf{List::HardDrives},    {180, 2190, 1425, 225},  LabelStyle::Field, List::HardDrives},
    {"Label8889", Frame::Figures,          kStockHeading,               {90, 150, 1785, 255},    LabelStyle::Heading},
    {"Label9",    Frame::Figures,          kMildHeading,                {2040, 150, 1845, 255},  LabelStyle::Heading},
    {"Label5",    Frame::Figures,          kHeavyHeading,               {3990, 150, 1845, 255},  LabelStyle::Heading},
    {"Label4",    Frame::Figures,          "0",                         {150, 420, 885, 345},    LabelStyle::Stock, Figure::Stock},
    {"Label6",    Frame::Figures,          "Watts",                     {1020, 510, 705, 255},   LabelStyle::Unit},
    {"Label7",    Frame::Figures,          "Watts",                     {2910, 510, 705, 255},   LabelStyle::Unit},
    {"Label565",  Frame::Figures,          "Watts",                     {4830, 510, 705, 255},   LabelStyle::Unit},
    // The overclock figures sit above their unit labels, on an opaque ground.
    {"Text31",    Frame::Figures,          "0",                         {2100, 420, 855, 345},   LabelStyle::Mild,  Figure::Mild},
    {"Text32",    Frame::Figures,          "0",                         {3990, 420, 885, 345},   LabelStyle::Heavy, Figure::Heavy},
});
// clang-format on

inline constexpr std::array<ListRow, kListCount> kLists = {{
    {List::ProcessorModel, "Combo1", Frame::Processor, {120, 270, 2415, 315}},
    {List::ProcessorCount, "Combo2", Frame::Processor, {2820, 270, 585, 315}},
    {List::MemoryType, "Combo5", Frame::Memory, {120, 270, 2415, 315}},
    {List::MemoryStickCount, "Combo4", Frame::Memory, {2820, 270, 585, 315}},
    {List::GraphicsCardModel, "Combo6", Frame::Graphics, {120, 270, 2415, 315}},
    {List::GraphicsCardCount, "Combo7", Frame::Graphics, {2820, 270, 585, 315}},
    {List::TecWatts, "Combo12", Frame::ExoticCooling, {2760, 300, 645, 315}},
    {List::OpticalDrive1, "Combo11", Frame::OpticalDrive1, {120, 270, 1485, 315}},
    {List::OpticalDrive2, "Combo8", Frame::OpticalDrive2, {120, 270, 1485, 315}},
    {List::UsbDevices, "Combo15", Frame::UsbDevices, {1050, 630, 555, 315}},
    {List::FirewireDevices, "Combo16", Frame::FirewireDevices, {1050, 600, 555, 315}},
    {List::OtherPciCards, "Combo18", Frame::PciCards, {1380, 2130, 645, 315}},
    {List::SystemFans, "Combo9", Frame::Miscellaneous, {1380, 330, 645, 315}},
    {List::CaseLights, "Combo10", Frame::Miscellaneous, {1380, 780, 645, 315}},
    {List::CardReaders, "Combo13", Frame::Miscellaneous, {1380, 1230, 645, 315}},
    {List::FloppyDrives, "Combo14", Frame::Miscellaneous, {1380, 1680, 645, 315}},
    {List::HardDrives, "Combo3", Frame::Miscellaneous, {1380, 2130, 645, 315}},
}};

inline constexpr std::array<CheckRow, kBoxCount> kCheckBoxes = {{
    {Box::WaterPump, "Check7", Frame::ExoticCooling, {180, 300, 1185, 315}},
    {Box::UsbController, "Check6", Frame::UsbDevices, {120, 270, 1545, 315}},
    {Box::FirewireController, "Check9", Frame::FirewireDevices, {120, 270, 1515, 315}},
    {Box::DialUpModem, "Check1", Frame::PciCards, {240, 240, 1335, 315}},
    {Box::NetworkCard, "Check2", Frame::PciCards, {240, 540, 1875, 315}},
    {Box::SoundCard, "Check3", Frame::PciCards, {240, 840, 1335, 315}},
    {Box::AudioFrontPanel, "Check4", Frame::PciCards, {240, 1140, 1935, 315}},
    {Box::ScsiCard, "Check5", Frame::PciCards, {240, 1440, 1515, 315}},
    {Box::TvTuner, "Check8", Frame::PciCards, {240, 1740, 1125, 315}},
}};

inline constexpr auto kLines = std::to_array<LineRow>({
    {Frame::ExoticCooling, 1440, 120, 780},
    {Frame::Figures, 1950, 120, 840},
    {Frame::Figures, 3900, 120, 840},
});

// Where the make-up may show: over the component panel, down to just above
// the figures' frame.
inline constexpr Twips kMakeUpArea{210, 60, 5985, 6570};

inline constexpr PictureRow kBackgroundPicture{"Image2", {0, 0, 6375, 8250}};
inline constexpr PictureRow kQuitPicture{"Image1", {5010, 7860, 1230, 315}};

}  // namespace kolva::ui
