#include "machine_reader.hpp"

#include <algorithm>
#include <optional>
#include <vector>

#include "estimate_makeup.hpp"
#include "machine_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

// Longer than any machine Kolva copies, with every line quoted and spaced.
constexpr std::size_t kLongestText = std::size_t{16} * 1024;
constexpr std::size_t kQuotedLength = 40;
constexpr std::string_view kNotAMachine = "The clipboard does not hold a Kolva machine.";
constexpr std::string_view kTimes = " × ";

// Where a copied machine's parts end: the figures, or the make-up.
constexpr std::array<std::string_view, 4> kPartsEnd = {kStockHeading, kMildHeading, kHeavyHeading,
                                                       kMakeUpHeading};

// A line without its quote markers and the spaces around it.
std::string_view unquoted(std::string_view line) {
    line = trimmed(line);
    while (!line.empty() && line.front() == '>') {
        line = trimmed(line.substr(1));
    }
    return line;
}

bool isText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\n' && c != '\r' && c != '\t';
    });
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(unquoted(text.substr(0, end)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::string notUnderstood(std::string_view line) {
    const std::string quoted(line.substr(0, kQuotedLength));
    return "Kolva did not understand \"" + quoted + (line.size() > kQuotedLength ? "…" : "") +
           "\".";
}

// The entry of `list` that shows `text` and counts, if there is one.
std::optional<int> entryOf(List list, std::string_view text) {
    const std::vector<std::string>& entries = entriesOf(list);
    const ListRule& rule = ruleFor(list);
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (trimmed(entries[i]) != text || text.empty()) {
            continue;
        }
        if (const auto* lookup = std::get_if<LookupRule>(&rule.write)) {
            const auto watts = lookUp(lookup->table, entries[i]);
            if (!watts || *watts == "0") {
                return std::nullopt;
            }
        }
        return static_cast<int>(i);
    }
    return std::nullopt;
}

// The count list of the group whose model list is `modelList`.
List countListOf(List modelList) {
    const Group& group = *ruleFor(modelList).group;
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListRule& rule = ruleFor(static_cast<List>(i));
        if (rule.group && rule.group->total == group.total && rule.slot == group.count) {
            return rule.list;
        }
    }
    return modelList;
}

// Reads the parts of a machine into `machine`, one line at a time.
class PartReader {
public:
    explicit PartReader(Machine& machine) : machine_(machine) {}

    // False where the line is not a part as Kolva writes it.
    bool read(std::string_view line) {
        const auto colon = line.find(": ");
        if (colon == std::string_view::npos) {
            return false;
        }
        const std::string_view name = line.substr(0, colon);
        const std::string_view value = line.substr(colon + 2);
        if (std::find(seen_.begin(), seen_.end(), name) != seen_.end()) {
            return false;
        }
        seen_.push_back(name);
        if (name == kTickedName) {
            return readTicked(value);
        }
        for (const Control& control : readingOrder()) {
            const List* list = std::get_if<List>(&control);
            if (list != nullptr && ruleFor(*list).name == name) {
                return ruleFor(*list).group ? readGroup(*list, value) : readList(*list, value);
            }
        }
        return false;
    }

private:
    bool readList(List list, std::string_view value) {
        const auto entry = entryOf(list, value);
        machine_.choose(list, entry.value_or(0));
        return entry.has_value();
    }

    // "2 × Opteron", with a note where one of the two does not count yet.
    bool readGroup(List modelList, std::string_view value) {
        const List countList = countListOf(modelList);
        for (const std::string_view note : {kModelWaits, kNumberWaits}) {
            if (value.ends_with(note)) {
                value.remove_suffix(note.size());
            }
        }
        const auto times = value.find(kTimes);
        const std::string_view count = value.substr(0, times);
        if (count != "0" && !readList(countList, count)) {
            return false;
        }
        return times == std::string_view::npos ||
               readList(modelList, value.substr(times + kTimes.size()));
    }

    bool readTicked(std::string_view value) {
        while (!value.empty()) {
            const auto comma = value.find(", ");
            const std::string_view caption = value.substr(0, comma);
            value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 2);
            bool found = false;
            for (std::size_t i = 0; i < kBoxCount; ++i) {
                if (ruleFor(static_cast<Box>(i)).caption == caption && !machine_.ticked[i]) {
                    machine_.ticked[i] = found = true;
                }
            }
            if (!found) {
                return false;
            }
        }
        return true;
    }

    Machine& machine_;
    std::vector<std::string_view> seen_;
};

bool endsParts(std::string_view line) {
    return line.empty() || std::any_of(kPartsEnd.begin(), kPartsEnd.end(),
                                       [&](auto heading) { return line.starts_with(heading); });
}

// A device list needs its bus box ticked, or the window would not offer it.
std::optional<std::string> deviceWithoutBus(const Machine& machine) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const BoxRule& rule = ruleFor(static_cast<Box>(i));
        const auto* bus = std::get_if<BusBox>(&rule.kind);
        if (bus != nullptr && !machine.ticked[i] && machine.counted[indexOf(bus->devices)] != 0) {
            return std::string(ruleFor(bus->devices).name) + " need \"" +
                   std::string(rule.caption) + "\" ticked.";
        }
    }
    return std::nullopt;
}

}  // namespace

std::variant<Machine, std::string> readMachine(std::string_view text) {
    if (text.size() > kLongestText || !isText(text)) {
        return std::string(kNotAMachine);
    }
    const std::vector<std::string_view> lines = linesOf(text);
    auto line = std::find_if(lines.begin(), lines.end(), [](auto l) { return !l.empty(); });
    if (line == lines.end() || *line != kMachineTitle) {
        return std::string(kNotAMachine);
    }
    Machine machine;
    PartReader parts(machine);
    for (++line; line != lines.end() && !endsParts(*line); ++line) {
        if (!parts.read(*line)) {
            return notUnderstood(*line);
        }
    }
    if (const auto fault = deviceWithoutBus(machine)) {
        return *fault;
    }
    return machine;
}

}  // namespace kolva
