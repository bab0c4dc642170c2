#include "part_reader.hpp"

#include <algorithm>

#include "keyed_table.hpp"
#include "machine_text.hpp"
#include "nearest_names.hpp"
#include "number_text.hpp"
#include "pasted_lines.hpp"
#include "pasted_words.hpp"
#include "selection_rules.hpp"

namespace kolva {

namespace {

constexpr std::string_view kTimes = "×";
// At most this many characters of what was written go into a brief reason.
constexpr std::size_t kBriefCharacters = 12;

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

std::string choiceOf(List list) {
    return std::string(kChoices[indexOf(list)].text);
}

// What a count list offers, in words: "0 to 12 hard drives", "0 to 990
// TEC watts in steps of 10", "0, 1, 2, 4 or 8 processors".
std::string offered(List list) {
    const std::vector<std::string>& entries = entriesOf(list);
    const std::string units = choiceOf(list);
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

// `value` without `suffix` at its end, letter case aside.
std::string_view withoutEnd(std::string_view value, std::string_view suffix) {
    if (value.size() >= suffix.size() &&
        lowerCase(value.substr(value.size() - suffix.size())) == suffix) {
        value.remove_suffix(suffix.size());
    }
    return trimmed(value);
}

}  // namespace

PasteFault plainly(const std::string& reason) {
    return {reason, reason};
}

PasteFault naming(const std::string& lead, std::string_view written, const std::string& rest) {
    return {lead + " \"" + std::string(written) + "\"" + rest,
            lead + " \"" + cut(written, kBriefCharacters) + "\""};
}

std::string cut(std::string_view text, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (starts && seen++ == characters) {
            return std::string(text.substr(0, at)) + "…";
        }
    }
    return std::string(text);
}

MaybeFault PartReader::read(std::size_t number, std::string_view name, std::string_view value) {
    const std::optional<List> list = listNamed(name);
    if (MaybeFault twice = once(list ? ruleFor(*list).name : kTickedName)) {
        return twice;
    }
    if (!list) {
        return readTicked(value);
    }
    lineOf_[indexOf(*list)] = number;
    value = withoutWatts(value);
    return ruleFor(*list).group ? readGroup(*list, value) : readList(*list, value);
}

std::optional<std::pair<std::size_t, PasteFault>> PartReader::deviceWithoutBus() const {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const BoxRule& rule = ruleFor(static_cast<Box>(i));
        const auto* bus = std::get_if<BusBox>(&rule.kind);
        if (bus != nullptr && !machine_.ticked[i] && machine_.counted[indexOf(bus->devices)] != 0) {
            return std::pair(lineOf_[indexOf(bus->devices)],
                             plainly(std::string(ruleFor(bus->devices).name) + " need \"" +
                                     std::string(rule.caption) + "\" ticked"));
        }
    }
    return std::nullopt;
}

// Nothing the first time a part is named; why not, after that.
MaybeFault PartReader::once(std::string_view name) {
    if (std::find(seen_.begin(), seen_.end(), name) != seen_.end()) {
        return plainly("\"" + std::string(name) + "\" is named twice");
    }
    seen_.push_back(name);
    return std::nullopt;
}

// The entry of `list` that shows `value` and counts, or why there is none.
MaybeFault PartReader::readList(List list, std::string_view value) {
    const std::vector<std::string>& entries = vocabulary().entries[indexOf(list)];
    const ListRule& rule = ruleFor(list);
    const auto* lookup = std::get_if<LookupRule>(&rule.write);
    const std::string seen = lowerCase(value);
    // A model list's first entry asks for a choice; a count's is "0".
    const auto first = entries.begin() + (lookup != nullptr ? 1 : 0);
    const auto entry = std::find(first, entries.end(), seen);
    const auto nearest = [&] { return nearestNames(value, vocabulary().choosable[indexOf(list)]); };
    if (entry == entries.end() || seen.empty()) {
        if (lookup == nullptr) {
            return PasteFault{
                "Kolva counts " + offered(list) + ", not \"" + std::string(value) + "\"",
                "Kolva counts " + offered(list)};
        }
        if (seen.empty()) {
            return PasteFault{"it names no " + choiceOf(list) + "; Kolva lists " + nearest(),
                              "it names no " + choiceOf(list)};
        }
        return naming("Kolva lists no " + choiceOf(list), value, "; it lists " + nearest());
    }
    const auto index = static_cast<std::size_t>(entry - entries.begin());
    if (lookup != nullptr) {
        const auto watts = lookup->table[index].watts;
        if (!watts || *watts == "0") {
            return naming(
                "Kolva lists", value,
                " as a maker's heading, not a " + choiceOf(list) + "; it lists " + nearest());
        }
    }
    machine_.choose(list, static_cast<int>(index));
    return std::nullopt;
}

// "2 × Opteron", with "x" or "*" for "×" and a note where one of the two
// does not count yet; or the number alone.
MaybeFault PartReader::readGroup(List modelList, std::string_view value) {
    const List countList = countListOf(modelList);
    for (const std::string& waits : vocabulary().waiting) {
        value = withoutEnd(value, waits);
    }
    const std::size_t digits = std::min(value.find_first_not_of("0123456789"), value.size());
    if (digits == 0) {
        const std::string missing = "the number of " + choiceOf(countList) + " is missing";
        return PasteFault{
            missing + " before \"" + std::string(value) + "\"; Kolva counts " + offered(countList),
            missing};
    }
    if (MaybeFault fault = readList(countList, value.substr(0, digits))) {
        return fault;
    }
    const std::string_view model = trimmed(value.substr(digits));
    if (model.empty()) {
        return std::nullopt;
    }
    for (const std::string_view sign :
         {kTimes, std::string_view("x"), std::string_view("X"), std::string_view("*")}) {
        if (model.starts_with(sign)) {
            return readList(modelList, trimmed(model.substr(sign.size())));
        }
    }
    const std::string example = std::string(value.substr(0, digits)) + " × " + std::string(model);
    return PasteFault{"put \"×\" between the number and the " + choiceOf(modelList) + ", as in \"" +
                          example + "\"",
                      "put \"×\" between the number and the " + choiceOf(modelList)};
}

MaybeFault PartReader::readTicked(std::string_view value) {
    const std::vector<std::string_view>& captions = vocabulary().captions;
    while (!value.empty()) {
        const auto comma = value.find(',');
        const std::string_view caption = withoutWatts(trimmed(value.substr(0, comma)));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
        const auto box = std::find_if(captions.begin(), captions.end(), [&](auto known) {
            return lowerCase(known) == lowerCase(caption);
        });
        if (box == captions.end()) {
            return naming("Kolva knows no box", caption,
                          "; it knows " + nearestNames(caption, captions));
        }
        const auto index = static_cast<std::size_t>(box - captions.begin());
        if (std::exchange(machine_.ticked[index], true)) {
            return plainly("\"" + std::string(*box) + "\" is ticked twice");
        }
    }
    return std::nullopt;
}

}  // namespace kolva
