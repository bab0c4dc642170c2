#include "machine_reader.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <utility>

#include "machine_text.hpp"
#include "nearest_names.hpp"
#include "part_reader.hpp"
#include "pasted_lines.hpp"
#include "pasted_words.hpp"

namespace kolva {

namespace {

// Longer than any machine Kolva copies, with every line quoted and spaced.
constexpr std::size_t kLongestText = std::size_t{16} * 1024;
constexpr std::string_view kNotAMachine = "The clipboard does not hold a Kolva machine";
constexpr std::string_view kNoPartShape = R"(Kolva reads a part as "Name: value")";
constexpr std::string_view kSecondMachine = "a second machine starts here";
constexpr std::string_view kOneAtATime = "; Kolva pastes one at a time";
// At most this many characters of a line go into a refusal.
constexpr std::size_t kQuotedCharacters = 60;

bool isText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\n' && c != '\r' && c != '\t';
    });
}

// What a line of pasted text is to Kolva.
enum class Kind : std::uint8_t {
    Blank,
    Title,
    Part,         // "Name: value" of a part Kolva knows, or the ticked boxes
    Figure,       // "Stock Speeds: 300 Watts"
    MakeUp,       // the make-up's heading or one of its rows
    UnknownPart,  // "Name: value" of a part Kolva does not know
    Other,
};

struct Line {
    Kind kind = Kind::Other;
    std::string plain;
    std::string name;   // before the colon, where the line has one
    std::string value;  // after it
};

// Whether `name` may name a part: a few words that begin with a letter, not
// a clause of a sentence.
bool looksLikeAName(std::string_view name) {
    constexpr std::size_t kMostWords = 4;
    return !name.empty() && std::isalpha(static_cast<unsigned char>(name.front())) != 0 &&
           name.find_first_of(",;!?\"") == std::string_view::npos &&
           static_cast<std::size_t>(std::count(name.begin(), name.end(), ' ')) < kMostWords;
}

Kind kindOfNamed(std::string_view name, std::string_view value) {
    const std::string seen = lowerCase(name);
    if (seen == vocabulary().ticked || listNamed(name)) {
        return Kind::Part;
    }
    if (figureNamed(name) != nullptr) {
        return Kind::Figure;
    }
    if (seen == vocabulary().overhead) {
        return Kind::MakeUp;
    }
    // A web address is no part: "https://…".
    return looksLikeAName(name) && !value.empty() && !value.starts_with("//") ? Kind::UnknownPart
                                                                              : Kind::Other;
}

// A make-up row as Kolva 1.0 copied it, its columns apart: "CPU   2 × 89 W   178 W".
bool isMakeUpRow(const std::string& seen) {
    const std::vector<std::string>& names = vocabulary().makeUpNames;
    return endsInWatts(seen) && std::any_of(names.begin(), names.end(), [&](const auto& name) {
               return seen.starts_with(name + " ");
           });
}

Line lineOf(std::string plain) {
    const Vocabulary& words = vocabulary();
    Line line{Kind::Blank, std::move(plain), {}, {}};
    const std::string seen = lowerCase(line.plain);
    const auto colon = line.plain.find(':');
    if (seen.empty()) {
        return line;
    }
    if (seen.starts_with(words.title)) {
        line.kind = Kind::Title;
    } else if (seen == words.makeUpHeading || seen + ":" == words.makeUpHeading ||
               seen == words.nothingCounts) {
        line.kind = Kind::MakeUp;
    } else if (colon != std::string::npos) {
        line.name = trimmed(std::string_view(line.plain).substr(0, colon));
        line.value = trimmed(std::string_view(line.plain).substr(colon + 1));
        line.kind = kindOfNamed(line.name, line.value);
    } else {
        line.kind = isMakeUpRow(seen) ? Kind::MakeUp : Kind::Other;
    }
    return line;
}

