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

// The parts of a full machine, a line each, and its figures, as Kolva copies
// them.
constexpr std::string_view kParts =
    "CPU: 1 × Athlon 64 X2 Toledo\nRAM: 4 × DDR SDRAM\nVGA: 1 × GeForce 7800 GTX\n"
    "Optical #1: DVDRW\nOptical #2: CD-ROM\nUSB Devices: 4\nFirewire Devices: 2\n"
    "System Fans: 4\nCard Reader: 1\nFloppy / ZIP: 1\nHard Drives: 2\n"
    "Ticked: USB Enabled, 1394 Enabled\n";
constexpr std::string_view kFigures =
    "Stock Speeds: 456 Watts\nMild Overclock: 478 Watts\nHeavy Overclock: 501 Watts\n";

std::string fullMachine() {
    return std::string(kTitle) + std::string(kParts);
}

// `text` with each line after `before` and before `after`.
std::string eachLine(std::string_view text, std::string_view before, std::string_view after) {
    std::string result;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
        result += std::string(before) + std::string(text.substr(start, end - start)) +
                  std::string(after) + "\n";
    }
    return result;
}

// The full machine as Kolva 1.0.0 copied it, in columns, and a machine of
// groups that wait: people have posted texts like these.
constexpr std::string_view kCopiedByKolva100 =
    "Kolva power supply estimate\n"
    "CPU: 1 × Athlon 64 X2 Toledo\n"
    "RAM: 4 × DDR SDRAM\n"
    "VGA: 1 × GeForce 7800 GTX\n"
    "Optical #1: DVDRW\n"
    "Optical #2: CD-ROM\n"
    "USB Devices: 4\n"
    "Firewire Devices: 2\n"
    "System Fans: 4\n"
    "Card Reader: 1\n"
    "Floppy / ZIP: 1\n"
    "Hard Drives: 2\n"
    "Ticked: USB Enabled, 1394 Enabled\n"
    "Stock Speeds: 456 Watts\n"
    "Mild Overclock: 478 Watts\n"
    "Heavy Overclock: 501 Watts\n"
    "\n"
    "How the estimate is made:\n"
    "CPU               1 × 110 W                         110 W\n"
    "RAM               4 × 10 W                           40 W\n"
    "VGA               1 × 80 W                           80 W\n"
    "Optical #1                                           25 W\n"
    "Optical #2                                           20 W\n"
    "USB Devices       4 × 5 W                            20 W\n"
    "Firewire Devices  2 × 8 W                            16 W\n"
    "System Fans       4 × 3 W                            12 W\n"
    "Card Reader       1 × 10 W                           10 W\n"
    "Floppy / ZIP      1 × 8 W                             8 W\n"
    "Hard Drives       2 × 25 W                           50 W\n"
    "Overhead                                             35 W\n"
    "USB Enabled                                          10 W\n"
    "1394 Enabled                                         20 W\n"
    "Stock Speeds      total                             456 W\n"
    "Mild Overclock    456 × 1.05 = 478.8, rounded down  478 W\n"
    "Heavy Overclock   456 × 1.1 = 501.6, rounded down   501 W\n";
constexpr std::string_view kWaitingCopiedByKolva100 =
    "Kolva power supply estimate\n"
    "CPU: 0 × Opteron (a model counts once its number is chosen)\n"
    "RAM: 2 (a number counts once its model is chosen)\n"
    "VGA: 0 × Radeon X800 (a model counts once its number is chosen)\n"
    "Stock Speeds: 0 Watts\n"
    "Mild Overclock: 0 Watts\n"
    "Heavy Overclock: 0 Watts\n"
    "\n"
    "How the estimate is made:\n"
    "CPU  a model counts once its number is chosen  0 W\n"
    "RAM  a number counts once its model is chosen  0 W\n"
    "VGA  a model counts once its number is chosen  0 W\n"
    "Nothing counts yet, so the figures read 0 rather than the 35 W overhead alone.\n";

}  // namespace

