#include "orca_reader.hpp"

#include <csignal>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <thread>

#include "kolva_on_desktop.hpp"

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

// How long Orca may take to begin speaking after a key.
constexpr auto kFirstWordWithin = 3s;

// Orca's settings folder: a copy of the test's settings, for Orca writes its
// own files there.
std::filesystem::path settingsFolder() {
    std::filesystem::path folder = world().desktop.home() / "orca-settings";
    std::filesystem::create_directories(folder);
    for (const char* file : {"orca-customizations.py", "silent_speech.py"}) {
        std::filesystem::copy_file(std::filesystem::path(KOLVA_ORCA_SETTINGS) / file, folder / file,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    return folder;
}

std::unique_ptr<Process> startOrca(const std::filesystem::path& log) {
    const std::filesystem::path home = world().desktop.home();
    return std::make_unique<Process>(Process::Options{
        {KOLVA_ORCA_PROGRAM, "-u", settingsFolder().string(), "--debug-file=" + log.string()},
        {"GSETTINGS_BACKEND=memory", "XDG_DATA_HOME=" + (home / "data").string()},
        home / "orca.out",
        std::nullopt});
}

}  // namespace

OrcaReader::OrcaReader() : log_(world().desktop.home() / "orca.log"), process_(startOrca(log_)) {
    // Orca greets the user before it has asked to be told of every kind of
    // event; what happens in between it never hears. It is ready once it
    // enters its event loop, which its log says (Orca 43 and 48 in their words).
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < deadline) {
        for (const std::string& line : newLines()) {
            if (line.ends_with("ORCA: Starting registry") ||
                line.ends_with("ORCA: Starting Atspi main event loop")) {
                return;
            }
        }
        std::this_thread::sleep_for(50ms);
    }
    // Orca says on its output why it would not start, such as another Orca
    // of the same user running.
    std::ifstream output(world().desktop.home() / "orca.out");
    const std::string why((std::istreambuf_iterator<char>(output)), {});
    throw std::runtime_error("Orca did not start: " + why + "; see " + log_.string());
}

OrcaReader::~OrcaReader() {
    kill(process_->pid(), SIGKILL);
}

std::vector<std::string> OrcaReader::says(std::chrono::milliseconds quiet) {
    // A busy machine may keep Orca from its first word for a while; once it
    // speaks, a pause of `quiet` ends what it says.
    std::vector<std::string> said;
    const auto start = std::chrono::steady_clock::now();
    auto lastWord = start;
    while (said.empty() ? std::chrono::steady_clock::now() - start < kFirstWordWithin
                        : std::chrono::steady_clock::now() - lastWord < quiet) {
        std::this_thread::sleep_for(50ms);
        const std::vector<std::string> more = newUtterances();
        if (!more.empty()) {
            said.insert(said.end(), more.begin(), more.end());
            lastWord = std::chrono::steady_clock::now();
        }
    }
    return said;
}

std::vector<std::string> OrcaReader::newLines() {
    std::ifstream in(log_);
    in.seekg(static_cast<std::streamoff>(readUpTo_));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line) && !in.eof()) {
        readUpTo_ += line.size() + 1;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> OrcaReader::newUtterances() {
    // "SPEECH OUTPUT: 'Kolva frame.'{'established': False}": the voice
    // settings follow the closing quote in one of a few forms. A message of
    // several lines goes on in lines of its own, indented.
    static const std::regex opening(R"(SPEECH OUTPUT: '(.*)$)");
    static const std::regex closing(R"(^([\s\S]*?)' ?(\[?\{.*)?$)");
    std::vector<std::string> found;
    for (const std::string& line : newLines()) {
        std::smatch match;
        std::string text;
        if (pending_) {
            text =
                *pending_ + "\n" + line.substr(std::min(line.find_first_not_of(' '), line.size()));
        } else if (std::regex_search(line, match, opening)) {
            text = match[1];
        } else {
            continue;
        }
        if (std::regex_match(text, match, closing)) {
            found.push_back(match[1]);
            pending_.reset();
        } else {
            pending_ = text;
        }
    }
    return found;
}

}  // namespace kolva::desktop
