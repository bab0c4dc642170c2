#pragma once

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

std::span<const TableRow> processorTable();  // Combo1, watts of one processor
std::span<const TableRow> graphicsTable();   // Combo6, watts of one card
std::span<const TableRow> memoryTable();     // Combo5, watts of one stick
std::span<const TableRow> opticalTable();    // Combo11 and Combo8, watts of the drive

// The watts of the first row whose text is exactly `text`, if it has any.
std::optional<std::string_view> lookUp(std::span<const TableRow> table, std::string_view text);

}  // namespace kolva
