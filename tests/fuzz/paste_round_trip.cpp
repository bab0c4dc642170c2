#include "paste_round_trip.hpp"

#include <string_view>
#include <variant>

#include "machine_reader.hpp"
#include "machine_text.hpp"
#include "power_model.hpp"

namespace kolva::fuzz {

std::optional<std::string> pasteFault(std::span<const std::uint8_t> text) {
    const auto read = readMachine({reinterpret_cast<const char*>(text.data()), text.size()});
    if (const auto* refusal = std::get_if<PasteRefusal>(&read)) {
        if (refusal->reason.empty()) {
            return "a refusal without a reason";
        }
        return std::nullopt;
    }
    PowerModel model;
    model.apply(std::get<PastedMachine>(read).machine);
    const std::string copied = machineText(model);
    const auto again = readMachine(copied);
    if (!std::holds_alternative<PastedMachine>(again)) {
        return "its own copy refused: " + std::get<PasteRefusal>(again).reason;
    }
    PowerModel pasted;
    pasted.apply(std::get<PastedMachine>(again).machine);
    if (machineText(pasted) != copied) {
        return "a copy that pastes as another machine:\n" + copied;
    }
    if (statesOtherFigures(std::get<PastedMachine>(again), pasted.estimate())) {
        return "a copy whose own figures are not its machine's:\n" + copied;
    }
    return std::nullopt;
}

}  // namespace kolva::fuzz
