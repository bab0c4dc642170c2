#include "pasted_lines.hpp"

#include <algorithm>
#include <array>

namespace kolva {

namespace {

constexpr std::string_view kNoBreakSpace = "\u00a0";

// The tags that forums and mail wrap around quoted or preformatted text, in
// square brackets ("[code]", "[quote=Ann]", "[/quote]") or angle brackets
// ("<pre>", "</blockquote>").
constexpr auto kWrapperTags =
    std::to_array<std::string_view>({"code", "quote", "pre", "blockquote"});

// Markdown's fences of preformatted text: "```" or "~~~", with an optional
// language word after the opening one.
constexpr std::string_view kFenceMarks = "`~";
constexpr std::size_t kFenceLength = 3;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string withSpacesCollapsed(std::string_view text) {
    std::string result;
    bool space = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i).starts_with(kNoBreakSpace)) {
            i += kNoBreakSpace.size() - 1;
            space = true;
        } else if (isSpace(text[i])) {
            space = true;
        } else {
            if (space && !result.empty()) {
                result += ' ';
            }
            space = false;
            result += text[i];
        }
    }
    return result;
}

std::string_view withoutSpaceAtStart(std::string_view text) {
    return text.starts_with(' ') ? text.substr(1) : text;
}

std::string_view withoutSpaceAtEnd(std::string_view text) {
    return text.ends_with(' ') ? text.substr(0, text.size() - 1) : text;
}

// The length of the wrapper tag that `text` starts with; 0 if none.
std::size_t tagLength(std::string_view text) {
    if (text.empty() || (text.front() != '[' && text.front() != '<')) {
        return 0;
    }
    const char close = text.front() == '[' ? ']' : '>';
    std::size_t at = text.starts_with("[/") || text.starts_with("</") ? 2 : 1;
    const std::size_t nameEnd =
        std::min(text.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ", at),
                 text.size());
    const std::string name = lowerCase(text.substr(at, nameEnd - at));
    if (std::find(kWrapperTags.begin(), kWrapperTags.end(), name) == kWrapperTags.end() ||
        nameEnd == text.size()) {
        return 0;
    }
    // "[quote=Ann]" and "<pre class=…>" carry more before their end.
    const char after = text[nameEnd];
    if (after != close && after != '=' && after != ' ') {
        return 0;
    }
    at = text.find(close, nameEnd);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t fenceLength(std::string_view text) {
    if (text.empty() || kFenceMarks.find(text.front()) == std::string_view::npos) {
        return 0;
    }
    const std::size_t run = std::min(text.find_first_not_of(text.front()), text.size());
    return run >= kFenceLength ? run : 0;
}

// `line` without one quote marker, wrapper tag or fence at its start.
std::string_view withoutOpening(std::string_view line) {
    if (line.starts_with('>')) {
        return withoutSpaceAtStart(line.substr(1));
    }
    if (const std::size_t tag = tagLength(line)) {
        return withoutSpaceAtStart(line.substr(tag));
    }
    if (const std::size_t fence = fenceLength(line)) {
        const std::string_view rest = withoutSpaceAtStart(line.substr(fence));
        // A word right after the fence names the language of what follows.
        return rest.find(' ') == std::string_view::npos ? std::string_view() : rest;
    }
    return line;
}

// `line` without one wrapper tag or fence at its end.
std::string_view withoutClosing(std::string_view line) {
    if (line.ends_with(']') || line.ends_with('>')) {
        const std::size_t open = line.find_last_of(line.back() == ']' ? '[' : '<');
        if (open != std::string_view::npos && tagLength(line.substr(open)) == line.size() - open) {
            return withoutSpaceAtEnd(line.substr(0, open));
        }
    }
    if (!line.empty() && kFenceMarks.find(line.back()) != std::string_view::npos) {
        const std::size_t start = line.find_last_not_of(line.back()) + 1;
        if (line.size() - start >= kFenceLength) {
            return withoutSpaceAtEnd(line.substr(0, start));
        }
    }
    return line;
}

}  // namespace

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

std::string plainLine(std::string_view line) {
    const std::string spaced = withSpacesCollapsed(line);
    std::string_view plain = spaced;
    for (std::string_view before; before != plain;) {
        before = plain;
        plain = withoutClosing(withoutOpening(plain));
    }
    return std::string(plain);
}

std::vector<std::string> plainLinesOf(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(plainLine(text.substr(0, end)));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

}  // namespace kolva
