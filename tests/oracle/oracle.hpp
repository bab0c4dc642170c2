#pragma once

#include <array>
#include <string>
#include <string_view>

#include "controls.hpp"

namespace kolva::oracle {

// An independent account of what Kolva must show, kept apart from the model:
// it knows the watts of every entry by position, as whole half-watts, and
// derives the figures from the states of the controls alone with integer
// arithmetic. Tests drive it with the same user actions as the model or the
// window and compare.

struct Figures {
    std::string stock;
    std::string mild;
    std::string heavy;

    friend bool operator==(const Figures&, const Figures&) = default;
};

// The figures for a sum of the summed slots in half-watts and the two
// controller boxes.
Figures figuresFor(int halfWatts, bool usbController, bool firewireController);

// The number of entries of each list.
int entryCount(List list);

// What one control adds to the sum, in half-watts, given its chosen entry
// (lists) or state (boxes); groups are handled by the Oracle itself.
int halfWattsOfEntry(List list, int entry);
int halfWattsOfBox(Box box);

class Oracle {
public:
    // The state right after the window's load handler.
    Oracle();

    void pick(List list, int entry);
    void toggle(Box box, bool checked);
    void explain(Explained control);

    Figures figures() const;
    int halfWatts() const;
    const std::string& help() const { return help_; }
    int entry(List list) const { return entries_[indexOf(list)]; }
    bool enabled(List list) const { return enabled_[indexOf(list)]; }
    bool checked(Box box) const { return checked_[indexOf(box)]; }

private:
    std::array<int, kListCount> entries_{};
    std::array<bool, kListCount> enabled_{};
    std::array<bool, kBoxCount> checked_{};
    // The last processor model with watts: blank entries keep it.
    int processorHalfWatts_ = 0;
    std::string help_;
};

}  // namespace kolva::oracle
