#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "machine.hpp"

namespace kolva {

// Why a line gives no part: one sentence without a full stop that names what
// was written and what would do, and its first clause, short enough for a
// one-line place.
struct PasteFault {
    std::string reason;
    std::string brief;
};
using MaybeFault = std::optional<PasteFault>;

// A fault whose reason is its brief.
PasteFault plainly(const std::string& reason);

// `lead` "written" `rest`, in brief without `rest` and with what was written
// cut short: "Kolva lists no optical drive "dvd-rw"".
PasteFault naming(const std::string& lead, std::string_view written, const std::string& rest);

// `text` cut after `characters` characters, never inside one, with "…".
std::string cut(std::string_view text, std::size_t characters);

// Reads the parts of a machine, one line at a time: each line is a part, or
// the reason why it is not.
class PartReader {
public:
    // Reads line `number`, "`name`: `value`", whose name is a part's or the
    // ticked boxes'.
    MaybeFault read(std::size_t number, std::string_view name, std::string_view value);

    const Machine& machine() const { return machine_; }

    // A device list needs its bus box ticked, or the window would not offer
    // it: the line of the devices and why, if they lack it.
    std::optional<std::pair<std::size_t, PasteFault>> deviceWithoutBus() const;

private:
    MaybeFault once(std::string_view name);
    MaybeFault readList(List list, std::string_view value);
    MaybeFault readGroup(List modelList, std::string_view value);
    MaybeFault readTicked(std::string_view value);

    Machine machine_;
    std::vector<std::string_view> seen_;
    std::array<std::size_t, kListCount> lineOf_{};
};

}  // namespace kolva
