#include "machine_reader.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "estimate_makeup.hpp"
#include "keyed_table.hpp"
#include "machine_text.hpp"
#include "number_text.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

// Longer than any machine Kolva copies, with every line quoted and spaced.
constexpr std::size_t kLongestText = std::size_t{16} * 1024;
constexpr std::string_view kNotAMachine = "The clipboard does not hold a Kolva machine";
constexpr std::string_view kTimes = "×";
constexpr std::string_view kNoBreakSpace = "\u00a0";

// Where a copied machine's parts end: the figures, or the make-up.
constexpr std::array<std::string_view, 4> kPartsEnd = {kStockHeading, kMildHeading, kHeavyHeading,
                                                       kMakeUpHeading};

// What each list chooses, in the words of a reason: a model list's kind of
// part, a count list's units.
constexpr std::array<KeyedText<List>, kListCount> kChoices = {{
    {List::ProcessorModel, "processor"},
    {List::ProcessorCount, "processors"},
    {List::HardDrives, "hard drives"},
    {List::MemoryStickCount, "sticks"},
    {List::MemoryType, "memory type"},
    {List::GraphicsCardModel, "graphics card"},
    {List::GraphicsCardCount, "graphics cards"},
    {List::OpticalDrive2, "optical drive"},
    {List::SystemFans, "fans"},
    {List::CaseLights, "lights"},
    {List::OpticalDrive1, "optical drive"},
    {List::TecWatts, "TEC watts"},
    {List::CardReaders, "card readers"},
    {List::FloppyDrives, "drives"},
    {List::UsbDevices, "devices"},
    {List::FirewireDevices, "devices"},
    {List::OtherPciCards, "cards"},
}};
static_assert(inKeyOrder(kChoices, &KeyedText<List>::key));

std::string_view choiceOf(List list) {
    return kChoices[indexOf(list)].text;
}

// Text as it is compared: ASCII letters in lower case, every run of spaces,
// tabs and no-break spaces one space, none at either end.
std::string canonical(std::string_view text) {
    std::string result;
    bool space = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with(kNoBreakSpace)) {
            i += kNoBreakSpace.size() - 1;
            space = true;
        } else if (text[i] == ' ' || text[i] == '\t' || text[i] == '\r') {
            space = true;
        } else {
            if (space && !result.empty()) {
                result += ' ';
            }
            space = false;
            const char c = text[i];
            result += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return result;
}

// The words Kolva reads, as they are compared, worked out once: each list's
// entries and the window's name for it, each box's caption, the title, the
// name of the ticked boxes' line, the headings that end the parts, and the
// notes of a group that waits, in brackets.
struct Vocabulary {
    std::array<std::vector<std::string>, kListCount> entries;
    std::array<std::string, kListCount> names;
    std::array<std::string, kBoxCount> captions;
    std::string title = canonical(kMachineTitle);
    std::string ticked = canonical(kTickedName);
    std::array<std::string, kPartsEnd.size()> partsEnd;
    std::array<std::string, 2> waiting = {"(" + canonical(kModelWaits) + ")",
                                          "(" + canonical(kNumberWaits) + ")"};
};

const Vocabulary& vocabulary() {
    static const Vocabulary words = [] {
        Vocabulary all;
        std::transform(kPartsEnd.begin(), kPartsEnd.end(), all.partsEnd.begin(), canonical);
        for (std::size_t i = 0; i < kListCount; ++i) {
            for (const std::string& entry : entriesOf(static_cast<List>(i))) {
                all.entries[i].push_back(canonical(entry));
            }
            all.names[i] = canonical(ruleFor(static_cast<List>(i)).name);
        }
        for (std::size_t i = 0; i < kBoxCount; ++i) {
            all.captions[i] = canonical(ruleFor(static_cast<Box>(i)).caption);
        }
        return all;
    }();
    return words;
}

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

bool endsParts(std::string_view line) {
    const std::string seen = canonical(line);
    const auto& headings = vocabulary().partsEnd;
    return seen.empty() || std::any_of(headings.begin(), headings.end(), [&](const auto& heading) {
               return seen.starts_with(heading);
           });
}

