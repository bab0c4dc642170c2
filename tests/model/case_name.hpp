#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kolva::testing_support {

// Names each case of a table-driven test after its row, so a failure report
// says which row failed.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& row) const {
        return row.param.name;
    }
};

// Prints a row as its name in test listings, instead of its raw bytes.
template <typename Case>
requires requires(const Case& row) {
    row.name;
}
void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}

}  // namespace kolva::testing_support
