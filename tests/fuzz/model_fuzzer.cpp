// The libFuzzer target: any disagreement between the model and the oracle
// stops the fuzzer with the input that caused it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model_against_oracle.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto what = kolva::fuzz::disagreement({data, size})) {
        std::fprintf(stderr, "model and oracle disagree on %s\n", what->c_str());
        std::abort();
    }
    return 0;
}