// What a count list offers, in words: "0 to 12 hard drives", "0 to 990
// TEC watts in steps of 10", "0, 1, 2, 4 or 8 processors".
std::string offered(List list) {
    const std::vector<std::string>& entries = entriesOf(list);
    const std::string units(choiceOf(list));
    const double step = toNumber(entries[1]) - toNumber(entries[0]);
    bool even = true;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        even = even && toNumber(entries[i]) - toNumber(entries[i - 1]) == step;
    }
    if (even) {
        return entries.front() + " to " + entries.back() + " " + units +
               (step == 1 ? "" : " in steps of " + toText(step));
    }
    std::string all = entries.front();
    for (std::size_t i = 1; i + 1 < entries.size(); ++i) {
        all += ", " + entries[i];
    }
    return all + " or " + entries.back() + " " + units;
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

// `value` without `suffix` at its end, if it ends so.
std::string_view withoutEnd(std::string_view value, std::string_view suffix) {
    if (!suffix.empty() && value.ends_with(suffix)) {
        value.remove_suffix(suffix.size());
    }
    return trimmed(value);
}

// Reads the parts of a machine, one line at a time; each line is a part, or
// the reason why it is not.
class PartReader {
public:
    using Fault = std::optional<std::string>;

    // Whether `line` names a part Kolva knows before its colon.
    static bool namesAPart(std::string_view line) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            return false;
        }
        const std::string name = canonical(line.substr(0, colon));
        return name == vocabulary().ticked || listNamed(name).has_value();
    }

    Fault read(std::size_t number, std::string_view line) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) {
            return R"(Kolva reads a part as "Name: value")";
        }
        const std::string name = canonical(line.substr(0, colon));
        const std::string value = canonical(line.substr(colon + 1));
        const std::optional<List> list = listNamed(name);
        if (name != vocabulary().ticked && !list) {
            return "Kolva knows no part of that name";
        }
        if (Fault twice = once(name, list ? ruleFor(*list).name : kTickedName)) {
            return twice;
        }
        if (!list) {
            return readTicked(value);
        }
        lineOf_[indexOf(*list)] = number;
        return ruleFor(*list).group ? readGroup(*list, value) : readList(*list, value);
    }

    const Machine& machine() const { return machine_; }

    // A device list needs its bus box ticked, or the window would not offer
    // it: the line of the devices and why, if they lack it.
    std::optional<PasteRefusal> deviceWithoutBus() const {
        for (std::size_t i = 0; i < kBoxCount; ++i) {
            const BoxRule& rule = ruleFor(static_cast<Box>(i));
            const auto* bus = std::get_if<BusBox>(&rule.kind);
            if (bus != nullptr && !machine_.ticked[i] &&
                machine_.counted[indexOf(bus->devices)] != 0) {
                return PasteRefusal{lineOf_[indexOf(bus->devices)],
                                    {},
                                    std::string(ruleFor(bus->devices).name) + " need \"" +
                                        std::string(rule.caption) + "\" ticked"};
            }
        }
        return std::nullopt;
    }

