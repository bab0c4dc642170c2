#pragma once

#include <gtest/gtest.h>

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

}  // namespace kolva::testing_support
