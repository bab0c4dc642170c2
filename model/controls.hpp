#pragma once

#include <cstddef>
#include <cstdint>

namespace kolva {

// The window's drop-down lists, by what each one chooses.
enum class List : std::uint8_t {
    ProcessorModel,
    ProcessorCount,
    HardDrives,
    MemoryStickCount,
    MemoryType,
    GraphicsCardModel,
    GraphicsCardCount,
    OpticalDrive2,
    SystemFans,
    CaseLights,
    OpticalDrive1,
    TecWatts,
    CardReaders,
    FloppyDrives,
    UsbDevices,
    FirewireDevices,
    OtherPciCards,
};
inline constexpr std::size_t kListCount = static_cast<std::size_t>(List::OtherPciCards) + 1;

// The window's check boxes, by the part each one adds.
enum class Box : std::uint8_t {
    DialUpModem,
    NetworkCard,
    SoundCard,
    AudioFrontPanel,
    ScsiCard,
    UsbController,
    WaterPump,
    TvTuner,
    FirewireController,
};
inline constexpr std::size_t kBoxCount = static_cast<std::size_t>(Box::FirewireController) + 1;

// Controls whose click only explains them on the help line.
enum class Explained : std::uint8_t {
    TecCaption,  // "TEC (Watts):" beside the TEC list
    StockFigure,
    MildFigure,
    HeavyFigure,
};
inline constexpr std::size_t kExplainedCount = static_cast<std::size_t>(Explained::HeavyFigure) + 1;

constexpr std::size_t indexOf(List list) {
    return static_cast<std::size_t>(list);
}
constexpr std::size_t indexOf(Box box) {
    return static_cast<std::size_t>(box);
}
constexpr std::size_t indexOf(Explained control) {
    return static_cast<std::size_t>(control);
}

}  // namespace kolva
