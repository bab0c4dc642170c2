#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kolva {

// The window's drop-down lists, named as in the window. There is no Combo17.
enum class List : std::uint8_t {
    Combo1,   // processor model
    Combo2,   // number of processors
    Combo3,   // hard disks
    Combo4,   // memory sticks
    Combo5,   // memory type
    Combo6,   // graphics card model
    Combo7,   // number of graphics cards
    Combo8,   // optical bay 2
    Combo9,   // system fans
    Combo10,  // case lights
    Combo11,  // optical bay 1
    Combo12,  // TEC watts
    Combo13,  // card readers
    Combo14,  // floppy-class drives
    Combo15,  // USB devices
    Combo16,  // Firewire devices
    Combo18,  // further PCI cards
};
inline constexpr std::size_t kListCount = 17;

// The window's check boxes.
enum class Box : std::uint8_t {
    Check1,  // 56k modem
    Check2,  // network card
    Check3,  // sound card
    Check4,  // audio front panel
    Check5,  // SCSI card
    Check6,  // USB controller
    Check7,  // 12 V pump
    Check8,  // TV tuner
    Check9,  // Firewire controller
};
inline constexpr std::size_t kBoxCount = 9;

// Controls whose click only explains them on the help line.
enum class Explained : std::uint8_t {
    Label18,  // the caption "TEC (Watts):"
    Label4,   // the stock figure
    Text31,   // the mild figure
    Text32,   // the heavy figure
};
inline constexpr std::size_t kExplainedCount = 4;

constexpr std::size_t indexOf(List list) {
    return static_cast<std::size_t>(list);
}
constexpr std::size_t indexOf(Box box) {
    return static_cast<std::size_t>(box);
}
constexpr std::size_t indexOf(Explained control) {
    return static_cast<std::size_t>(control);
}

std::string_view controlName(List list);
std::string_view controlName(Box box);

}  // namespace kolva
