#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kolva {

// The 27 named slots of the load sheet. The first 21 are the summed slots, in
// the order in which the recalculation adds them; the last six are the unit
// and count slots of the processor, graphics and memory groups, which only
// serve to form each group's total.
enum class Slot : std::size_t {
    Text19,    // memory total
    Text18,    // processor total
    Text29,    // 12 V pump
    Text30,    // TEC element
    Text20,    // graphics total
    Text21,    // optical bay 2
    Text22,    // optical bay 1
    Text8,     // 56k modem
    Text12,    // network card
    Text11,    // sound card
    Text9,     // audio front panel
    Text10,    // SCSI card
    Text27,    // TV tuner
    Text1,     // further PCI cards
    Text23,    // system fans
    Text24,    // case lights
    Text26,    // card readers
    Text25,    // floppy-class drives
    Text28,    // hard disks
    usb,       // USB devices
    firewire,  // Firewire devices
    CPU,       // watts of one processor
    Text2,     // number of processors
    Text5,     // watts of one graphics card
    Text15,    // number of graphics cards
    Text4,     // watts of one memory stick
    Text14,    // number of memory sticks
};

inline constexpr std::size_t kSlotCount = 27;
inline constexpr std::size_t kSummedSlotCount = 21;

// Every slot holds decimal text and starts as "0". The sheet also keeps each
// slot's text read as a number, so that a recalculation need not read all 21
// summed slots again after every write of one.
class LoadSheet {
public:
    LoadSheet();

    const std::string& get(Slot slot) const { return texts_[static_cast<std::size_t>(slot)]; }
    double number(Slot slot) const { return numbers_[static_cast<std::size_t>(slot)]; }
    void set(Slot slot, std::string_view text);

private:
    std::array<std::string, kSlotCount> texts_;
    std::array<double, kSlotCount> numbers_{};
};

}  // namespace kolva
