#include "advice/install.h"

namespace {

// The three levels of user, in report order.
const char *const kLevels[3] = {"NOVICE", "EXPERIENCED", "EXPERT"};

struct InstallAdvice {
    const char *component;
    const char *difficulty[3];
    const char *const *skills; // each list ends in a null
    const char *const *tools;
    const char *risk, *likelihood, *frustration;
    const char *const *problems;
    const char *minutes[3];
    const char *needsHelp[3];
    const char *helpCost;
};

const char *const kDiskSkills[] = {"Opening the computer case",
                                   "Locating the disk controller card",
                                   "Aligning ribbon cable and pins",
                                   "Attaching power connectors",
                                   "Setting jumpers",
                                   "Configuring BIOS for drive parameters",
                                   "Running FDISK and FORMAT",
                                   nullptr};
const char *const kDiskTools[] = {"Needle nose pliers", "Ribbon cable", "Phillips screwdriver", nullptr};
const char *const kDiskProblems[] = {"Incorrect jumper settings",
                                     "Reversed cable connections",
                                     "Incompatible drives (IDE only)",
                                     "Incorrect BIOS parameters",
                                     "FDISK without specifying active partition",
                                     nullptr};
const char *const kMemorySkills[] = {"Grounding yourself electrically",
                                     "Opening the computer case",
                                     "Locating the SIMM bank",
                                     "Identifying the correct free SIMM bank number",
                                     "Inserting the SIMMs",
                                     nullptr};
const char *const kMemoryTools[] = {"Phillips screwdriver", "Wrist grounding strap (optional)", nullptr};
const char *const kMemoryProblems[] = {"Bend SIMM holders",
                                       "Not fully seated SIMMs",
                                       "Bend SIMM holder pins",
                                       "Debris under SIMM",
                                       "SIMM in incorrect bank",
                                       "Damaged SIMM holders require replacing motherboard",
                                       nullptr};
const char *const kCardSkills[] = {"Opening the computer case", "Setting the jumpers",
                                   "Plugging in the new card", nullptr};
const char *const kCardTools[] = {"Phillips screwdriver", "Needle nose pliers", nullptr};
const char *const kModemProblems[] = {"Incorrect port settings", "Conflicts been port IRQs and addresses",
                                      "Trying to get COM1 and COM3 to work at same time",
                                      "Communications software set to wrong port number", nullptr};
const char *const kMonitorSkills[] = {"Plugging in video cable", "Setting video card settings", nullptr};
const char *const kMonitorTools[] = {"Slotted screwdriver", nullptr};
const char *const kMonitorProblems[] = {"Incorrect video card settings", nullptr};
const char *const kBoardSkills[] = {"Grounding yourself electrically",
                                    "Opening the computer case",
                                    "Unplugging all cards and cables",
                                    "Removing SIMMs",
                                    "Removing motherboard",
                                    "Inserting motherboard standoffs",
                                    "Inserting the new board",
                                    "Setting jumpers",
                                    "Plugging in all cards and cables",
                                    "Configuring the BIOS settings",
                                    nullptr};
const char *const kBoardTools[] = {"Phillips screwdriver", "Needle nose pliers",
                                   "Wrist grounding strap (optional)", nullptr};
const char *const kBoardProblems[] = {"Shorted motherboard against case",
                                      "Incorrect jumper settings",
                                      "Incorrect cable connections",
                                      "Standoffs in incompatible positions",
                                      "BIOS settings incorrect",
                                      "Damaged SIMM holders",
                                      nullptr};
const char *const kPortSkills[] = {"Opening the computer case", "Locating the old I/O card",
                                   "Unplugging the cables",     "Setting the jumpers",
                                   "Plugging in the new card",  nullptr};
const char *const kPortProblems[] = {"Incorrect jumper settings", "Conflicts been port IRQs and addresses",
                                     "Trying to get COM1 and COM3 to work at same time", nullptr};
const char *const kPrinterSkills[] = {"Plugging in parallel cable", "Installing ink cartridge",
                                      "Running setup program", nullptr};
const char *const kPrinterTools[] = {"None", nullptr};
const char *const kPrinterProblems[] = {"Incorrect cable type", "Out-of-date printer driver", nullptr};
const char *const kSoftwareSkills[] = {"Time to read the manual", "'Standard' system configuration", nullptr};
const char *const kSoftwareTools[] = {"Well written manual (rare)", nullptr};
const char *const kSoftwareProblems[] = {"Write-only System.Ini or Win.Ini file", "Not enough disk space",
                                         "Conflicts with running software", "Incompatible graphics driver",
                                         nullptr};
const char *const kVideoSkills[] = {"Opening the computer case",
                                    "Locating the old video card",
                                    "Unplugging the monitor cable",
                                    "Removing the old video card",
                                    "Setting the jumpers",
                                    "Plugging in the new card",
                                    "Configuring the setup software",
                                    nullptr};
const char *const kVideoTools[] = {"Phillips screwdriver", nullptr};
const char *const kVideoProblems[] = {"Incorrect video card settings",
                                      "Incompatible monitor and video card settings", "Outdated video driver",
                                      nullptr};

// In command order: Hard Drive, Memory, Modem, Monitor, Motherboard, Ports, Printer, Software, Video Card.
const InstallAdvice kAdvice[kInstallToolCount] = {
    {"Hard Disks",
     {"Moderate", "Low", "Low"},
     kDiskSkills,
     kDiskTools,
     "Low",
     "Moderate",
     "Moderate",
     kDiskProblems,
     {"60", "30", "20"},
     {"Suggested", "No", "No"},
     "$20 - 30"},
    {"Memory Chips",
     {"Moderate", "Low", "Low"},
     kMemorySkills,
     kMemoryTools,
     "Moderate",
     "Moderate",
     "High",
     kMemoryProblems,
     {"30", "20", "10"},
     {"Recommended", "No", "No"},
     "$20"},
    {"Modem",
     {"Moderate", "Low", "Low"},
     kCardSkills,
     kCardTools,
     "Low",
     "Low",
     "High",
     kModemProblems,
     {"30", "20", "20"},
     {"Suggested if internal modem", "No", "No"},
     "$20 - 30"},
    {"Monitor",
     {"Low", "Very Low", "Very Low"},
     kMonitorSkills,
     kMonitorTools,
     "Very Low",
     "Very Low",
     "Very Low",
     kMonitorProblems,
     {"10", "10", "10"},
     {"No", "No", "No"},
     "$0"},
    {"Motherboard",
     {"Very High", "High", "Moderate"},
     kBoardSkills,
     kBoardTools,
     "Very High",
     "Very High",
     "Very High",
     kBoardProblems,
     {"120", "60", "40"},
     {"Strongly recommended", "Suggested", "No"},
     "$50 - 75"},
    {"I/O Card",
     {"Moderate", "Low", "Low"},
     kPortSkills,
     kCardTools,
     "Low",
     "Low",
     "High",
     kPortProblems,
     {"30", "20", "20"},
     {"Suggested", "No", "No"},
     "$20 - 30"},
    {"Printer",
     {"Low", "Low", "Low"},
     kPrinterSkills,
     kPrinterTools,
     "Low",
     "Low",
     "Low",
     kPrinterProblems,
     {"20", "10", "10"},
     {"No", "No", "No"},
     "$0"},
    {"Software",
     {"Moderate", "Moderate", "Moderate"},
     kSoftwareSkills,
     kSoftwareTools,
     "Low",
     "Low",
     "Very High",
     kSoftwareProblems,
     {"10 - 120", "10 - 120", "10 - 120"},
     {"Suggested", "No", "No"},
     "Varies with program"},
    {"Video Card",
     {"Moderate", "Low", "Low"},
     kVideoSkills,
     kVideoTools,
     "Low",
     "Low",
     "Very High",
     kVideoProblems,
     {"30", "20", "20"},
     {"Suggested", "No", "No"},
     "$20 - 30"},
};

// A heading, one blue line per item of the list, and the empty line that closes the section.
void AddList(ReportBuffer &report, const char *heading, const char *const *items) {
    AddReportLine(report, "%c%s", kHeadingMark, heading);
    for (; *items; ++items)
        AddReportLine(report, "%c%s", kBlue, *items);
    AddReportLine(report, "%s", "");
}

} // namespace

