#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "controls.hpp"
#include "estimate.hpp"
#include "estimate_makeup.hpp"
#include "load_sheet.hpp"
#include "machine.hpp"

namespace kolva {

// What a list shows: the chosen entry (-1 before the first choice) and
// whether the user may change it; and the entry that its slot counts, which
// differs from the chosen one where a blank entry kept the one before it.
struct ListState {
    int entry = -1;
    bool enabled = true;
    int counted = -1;

    friend bool operator==(const ListState&, const ListState&) = default;
};

// Everything the window shows and does, without the window: the load sheet,
// the state of every list and check box, the help line and the estimate.
// The window forwards each user action to one of the handlers below and then
// shows what the accessors report.
class PowerModel {
public:
    PowerModel();

    // The window's load handler: selects entry 0 of every list in the startup
    // order, each running its handler, then settles the help line.
    void load();

    // The user picks entry `entry` of `list`. Picks on a disabled list and
    // entries the list does not have are ignored: the window cannot make them.
    void pick(List list, int entry);

    // The user toggles a check box; `checked` is its new state.
    void toggle(Box box, bool checked);

    // The user clicks a figure or the TEC caption: only the help line changes.
    void explain(Explained control);

    // Returns to the state of a fresh start, as the load handler leaves it.
    void startAgain();

    // Starts again and sets every list and box to `machine`, through the
    // handlers a user would run, in the window's reading order: a list's
    // counted entry first, then the blank entry it shows, if it shows one.
    void apply(const Machine& machine);

    // Shows `notice` on the help line in place of a control's help: what one
    // of the window's own commands (copying, pasting, undoing) has done.
    void tell(std::string_view notice);

    // How the figures follow from the load sheet; built only when asked for,
    // so that a pick costs no more for it.
    EstimateMakeUp makeUp() const;

    const std::string& help() const { return help_; }
    const Estimate& estimate() const { return estimate_; }
    const LoadSheet& sheet() const { return sheet_; }
    const ListState& listState(List list) const { return lists_[indexOf(list)]; }
    bool isChecked(Box box) const { return checked_[indexOf(box)]; }
    // The machine the lists and boxes describe, which `apply` gives back.
    Machine machine() const;

private:
    void select(List list, int entry);
    void recalculate();
    Controllers controllers() const;

    LoadSheet sheet_;
    Estimate estimate_;
    std::string help_;
    std::array<ListState, kListCount> lists_{};
    std::array<bool, kBoxCount> checked_{};
};

}  // namespace kolva
