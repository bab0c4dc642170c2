#include "pasted_texts.hpp"

#include <vector>

namespace kolva::oracle {

namespace {

constexpr std::string_view kTitle = "Kolva power supply estimate\n";
constexpr std::string_view kNotAMachine = "The clipboard does not hold a Kolva machine";

std::string machine(std::string_view parts) {
    return std::string(kTitle) + std::string(parts) + "Stock Speeds: 0 Watts\n";
}

// Thirteen good parts, so that the bad line after them has a number of two
// digits (15), as a long machine's has.
std::string afterLongMachine(std::string_view bad) {
    return std::string(kTitle) +
           "CPU: 2 × Opteron\nRAM: 4 × DDR SDRAM\nVGA: 1 × GeForce 6800\n"
           "Optical #1: DVDRW\nOptical #2: CD-ROM\nAdditional PCI Cards: 2\n"
           "System Fans: 3\nCase Lights: 2\nCard Reader: 1\nFloppy / ZIP: 1\n"
           "USB Devices: 3\nFirewire Devices: 2\n"
           "Ticked: 12V Pump, USB Enabled, 1394 Enabled, 56k Modem, Network Card\n" +
           std::string(bad) + "\n";
}

}  // namespace

std::span<const RefusedText> refusedTexts() {
    static const std::vector<RefusedText> texts = {
        {"Empty", "", 0, std::string(kNotAMachine)},
        {"AnotherProgramsText", "Hello,\nmy PC has an Opteron.\n", 0, std::string(kNotAMachine)},
        {"MailHeaderIsNoPart", "Subject: my new PC\nCPU: 2 × Opteron\n", 0,
         std::string(kNotAMachine)},
        {"FiguresAlone", "Stock Speeds: 220 Watts\n", 0, std::string(kNotAMachine)},
        {"Binary", std::string(kTitle) + std::string("CPU\0\x01", 5), 0, std::string(kNotAMachine)},
        {"OverLong", std::string(kTitle) + std::string(20000, ' '), 0, std::string(kNotAMachine)},
        {"TitleNotFirst", "CPU: 1 × Opteron\n" + std::string(kTitle), 2,
         R"(Kolva reads a part as "Name: value")"},
        {"UnknownPart", machine("Coffee Maker: 1\n"), 2, "Kolva knows no part of that name"},
        {"ModelNotInTheList", machine("CPU: 2 × Pentium 9\n"), 2, "Kolva lists no such processor"},
        {"UnknownMemory", machine("RAM: 2 × DDR5\n"), 2, "Kolva lists no such memory type"},
        {"UnknownGraphicsCard", machine("VGA: 1 × GeForce 8800 GTX\n"), 2,
         "Kolva lists no such graphics card"},
        {"UnknownOpticalDrive", machine("Optical #2: Blu-ray\n"), 2,
         "Kolva lists no such optical drive"},
        {"HeadingRowIsNoModel", machine("CPU: 1 × ====== Intel ======\n"), 2,
         "a maker's heading is not a processor"},
        {"EmptyValue", machine("Optical #1: \n"), 2, "it names no optical drive"},
        {"NoNumberBeforeTheModel", machine("VGA: GeForce 6800\n"), 2,
         "the number of graphics cards is missing"},
        {"NoSignBetween", machine("CPU: 2 Opteron\n"), 2,
         "put \"×\" between the number and the processor"},
        {"ProcessorsNotOffered", machine("CPU: 3 × Pentium 4 600 Series and up\n"), 2,
         "Kolva counts 0, 1, 2, 4 or 8 processors"},
        {"SticksNotOffered", machine("RAM: 9 × DDR SDRAM\n"), 2, "Kolva counts 0 to 8 sticks"},
        {"GraphicsCardsNotOffered", machine("VGA: 3 × Radeon X800\n"), 2,
         "Kolva counts 0, 1, 2 or 4 graphics cards"},
        {"WattsNotOffered", afterLongMachine("TEC (Watts): 45"), 15,
         "Kolva counts 0 to 990 TEC watts in steps of 10"},
        {"HardDrivesNotOffered", afterLongMachine("Hard Drives: 13"), 15,
         "Kolva counts 0 to 12 hard drives"},
        {"FansNotOffered", machine("System Fans: many\n"), 2, "Kolva counts 0 to 12 fans"},
        {"LightsNotOffered", machine("Case Lights: 13\n"), 2, "Kolva counts 0 to 12 lights"},
        {"CardReadersNotOffered", machine("Card Reader: 5\n"), 2,
         "Kolva counts 0 to 4 card readers"},
        {"DrivesNotOffered", machine("Floppy / ZIP: 5\n"), 2, "Kolva counts 0 to 4 drives"},
        {"CardsNotOffered", machine("Additional PCI Cards: 8\n"), 2, "Kolva counts 0 to 7 cards"},
        {"DevicesNotOffered", machine("Ticked: USB Enabled\nUSB Devices: 20\n"), 3,
         "Kolva counts 0 to 12 devices"},
        {"PartTwice", afterLongMachine("Additional PCI Cards: 4"), 15,
         "\"Additional PCI Cards\" is named twice"},
        {"PartTwiceInOtherLetters", machine("CPU: 1 × Opteron\ncpu: 2 × Opteron\n"), 3,
         "\"CPU\" is named twice"},
        {"TickedTwice", machine("Ticked: Sound Card\nTicked: TV Tuner\n"), 3,
         "\"Ticked\" is named twice"},
        {"BoxTwice", machine("Ticked: Audio Front Panel, audio front panel\n"), 2,
         "\"Audio Front Panel\" is ticked twice"},
        {"UnknownBox", machine("Ticked: Coffee Maker\n"), 2, "Kolva knows no box of that name"},
        {"NoColon", machine("Hard Drives 3\n"), 2, R"(Kolva reads a part as "Name: value")"},
        {"DevicesOfADisabledList", machine("USB Devices: 2\n"), 2,
         "USB Devices need \"USB Enabled\" ticked"},
        {"FirewireDevicesOfADisabledList",
         machine("Ticked: USB Enabled\nUSB Devices: 1\nFirewire Devices: 2\n"), 4,
         "Firewire Devices need \"1394 Enabled\" ticked"},
    };
    return texts;
}

std::span<const ForgivenText> forgivenTexts() {
    static const std::vector<ForgivenText> texts = {
        {"LowerCase",
         "kolva power supply estimate\nhard drives: 2\ncpu: 2 × pentium 4 prescott\n"
         "ticked: sound card, 12v pump\n",
         "Kolva power supply estimate\nCPU: 2 × Pentium 4 Prescott\nHard Drives: 2\n"
         "Ticked: 12V Pump, Sound Card\n"},
        {"UpperCase", "KOLVA POWER SUPPLY ESTIMATE\nVGA: 2 × GEFORCE 6800 GT\nTICKED: SCSI CARD\n",
         "Kolva power supply estimate\nVGA: 2 × GeForce 6800 GT\nTicked: SCSI Card\n"},
        {"LetterXForTimes", "Kolva power supply estimate\nCPU: 2 x Pentium III Tualatin\n",
         "Kolva power supply estimate\nCPU: 2 × Pentium III Tualatin\n"},
        {"CapitalXWithoutSpaces", "Kolva power supply estimate\nCPU: 2X Athlon 64 X2 Toledo\n",
         "Kolva power supply estimate\nCPU: 2 × Athlon 64 X2 Toledo\n"},
        {"StarForTimes", "Kolva power supply estimate\nRAM: 4*DDR2 SDRAM\nVGA: 1 * Radeon X800\n",
         "Kolva power supply estimate\nRAM: 4 × DDR2 SDRAM\nVGA: 1 × Radeon X800\n"},
        {"NoTitle", "CPU: 1 × Opteron\nOptical #1: DVDRW\nStock Speeds: 145 Watts\n",
         "Kolva power supply estimate\nCPU: 1 × Opteron\nOptical #1: DVDRW\n"},
        {"NoTitleQuotedAndLowerCase", "> > optical #2: dvd / cdrw\r\n> ticked: tv tuner\r\n",
         "Kolva power supply estimate\nOptical #2: DVD / CDRW\nTicked: TV Tuner\n"},
        {"SpacesAnywhere",
         "Kolva  power supply estimate\n  TEC (Watts) :  40\nFloppy  /  ZIP:1\n"
         "Ticked:USB Enabled ,  1394 Enabled\nUSB Devices:\t3\n",
         "Kolva power supply estimate\nTEC (Watts): 40\nUSB Devices: 3\nFloppy / ZIP: 1\n"
         "Ticked: USB Enabled, 1394 Enabled\n"},
        {"NoBreakSpaces", "Kolva power supply estimate\nCPU:\u00a02\u00a0×\u00a0Opteron\n",
         "Kolva power supply estimate\nCPU: 2 × Opteron\n"},
        {"NotesInOtherLetters",
         "kolva power supply estimate\ncpu: 0 x opteron (A model counts once its number is "
         "chosen)\nram: 2 (a NUMBER counts once its model is chosen)\n",
         "Kolva power supply estimate\nCPU: 0 × Opteron (a model counts once its number is "
         "chosen)\nRAM: 2 (a number counts once its model is chosen)\n"},
        {"NothingCounted", "Kolva power supply estimate\nHard Drives: 0\nVGA: 0\n",
         "Kolva power supply estimate\n"},
    };
    return texts;
}

}  // namespace kolva::oracle
