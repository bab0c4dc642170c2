#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <type_traits>

namespace kolva::testing_support {

// Names each case of a table-driven test after its row, so a failure report
// says which row failed.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

// A row of a table-driven test, which has a name.
template <typename Case>
concept NamedRow = std::is_member_object_pointer_v<decltype(&Case::name)>;

// Prints a row as its name in test listings, instead of its raw bytes.
void PrintTo(const NamedRow auto& row, std::ostream* out) {
    *out << row.name;
}

}  // namespace kolva::testing_support