PasteRefusal notAMachine() {
    return {0, {}, std::string(kNotAMachine), std::string(kNotAMachine)};
}

bool isKolvas(Kind kind) {
    return kind == Kind::Title || kind == Kind::Part || kind == Kind::Figure ||
           kind == Kind::MakeUp;
}

// The first number of a figure line's value: "300" of "300 Watts (…)".
std::string figureText(std::string_view value) {
    const std::size_t digits = std::min(value.find_first_not_of("0123456789"), value.size());
    return std::string(digits == 0 ? value : value.substr(0, digits));
}

// Reads the lines of a text that holds a machine, in order; the first line
// that cannot be read stops it.
class BlockReader {
public:
    explicit BlockReader(const std::vector<Line>& lines) : lines_(lines) {
        const auto kolvas = [](const Line& line) { return isKolvas(line.kind); };
        first_ = static_cast<std::size_t>(std::find_if(lines.begin(), lines.end(), kolvas) -
                                          lines.begin());
        last_ =
            lines.size() - static_cast<std::size_t>(
                               std::find_if(lines.rbegin(), lines.rend(), kolvas) - lines.rbegin());
    }

    std::variant<PastedMachine, PasteRefusal> read() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (MaybeFault fault = readLine(i + 1, lines_[i], i >= first_ && i < last_)) {
                return refusal(i + 1, std::move(*fault));
            }
        }
        if (auto fault = parts_.deviceWithoutBus()) {
            return refusal(fault->first, std::move(fault->second));
        }
        pasted_.machine = parts_.machine();
        return pasted_;
    }

private:
    MaybeFault readLine(std::size_t number, const Line& line, bool inBlock) {
        switch (line.kind) {
            case Kind::Title:
                if (std::exchange(titled_, true)) {
                    return PasteFault{std::string(kSecondMachine) + std::string(kOneAtATime),
                                      std::string(kSecondMachine)};
                }
                return std::nullopt;
            case Kind::Part:
                return parts_.read(number, line.name, line.value);
            case Kind::Figure:
                pasted_.stated.push_back({figureNamed(line.name), figureText(line.value)});
                return std::nullopt;
            case Kind::UnknownPart:
                return naming("Kolva knows no part", line.name,
                              "; it knows " + nearestNames(line.name, vocabulary().partNames));
            case Kind::Other:
                return inBlock ? MaybeFault(plainly(std::string(kNoPartShape))) : std::nullopt;
            case Kind::Blank:
            case Kind::MakeUp:
                return std::nullopt;
        }
        return std::nullopt;
    }

    PasteRefusal refusal(std::size_t number, PasteFault fault) const {
        return {number, cut(lines_[number - 1].plain, kQuotedCharacters), std::move(fault.reason),
                std::move(fault.brief)};
    }

    const std::vector<Line>& lines_;
    std::size_t first_ = 0;
    std::size_t last_ = 0;
    bool titled_ = false;
    PartReader parts_;
    PastedMachine pasted_;
};

}  // namespace

std::variant<PastedMachine, PasteRefusal> readMachine(std::string_view text) {
    if (text.size() > kLongestText || !isText(text)) {
        return notAMachine();
    }
    std::vector<Line> lines;
    for (std::string& plain : plainLinesOf(text)) {
        lines.push_back(lineOf(std::move(plain)));
    }
    // A text is a machine once it has Kolva's title or one part Kolva knows.
    if (std::none_of(lines.begin(), lines.end(), [](const Line& line) {
            return line.kind == Kind::Title || line.kind == Kind::Part;
        })) {
        return notAMachine();
    }
    return BlockReader(lines).read();
}

bool statesOtherFigures(const PastedMachine& pasted, const Estimate& worked) {
    return std::any_of(pasted.stated.begin(), pasted.stated.end(), [&](const StatedFigure& stated) {
        return worked.*stated.figure != stated.text;
    });
}

}  // namespace kolva
