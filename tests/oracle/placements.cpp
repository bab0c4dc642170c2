#include "placements.hpp"

#include <array>

namespace kolva::oracle {

namespace {

constexpr auto kPlacements = std::to_array<Placement>({
    {"Image2", "Form1", 0, 0, 6375, 8250},
    // 120 twips wider than designed, so the whole line shows in the
    // metric-compatible sans-serif.
    {"Label824", "Form1", 210, 1200, 4065, 255},
    {"Frame16", "Form1", 210, 1440, 5985, 6135},
    {"Label1", "Form1", 90, 7560, 6165, 375},
    {"help", "Form1", 180, 7860, 4665, 285},
    {"Image1", "Form1", 5010, 7860, 1230, 315},

    {"Frame5", "Frame16", 30, -30, 3525, 765},
    {"Frame7", "Frame16", 30, 780, 3525, 765},
    {"Frame6", "Frame16", 30, 1590, 3525, 765},
    {"Frame1", "Frame16", 30, 2400, 3525, 825},
    {"Frame10", "Frame16", 30, 3270, 1725, 765},
    {"Frame8", "Frame16", 1830, 3270, 1725, 765},
    {"Frame12", "Frame16", 30, 4110, 1725, 1095},
    {"Frame13", "Frame16", 1830, 4110, 1725, 1095},
    {"Frame3", "Frame16", 3630, -30, 2265, 2595},
    {"Frame4", "Frame16", 3630, 2610, 2265, 2595},
    {"Frame2", "Frame16", 30, 5220, 5865, 855},

    {"Combo1", "Frame5", 120, 270, 2415, 315},
    {"Label13", "Frame5", 2520, 360, 315, 195},
    {"Combo2", "Frame5", 2820, 270, 585, 315},
    {"Combo5", "Frame7", 120, 270, 2415, 315},
    {"Label14", "Frame7", 2520, 360, 315, 195},
    {"Combo4", "Frame7", 2820, 270, 585, 315},
    {"Combo6", "Frame6", 120, 270, 2415, 315},
    {"Label15", "Frame6", 2520, 360, 315, 195},
    {"Combo7", "Frame6", 2820, 270, 585, 315},

    {"Check7", "Frame1", 180, 300, 1185, 315},
    {"Label18", "Frame1", 1590, 360, 1575, 255},
    {"Combo12", "Frame1", 2760, 300, 645, 315},
    {"Combo11", "Frame10", 120, 270, 1485, 315},
    {"Combo8", "Frame8", 120, 270, 1485, 315},

    {"Check6", "Frame12", 120, 270, 1545, 315},
    {"Label20", "Frame12", 150, 690, 855, 225},
    {"Combo15", "Frame12", 1050, 630, 555, 315},
    {"Check9", "Frame13", 120, 270, 1515, 315},
    {"Label21", "Frame13", 150, 690, 855, 225},
    {"Combo16", "Frame13", 1050, 600, 555, 315},

    {"Check1", "Frame3", 240, 240, 1335, 315},
    {"Check2", "Frame3", 240, 540, 1875, 315},
    {"Check3", "Frame3", 240, 840, 1335, 315},
    {"Check4", "Frame3", 240, 1140, 1935, 315},
    {"Check5", "Frame3", 240, 1440, 1515, 315},
    {"Check8", "Frame3", 240, 1740, 1125, 315},
    {"Label3", "Frame3", 210, 2220, 1005, 225},
    {"Combo18", "Frame3", 1380, 2130, 645, 315},

    {"Label2", "Frame4", 150, 390, 1275, 225},
    {"Combo9", "Frame4", 1380, 330, 645, 315},
    {"Label11", "Frame4", 150, 840, 1275, 225},
    {"Combo10", "Frame4", 1380, 780, 645, 315},
    {"Label12", "Frame4", 150, 1290, 1275, 225},
    {"Combo13", "Frame4", 1380, 1230, 645, 315},
    {"Label17", "Frame4", 150, 1740, 1785, 225},
    {"Combo14", "Frame4", 1380, 1680, 645, 315},
    {"Label10", "Frame4", 180, 2190, 1425, 225},
    {"Combo3", "Frame4", 1380, 2130, 645, 315},

    {"Label8889", "Frame2", 90, 150, 1785, 255},
    {"Label4", "Frame2", 150, 420, 885, 345},
    {"Label6", "Frame2", 1020, 510, 705, 255},
    {"Label9", "Frame2", 2040, 150, 1845, 255},
    {"Text31", "Frame2", 2100, 420, 855, 345},
    {"Label7", "Frame2", 2910, 510, 705, 255},
    {"Label5", "Frame2", 3990, 150, 1845, 255},
    {"Text32", "Frame2", 3990, 420, 885, 345},
    {"Label565", "Frame2", 4830, 510, 705, 255},
});

// "MS Sans Serif" 8.25 pt is the default font; the figures are "Arial".
constexpr auto kTextLooks = std::to_array<TextLook>({
    {"Label824", 8.25, false, Align::Left},  {"Label1", 8.25, false, Align::Centre},
    {"help", 8.25, false, Align::Centre},    {"Label13", 8.25, false, Align::Centre},
    {"Label14", 8.25, false, Align::Centre}, {"Label15", 8.25, false, Align::Centre},
    {"Label18", 8.25, true, Align::Left},    {"Label20", 8.25, true, Align::Left},
    {"Label21", 8.25, true, Align::Left},    {"Label3", 8.25, true, Align::Left},
    {"Label2", 8.25, true, Align::Left},     {"Label11", 8.25, true, Align::Left},
    {"Label12", 8.25, true, Align::Left},    {"Label17", 8.25, true, Align::Left},
    {"Label10", 8.25, true, Align::Left},    {"Label8889", 9.75, true, Align::Left},
    {"Label9", 9.75, true, Align::Left},     {"Label5", 9.75, true, Align::Left},
    {"Label6", 9.75, true, Align::Right},    {"Label7", 9.75, true, Align::Right},
    {"Label565", 9.75, true, Align::Right},  {"Label4", 15.75, false, Align::Right},
    {"Text31", 15.75, false, Align::Right},  {"Text32", 15.75, false, Align::Right},
    {"Check7", 8.25, true, Align::Left},     {"Check6", 8.25, true, Align::Left},
    {"Check9", 8.25, true, Align::Left},     {"Check1", 8.25, true, Align::Left},
    {"Check2", 8.25, true, Align::Left},     {"Check3", 8.25, true, Align::Left},
    {"Check4", 8.25, true, Align::Left},     {"Check5", 8.25, true, Align::Left},
    {"Check8", 8.25, true, Align::Left},
});

}  // namespace

std::span<const Placement> placements() {
    return kPlacements;
}

std::span<const TextLook> textLooks() {
    return kTextLooks;
}

}  // namespace kolva::oracle
