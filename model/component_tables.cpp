#include "component_tables.hpp"

#include <algorithm>

namespace kolva {

std::optional<std::string_view> lookUp(std::span<const TableRow> table, std::string_view text) {
    const auto row = std::find_if(table.begin(), table.end(),
                                  [text](const TableRow& r) { return r.text == text; });
    return row == table.end() ? std::nullopt : row->watts;
}

}  // namespace kolva
