// Replays every input of a fuzz corpus, so that it is checked by every build,
// not only by the fuzzing one:  fuzz_replay model|paste FOLDER...

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <string_view>

#include "model_against_oracle.hpp"
#include "paste_round_trip.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return 2;
    }
    const auto fault =
        std::string_view(argv[1]) == "paste" ? kolva::fuzz::pasteFault : kolva::fuzz::disagreement;
    int passed = 0;
    int failed = 0;
    for (int i = 2; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                                  std::istreambuf_iterator<char>());
            if (const auto what = fault(bytes)) {
                std::printf("%s: %s\n", entry.path().c_str(), what->c_str());
                ++failed;
            } else {
                ++passed;
            }
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return passed > 0 && failed == 0 ? 0 : 1;
}