bool WriteInstallReport(ReportBuffer &report, int index) {
    if (index < 0 || index >= kInstallToolCount)
        return false;
    const InstallAdvice &a = kAdvice[index];
    BeginReport(report);
    AddReportLine(report, "%cInstalling %s", kHeadingMark, a.component);
    for (int level = 0; level < 3; ++level)
        AddReportLine(report, "%s difficulty\t%c%s", kLevels[level], kBlue, a.difficulty[level]);
    AddReportLine(report, "%s", "");
    AddList(report, "Skills Required", a.skills);
    AddList(report, "Tools Required", a.tools);
    AddReportLine(report, "%cProblems", kHeadingMark);
    AddReportLine(report, "Risk from problems\t%c%s", kBlue, a.risk);
    AddReportLine(report, "Likelihood of problems\t%c%s", kBlue, a.likelihood);
    AddReportLine(report, "Frustration rating\t%c%s", kBlue, a.frustration);
    AddReportLine(report, "%s", "");
    AddList(report, "Potential Problems", a.problems);
    AddReportLine(report, "%cTime Estimate", kHeadingMark);
    for (int level = 0; level < 3; ++level)
        AddReportLine(report, "Time if %s\t%c%s minutes", kLevels[level], kBlue, a.minutes[level]);
    AddReportLine(report, "%s", "");
    AddReportLine(report, "%cShould You Get Help", kHeadingMark);
    for (int level = 0; level < 3; ++level)
        AddReportLine(report, "%s needs help\t%c%s", kLevels[level], kBlue, a.needsHelp[level]);
    AddReportLine(report, "Help cost estimate\t%c%s", kBlue, a.helpCost);
    return true;
}
