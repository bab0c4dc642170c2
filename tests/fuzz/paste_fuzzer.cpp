// The libFuzzer target of pasting: any text that pastes as a machine which
// does not copy and paste back as itself stops the fuzzer with that text.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "paste_round_trip.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto what = kolva::fuzz::pasteFault({data, size})) {
        std::fprintf(stderr, "pasted: %s\n", what->c_str());
        std::abort();
    }
    return 0;
}
