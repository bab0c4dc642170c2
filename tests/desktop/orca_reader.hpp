#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "process.hpp"

namespace kolva::desktop {

// Orca, the screen reader of GNOME and most Linux desktops, run on the test's
// desktop with its own settings folder. It speaks through a speech server
// that makes no sound; what it says is read from its debug log, where it
// writes every utterance. Orca will not start while another Orca of the same
// user runs, the user's own reader included.
class OrcaReader {
public:
    // Starts Orca and waits until it listens.
    OrcaReader();
    // Ends it: Orca ignores the polite request to stop.
    ~OrcaReader();
    OrcaReader(const OrcaReader&) = delete;
    OrcaReader& operator=(const OrcaReader&) = delete;

    // What Orca says from now on, one entry per utterance, once it has been
    // silent for `quiet`; nothing if it says nothing within a few seconds.
    std::vector<std::string> says(std::chrono::milliseconds quiet = std::chrono::milliseconds(800));

private:
    // The lines of the log written whole since the last read.
    std::vector<std::string> newLines();
    // The utterances logged since the last read.
    std::vector<std::string> newUtterances();

    std::filesystem::path log_;
    std::size_t readUpTo_ = 0;
    std::optional<std::string> pending_;  // an utterance whose end is still to come
    std::unique_ptr<Process> process_;
};

}  // namespace kolva::desktop
