#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kolva {

// The named slots of the load sheet. The summed slots come first, in the
// order in which the recalculation adds them; after them come the unit and
// count slots of the processor, graphics and memory groups, which only serve
// to form each group's total.
enum class Slot : std::size_t {
    MemoryTotal,
    ProcessorTotal,
    WaterPump,
    TecElement,
    GraphicsTotal,
    OpticalDrive2,
    OpticalDrive1,
    DialUpModem,
    NetworkCard,
    SoundCard,
    AudioFrontPanel,
    ScsiCard,
    TvTuner,
    OtherPciCards,
    SystemFans,
    CaseLights,
    CardReaders,
    FloppyDrives,
    HardDrives,
    UsbDevices,
    FirewireDevices,
    ProcessorWatts,  // one processor
    ProcessorCount,
    GraphicsCardWatts,  // one card
    GraphicsCardCount,
    MemoryStickWatts,  // one stick
    MemoryStickCount,
};

inline constexpr std::size_t kSlotCount = static_cast<std::size_t>(Slot::MemoryStickCount) + 1;
inline constexpr std::size_t kSummedSlotCount = static_cast<std::size_t>(Slot::FirewireDevices) + 1;

// Every slot holds decimal text and starts as "0". The sheet also keeps each
// slot's text read as a number, so that a recalculation need not read all the
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
