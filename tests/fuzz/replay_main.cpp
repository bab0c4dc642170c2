// Replays every input of the fuzz corpus against the model and the oracle, so
// that the corpus is checked by every build, not only by the fuzzing one.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "model_against_oracle.hpp"

int main(int argc, char* argv[]) {
    int passed = 0;
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                                  std::istreambuf_iterator<char>());
            if (const auto what = kolva::fuzz::disagreement(bytes)) {
                std::printf("%s: model and oracle disagree on %s\n", entry.path().c_str(),
                            what->c_str());
                ++failed;
            } else {
                ++passed;
            }
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return passed > 0 && failed == 0 ? 0 : 1;
}
