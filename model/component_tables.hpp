#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kolva {

// One entry of a component list: its exact text and the watts it writes to
// its slot. An entry without watts leaves the slot as it was.
struct TableRow {
    std::string_view text;
    std::optional<std::string_view> watts;
};

inline constexpr std::optional<std::string_view> kNoRow = std::nullopt;

// The processor models, with the watts of one processor. The blank entries separate the makers;
// choosing one keeps the processor chosen before it.
inline constexpr auto kProcessorTable = std::to_array<TableRow>({
    {"Select From Below", "0"},
    {"", kNoRow},
    {"====== Intel ======", "0"},
    {"", kNoRow},
    {"Pentium", "17"},
    {"Pentium II", "35"},
    {"Pentium III Slot 1", "26"},
    {"Pentium III Tualatin", "32"},
    {"Pentium III PGA ", "27"},
    {"Celeron PGA370", "35"},
    {"Celeron PGA478", "62"},
    {"Celeron J LGA775", "78"},
    {"Pentium 4 [PGA423", "65"},
    {"Pentium 4 Willamette", "100"},
    {"Pentium 4 Northwood", "64"},
    {"Pentium 4 Prescott", "89"},
    {"Pentium 4 3.06Ghz HT", "105"},
    {"Pentium 4 Extreme Ed.", "103"},
    {"Pentium 4 520-540 Series", "78"},
    {"Pentium 4 550-570 Series", "92"},
    {"Pentium 4 600 Series and up", "110"},
    {"", kNoRow},
    {"====== AMD ======", "0"},
    {"", kNoRow},
    {"K6", "15"},
    {"K6-2", "18"},
    {"K6-III", "18"},
    {"Athlon SlotA 500-750Mhz", "35"},
    {"Athlon SlotA 800-850Mhz", "45"},
    {"Athlon SlotA 900--950Mhz", "55"},
    {"Athlon SlotA 1.0Ghz", "60"},
    {"Athlon T-Bird 650-1000Mhz", "49"},
    {"Athlon T-Bird 1.1Ghz", "56"},
    {"Athlon T-Bird 1.2Ghz", "59"},
    {"Athlon T-Bird 1.3Ghz", "63"},
    {"Athlon T-Bird 1.4Ghz", "65"},
    {"Athlon XP Palomino", "69"},
    {"Athlon XP Tbred 1600-1900", "53"},
    {"Athlon XP Tbred 2000-2100", "62"},
    {"Athlon XP Tbred 2200-2700", "68"},
    {"Athlon XP Tbred 2800", "74"},
    {"Athlon XP Barton 2500", "68"},
    {"Athlon XP Barton 3000", "74"},
    {"Athlon XP Barton 3200", "77"},
    {"Athlon MP Palomino", "66"},
    {"Athlon MP Tbred or Barton", "60"},
    {"Athlon 64", "89"},
    {"Athlon 64 FX53", "89"},
    {"Athlon 64 FX55", "104"},
    {"Athlon 64 FX57", "104"},
    {"Athlon 64 FX60", "110"},
    {"Athlon 64 X2 Toledo", "110"},
    {"Athlon 64 X2 Manchester", "110"},
    {"Duron Spitfire", "42"},
    {"Duron Morgan", "60"},
    {"Duron Applebred", "57"},
    {"Opteron", "85"},
});

// The graphics card models, with the watts of one card. Here the blank separators do have a row:
// choosing one counts no card.
inline constexpr auto kGraphicsTable = std::to_array<TableRow>({
    {"Select From Below", "0"},     {"", "0"},
    {"32Mb or Less", "20"},         {"Radeon 7000 Series", "30"},
    {"Radeon 8000 Series", "30"},   {"Radeon 9500 - 9600", "40"},
    {"Radeon 9700 - 9800", "54"},   {"Radeon 9800XT", "68"},
    {"Radeon X300", "40"},          {"Radeon X700", "60"},
    {"Radeon X700 Pro", "72"},      {"Radeon X800", "56"},
    {"Radeon X800 Pro", "56"},      {"Radeon X800XT", "66"},
    {"Radeon X1300 Series", "75"},  {"Radeon X1800 Series", "95"},
    {"Radeon X1900 Series", "115"}, {"", "0"},
    {"GeForce 3 Ti", "30"},         {"GeForce 4 MX", "30"},
    {"GeForce 4 Ti", "35"},         {"GeForce FX 5200-5700", "41"},
    {"GeForce FX 5800", "50"},      {"GeForce 5900", "55"},
    {"GeForce 5900 Ultra", "62"},   {"GeForce 5950", "60"},
    {"GeForce 5950 Ultra", "79"},   {"GeForce 6200", "65"},
    {"GeForce 6600", "67"},         {"GeForce 6600 GT", "70"},
    {"GeForce 6800", "49"},         {"GeForce 6800 GT", "65"},
    {"GeForce 6800 Ultra", "77"},   {"GeForce 7800", "68"},
    {"GeForce 7800 GT", "75"},      {"GeForce 7800 GTX", "80"},
});

// The memory types, with the watts of one stick.
inline constexpr auto kMemoryTable = std::to_array<TableRow>({
    {"Select From Below", "0"},
    {"PC66/100 SDRAM", "7"},
    {"PC133/166 SDRAM", "12"},
    {"DDR SDRAM", "10"},
    {"DDR2 SDRAM", "7.5"},
    {"RAMBUS RDRAM", "10"},
});

// The optical drives of both bays, with the watts of the drive.
inline constexpr auto kOpticalTable = std::to_array<TableRow>({
    {"Select From Below", "0"},
    {"CD-ROM", "20"},
    {"DVD-ROM", "25"},
    {"CDRW", "20"},
    {"DVD / CDRW", "30"},
    {"DVDRW", "25"},
});

// The watts of the first row whose text is exactly `text`, if it has any.
std::optional<std::string_view> lookUp(std::span<const TableRow> table, std::string_view text);

}  // namespace kolva