std::span<const RefusedText> refusedTexts() {
    static const std::vector<RefusedText> texts = {
        {"Empty", "", 0, std::string(kNotAMachine)},
        {"AnotherProgramsText", "Hello,\nmy PC has an Opteron.\n", 0, std::string(kNotAMachine)},
        {"MailHeaderIsAnUnknownPart", "Subject: my new PC\nCPU: 2 × Opteron\n", 1,
         "Kolva knows no part \"Subject\"; it knows Ticked, CPU, RAM, …"},
        {"OtherProgramsPartAfterTheMachine",
         machine("CPU: 2 × Opteron\n") + "\nCheers, Ann\nPSU: Corsair 450W\n", 6,
         "Kolva knows no part \"PSU\"; it knows CPU, RAM, VGA, …"},
        {"ProseInsideTheMachine",
         machine("CPU: 2 × Opteron\nI think this is right\nRAM: 2 × DDR SDRAM\n"), 3,
         R"(Kolva reads a part as "Name: value")"},
        {"FiguresAlone", "Stock Speeds: 220 Watts\n", 0, std::string(kNotAMachine)},
        {"Binary", std::string(kTitle) + std::string("CPU\0\x01", 5), 0, std::string(kNotAMachine)},
        {"OverLong", std::string(kTitle) + std::string(20000, ' '), 0, std::string(kNotAMachine)},
        {"SecondMachine", machine("CPU: 1 × Opteron\n") + machine("CPU: 2 × Opteron\n"), 4,
         "a second machine starts here; Kolva pastes one at a time"},
        {"UnknownPart", machine("Coffee Maker: 1\n"), 2,
         "Kolva knows no part \"Coffee Maker\"; it knows Card Reader, System Fans, Case Lights, …"},
        {"PartNameWithoutItsSpaces", machine("Floppy/ZIP: 1\n"), 2,
         "Kolva knows no part \"Floppy/ZIP\"; it knows Floppy / ZIP, …"},
        {"ModelNotInTheList", machine("CPU: 2 × Pentium 9\n"), 2,
         "Kolva lists no processor \"Pentium 9\"; it lists Pentium, Pentium II, …"},
        {"UnknownMemory", machine("RAM: 2 × DDR5\n"), 2,
         "Kolva lists no memory type \"DDR5\"; it lists DDR SDRAM, DDR2 SDRAM, RAMBUS RDRAM, …"},
        {"UnknownGraphicsCard", machine("VGA: 1 × GeForce 8800 GTX\n"), 2,
         "Kolva lists no graphics card \"GeForce 8800 GTX\"; it lists GeForce 7800 GTX, GeForce "
         "6800 "
         "GT, GeForce 7800 GT, …"},
        {"UnknownOpticalDrive", machine("Optical #2: Blu-ray\n"), 2,
         "Kolva lists no optical drive \"Blu-ray\"; it lists CD-ROM, DVD-ROM, CDRW, …"},
        {"MisspeltOpticalDrive", machine("Optical #1: dvd-rw\n"), 2,
         "Kolva lists no optical drive \"dvd-rw\"; it lists DVDRW, DVD-ROM, CDRW, …"},
        {"OpticalDriveWithoutItsSpaces", machine("Optical #1: DVD/CDRW\n"), 2,
         "Kolva lists no optical drive \"DVD/CDRW\"; it lists DVD / CDRW, DVDRW, CDRW, …"},
        {"HeadingRowIsNoModel", machine("CPU: 1 × ====== Intel ======\n"), 2,
         "Kolva lists \"====== Intel ======\" as a maker's heading, not a processor; it lists "
         "Pentium, Pentium II, Pentium III Slot 1, …"},
        {"EmptyValue", machine("Optical #1: \n"), 2,
         "it names no optical drive; Kolva lists CD-ROM, DVD-ROM, CDRW, …"},
        {"NoNumberBeforeTheModel", machine("VGA: GeForce 6800\n"), 2,
         "the number of graphics cards is missing before \"GeForce 6800\"; Kolva counts 0, 1, 2 or "
         "4 "
         "graphics cards"},
        {"NoSignBetween", machine("CPU: 2 Opteron\n"), 2,
         "put \"×\" between the number and the processor, as in \"2 × Opteron\""},
        {"ProcessorsNotOffered", machine("CPU: 3 × Pentium 4 600 Series and up\n"), 2,
         "Kolva counts 0, 1, 2, 4 or 8 processors, not \"3\""},
        {"SticksNotOffered", machine("RAM: 9 × DDR SDRAM\n"), 2,
         "Kolva counts 0 to 8 sticks, not \"9\""},
        {"GraphicsCardsNotOffered", machine("VGA: 3 × Radeon X800\n"), 2,
         "Kolva counts 0, 1, 2 or 4 graphics cards, not \"3\""},
        {"WattsNotOffered", afterLongMachine("TEC (Watts): 45"), 15,
         "Kolva counts 0 to 990 TEC watts in steps of 10, not \"45\""},
        {"HardDrivesNotOffered", afterLongMachine("Hard Drives: 13"), 15,
         "Kolva counts 0 to 12 hard drives, not \"13\""},
        {"FansNotOffered", machine("System Fans: many\n"), 2,
         "Kolva counts 0 to 12 fans, not \"many\""},
        {"LightsNotOffered", machine("Case Lights: 13\n"), 2,
         "Kolva counts 0 to 12 lights, not \"13\""},
        {"CardReadersNotOffered", machine("Card Reader: 5\n"), 2,
         "Kolva counts 0 to 4 card readers, not \"5\""},
        {"DrivesNotOffered", machine("Floppy / ZIP: 5\n"), 2,
         "Kolva counts 0 to 4 drives, not \"5\""},
        {"CardsNotOffered", machine("Additional PCI Cards: 8\n"), 2,
         "Kolva counts 0 to 7 cards, not \"8\""},
        {"DevicesNotOffered", machine("Ticked: USB Enabled\nUSB Devices: 20\n"), 3,
         "Kolva counts 0 to 12 devices, not \"20\""},
        {"PartTwice", afterLongMachine("Additional PCI Cards: 4"), 15,
         "\"Additional PCI Cards\" is named twice"},
        {"PartTwiceInOtherLetters", machine("CPU: 1 × Opteron\ncpu: 2 × Opteron\n"), 3,
         "\"CPU\" is named twice"},
        {"TickedTwice", machine("Ticked: Sound Card\nTicked: TV Tuner\n"), 3,
         "\"Ticked\" is named twice"},
        {"BoxTwice", machine("Ticked: Audio Front Panel, audio front panel\n"), 2,
         "\"Audio Front Panel\" is ticked twice"},
        {"UnknownBox", machine("Ticked: Coffee Maker\n"), 2,
         "Kolva knows no box \"Coffee Maker\"; it knows 56k Modem, Sound Card, TV Tuner, …"},
        {"MisspeltBoxAmongFour", machine("Ticked: 12V Pump, USB Enabled, Sound Crad, TV Tuner\n"),
         2, "Kolva knows no box \"Sound Crad\"; it knows Sound Card, …"},
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
        {"BlankLineAfterTheTitle",
         std::string(kTitle) + "\n" + std::string(kParts) + std::string(kFigures), fullMachine()},
        {"BlankLinesBetweenAll", eachLine(fullMachine() + std::string(kFigures), "", "\n"),
         fullMachine()},
        {"BareQuoteMarkerLine", eachLine(std::string(kTitle) + "\n" + std::string(kParts), ">", ""),
         fullMachine()},
        {"FiguresInTheMiddle",
         std::string(kTitle) + "CPU: 1 × Athlon 64 X2 Toledo\n" + std::string(kFigures) +
             std::string(kParts.substr(kParts.find('\n') + 1)),
         fullMachine()},
        {"FiguresFirst", std::string(kTitle) + std::string(kFigures) + std::string(kParts),
         fullMachine()},
        {"FiguresFirstWithoutTheTitle", std::string(kFigures) + std::string(kParts), fullMachine()},
        {"DevicesAfterABlankLineBeforeTheirBox",
         std::string(kTitle) + "Optical #2: CD-ROM\n\nUSB Devices: 4\nTicked: USB Enabled\n",
         std::string(kTitle) + "USB Devices: 4\nOptical #2: CD-ROM\nTicked: USB Enabled\n"},
        {"InAForumPost",
         "Hi all, here is my build:\n\n" + fullMachine() + std::string(kFigures) +
             "\nWhat do you think?\n-- \nAnn\n",
         fullMachine()},
        {"InMarkdownFences", "My build:\n```\n" + fullMachine() + "```\nThanks!\n", fullMachine()},
        {"InAMarkdownTextBlock", "```text\n" + fullMachine() + "```", fullMachine()},
        {"InCodeTagsOnItsLines", "[code]" + fullMachine() + "[/code]", fullMachine()},
        {"InQuoteTags", "[quote=Ann]\n" + eachLine(fullMachine(), "> ", "") + "[/quote]\n",
         fullMachine()},
        {"TitleWithAComment", "Kolva power supply estimate (my rig)\n" + std::string(kParts),
         fullMachine()},
        {"TitleAfterAPart", "CPU: 1 × Opteron\n" + std::string(kTitle),
         std::string(kTitle) + "CPU: 1 × Opteron\n"},
        {"CopiedByKolva100", std::string(kCopiedByKolva100), fullMachine()},
        {"WaitingCopiedByKolva100", std::string(kWaitingCopiedByKolva100),
         std::string(kTitle) + "CPU: 0 × Opteron\nRAM: 2\nVGA: 0 × Radeon X800\n"},
    };
    return texts;
}

}  // namespace kolva::oracle