private:
    static std::optional<List> listNamed(const std::string& name) {
        for (std::size_t i = 0; i < kListCount; ++i) {
            const ListRule& rule = ruleFor(static_cast<List>(i));
            // A counted group is named once, at its model list.
            const bool counts = rule.group && rule.slot == rule.group->count;
            if (!counts && vocabulary().names[i] == name) {
                return rule.list;
            }
        }
        return std::nullopt;
    }

    // Nothing the first time a part is named; why not, after that.
    Fault once(const std::string& name, std::string_view shown) {
        if (std::find(seen_.begin(), seen_.end(), name) != seen_.end()) {
            return "\"" + std::string(shown) + "\" is named twice";
        }
        seen_.push_back(name);
        return std::nullopt;
    }

    // The entry of `list` that shows `value` and counts, or why there is none.
    Fault readList(List list, std::string_view value) {
        const std::vector<std::string>& entries = entriesOf(list);
        const ListRule& rule = ruleFor(list);
        const auto* lookup = std::get_if<LookupRule>(&rule.write);
        // A model list's first entry asks for a choice; a count's is "0".
        for (std::size_t i = lookup != nullptr ? 1 : 0; i < entries.size() && !value.empty(); ++i) {
            if (vocabulary().entries[indexOf(list)][i] != value) {
                continue;
            }
            if (lookup != nullptr) {
                const auto watts = lookUp(lookup->table, entries[i]);
                if (!watts || *watts == "0") {
                    return "a maker's heading is not a " + std::string(choiceOf(list));
                }
            }
            machine_.choose(list, static_cast<int>(i));
            return std::nullopt;
        }
        if (lookup == nullptr) {
            return "Kolva counts " + offered(list);
        }
        return value.empty() ? "it names no " + std::string(choiceOf(list))
                             : "Kolva lists no such " + std::string(choiceOf(list));
    }

    // "2 × Opteron", with "x" or "*" for "×" and a note where one of the two
    // does not count yet; or the number alone.
    Fault readGroup(List modelList, std::string_view value) {
        const List countList = countListOf(modelList);
        for (const std::string& waits : vocabulary().waiting) {
            value = withoutEnd(value, waits);
        }
        const std::size_t digits = std::min(value.find_first_not_of("0123456789"), value.size());
        if (digits == 0) {
            return "the number of " + std::string(choiceOf(countList)) + " is missing";
        }
        if (Fault fault = readList(countList, value.substr(0, digits))) {
            return fault;
        }
        std::string_view model = trimmed(value.substr(digits));
        if (model.empty()) {
            return std::nullopt;
        }
        for (const std::string_view sign : {kTimes, std::string_view("x"), std::string_view("*")}) {
            if (model.starts_with(sign)) {
                return readList(modelList, trimmed(model.substr(sign.size())));
            }
        }
        return "put \"×\" between the number and the " + std::string(choiceOf(modelList));
    }

    Fault readTicked(std::string_view value) {
        while (!value.empty()) {
            const auto comma = value.find(',');
            const std::string_view caption = trimmed(value.substr(0, comma));
            value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
            const auto& captions = vocabulary().captions;
            const auto box = std::find(captions.begin(), captions.end(), caption);
            if (box == captions.end()) {
                return "Kolva knows no box of that name";
            }
            const auto index = static_cast<std::size_t>(box - captions.begin());
            if (std::exchange(machine_.ticked[index], true)) {
                return "\"" + std::string(ruleFor(static_cast<Box>(index)).caption) +
                       "\" is ticked twice";
            }
        }
        return std::nullopt;
    }

    Machine machine_;
    std::vector<std::string> seen_;
    std::array<std::size_t, kListCount> lineOf_{};
};

// At most this many characters of a line go into a refusal.
constexpr std::size_t kQuotedCharacters = 60;

// `line` cut after kQuotedCharacters characters, never inside one.
std::string quoted(std::string_view line) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(line[at]) & 0xC0) != 0x80;
        if (starts && characters++ == kQuotedCharacters) {
            return std::string(line.substr(0, at)) + "…";
        }
    }
    return std::string(line);
}

PasteRefusal notAMachine() {
    return {0, {}, std::string(kNotAMachine)};
}

}  // namespace

std::variant<Machine, PasteRefusal> readMachine(std::string_view text) {
    if (text.size() > kLongestText || !isText(text)) {
        return notAMachine();
    }
    const std::vector<std::string_view> lines = linesOf(text);
    auto line = std::find_if(lines.begin(), lines.end(), [](auto l) { return !l.empty(); });
    if (line == lines.end()) {
        return notAMachine();
    }
    // Without its title, a text is a machine if its first line is a part.
    if (canonical(*line) == vocabulary().title) {
        ++line;
    } else if (endsParts(*line) || !PartReader::namesAPart(*line)) {
        return notAMachine();
    }
    PartReader parts;
    for (; line != lines.end() && !endsParts(*line); ++line) {
        const auto number = static_cast<std::size_t>(line - lines.begin()) + 1;
        if (auto fault = parts.read(number, *line)) {
            return PasteRefusal{number, quoted(*line), std::move(*fault)};
        }
    }
    if (auto fault = parts.deviceWithoutBus()) {
        fault->text = quoted(lines[fault->line - 1]);
        return *fault;
    }
    return parts.machine();
}

}  // namespace kolva
