#include "app/catalogue.h"

#include "resources/resource_ids.h"

namespace {

const ToolInfo kExploreTools[] = {
    {2201, "Colors", "Colors", 2266},
    {2202, "Environment", "Environment", 2254},
    {2203, "Fonts", "Fonts", 2268},
    {2204, "Input Devices", "Input Settings", 2261},
    {2205, "Memory", "Memory", 2262},
    {2206, "Module List", "Module List", 2258},
    {2207, "Multimedia", "Multimedia", 2263},
    {2208, "Palettes", "Palettes", 2267},
    {2209, "Ports", "Ports", 2264},
    {2210, "Printers", "Printers", 2265},
    {2211, "Priority List", "Priority List", 2257},
    {2212, "Process List", "Process List", 2255},
    {2213, "Process Memory", "Process Memory", 2256},
    {2214, "Startup Settings", "Startup Settings", 2253},
    {2215, "System Overview", "System Overview", 2251},
    {2216, "Video", "Video", 2269},
    {2217, "Video Metrics", "Video Metrics", 2270},
    {2218, "Window List", "Window List", 2260},
    {2219, "Windows Modules", "Windows Modules", 2252},
};
const ToolInfo kDiagnoseTools[] = {
    {2301, "System Overview", "System Overview", 2351},
    {2302, "CD-ROM Drives", "CD-ROM Drive", 2354},
    {2303, "CPU", "CPU", 2360},
    {2304, "Floppy Drives", "Floppy Drive", 2352},
    {2305, "Hard Drives", "Hard Drive", 2353},
    {2306, "Joysticks", "Joystick", 2357},
    {2307, "Keyboard", "Keyboard", 2355},
    {2308, "Memory", "Memory", 2358},
    {2309, "Modems", "Modem", 2363},
    {2310, "Motherboard", "Motherboard", 2361},
    {2311, "Mouse", "Mouse", 2356},
    {2312, "Ports", "Ports", 2362},
    {2313, "Power Supply", "Power Supply", 2367},
    {2314, "Printer", "Printer", 2366},
    {2315, "Sound Card", "Sound System", 2364},
    {2316, "System BUS", "System BUS", 2359},
    {2317, "Video", "Video", 2365},
};
const ToolInfo kCheckTools[] = {
    {2401, "Directory Tree", "Directory Tree", 2458}, {2402, "Heap Integrity", "Heap Integrity", 2452},
    {2403, "Heap List", "Heap List", 2451},           {2404, "Module List", "Module List", 2455},
    {2405, "Process List", "Process List", 2454},     {2406, "Registry", "Registry", 2459},
    {2407, "System Files", "System Files", 2457},     {2408, "Thread List", "Thread List", 2456},
    {2409, "Window Chain", "Window Chain", 2453},
};
const ToolInfo kUpgradeTools[] = {
    {2501, "CD-ROM Drive", "CD-ROM Drive", 2551},
    {2502, "CPU Chip", "CPU", 2552},
    {2503, "Floppy Drives", "Floppy Drive", 2553},
    {2504, "Hard Disk", "Hard Disk", 2554},
    {2505, "Joystick", "Joystick", 2555},
    {2506, "Keyboard", "Keyboard", 2556},
    {2507, "Memory", "Memory", 2557},
    {2508, "Modem", "Modem", 2558},
    {2509, "Monitor", "Monitor", 2559},
    {2510, "Motherboard", "Motherboard", 2560},
    {2511, "Mouse", "Mouse", 2561},
    {2512, "Printer", "Printer", 2562},
    {2513, "Print Spooler", "Print Spooler", 2563},
    {2514, "Scanner", "Scanner", 2564},
    {2515, "Sound Card", "Sound Card", 2565},
    {2516, "Speakers", "Speaker", 2566},
    {2517, "Surge Protector", "Surge Protector", 2567},
    {2518, "Tape Drive", "Tape Drive", 2568},
    {2519, "Uninterruptable Power Supply", "UPS", 2569},
    {2520, "Video Card", "Video Card", 2570},
    {2521, "Wrist Pad", "Wrist Pad", 2571},
};
const ToolInfo kInstallTools[] = {
    {2601, "Hard Drive", "Hard Drive", 2652},
    {2602, "Memory", "Memory", 2660},
    {2603, "Modem", "Modem", 2655},
    {2604, "Monitor", "Monitor", 2658},
    {2605, "Motherboard", "Motherboard", 2659},
    {2606, "Ports", "Ports", 2656},
    {2607, "Printer", "Printer", 2653},
    {2608, "Software", "Software", 2654},
    {2609, "Video Card", "Video Card", 2657},
};
const ToolInfo kBottleTools[] = {
    {2701, "Overall", "Overview", 2769},
    {2702, "Wait Time", "Wait Time", 2770},
    {2703, "CPU", "CPU", 2751},
    {2704, "Disk Load", "Disk Load", 2759},
    {2705, "Disk Bytes Read", "Disk Read Bytes", 2760},
    {2706, "Disk Read Size", "Disk Read Size", 2762},
    {2707, "Disk Reads", "Disk Reads", 2761},
    {2708, "Disk Space", "Disk Space", 2758},
    {2709, "Disk Write Bytes", "Disk Write Bytes", 2763},
    {2710, "Disk Write Size", "Disk Write Size", 2765},
    {2711, "Disk Writes", "Disk Writes", 2764},
    {2712, "Memory Chips", "Memory Chips", 2755},
    {2713, "Memory Load", "Memory Load", 2754},
    {2714, "Memory Page File", "Memory Page File", 2756},
    {2715, "Memory Virtual", "Memory Virtual", 2757},
    {2716, "Modem", "Modem", 2768},
    {2717, "Printer Speed", "Printer Speed", 2766},
    {2718, "Printer Spooler", "Print Spooler", 2767},
    {2719, "Video Card", "Video Card", 2752},
    {2720, "Video Monitor", "Video Monitor", 2753},
};
const ToolInfo kMonitorTools[] = {
    {2801, "Usage Monitor", "Usage Monitor", 2854},
    {2802, "Disk Monitor", "Disk Monitor", 2856},
    {2803, "Memory Monitor", "Memory Monitor", 2855},
    {2804, "Priority Monitor", "Priority Monitor", 2853},
    {2805, "Software Monitor", "Software Monitor", 2852},
    {2806, "System Monitor", "System Monitor", 2851},
};
const ToolInfo kBoostTools[] = {
    {2901, "CPU Speed", "CPU Speed", 2950},         {2902, "Disk Space", "Disk Space", 2950},
    {2903, "Disk Speed", "Disk Speed", 2950},       {2904, "Memory Free", "Memory Free", 2950},
    {2905, "Memory Speed", "Memory Speed", 2950},   {2906, "Modem Speed", "Modem Speed", 2950},
    {2907, "Print Spooler", "Print Spooler", 2950}, {2908, "Printer Speed", "Printer Speed", 2950},
    {2909, "Video Speed", "Video Speed", 2950},     {2910, "Video Display", "Video Display", 2950},
};
const ToolInfo kCoachTools[] = {
    {3001, "Disk Efficiency", "Disk Efficiency", 3051},
    {3002, "Drag", "Drag", 3052},
    {3003, "Duration", "Duration", 3053},
    {3004, "Efficiency", "Efficiency", 3054},
    {3005, "Expertise", "Expertise", 3055},
    {3006, "Integration", "Integration", 3056},
    {3007, "Paper Trail", "Paper Trail", 3057},
    {3008, "Preference", "Preference", 3058},
    {3009, "Program Power", "Program Power", 3059},
    {3010, "Training Benefit", "Training Benefit", 3060},
    {3011, "Typing Rate", "Typing Speed", 3061},
    {3012, "Urgency", "Urgency", 3062},
    {3013, "Utilization", "Utilization", 3063},
};
const ToolInfo kProgramsTools[] = {
    {3101, "Windows 95 Inventory", "Windows 95 Inventory", 3150},
    {3102, "Windows 3.X Inventory", "Windows 3.X Inventory", 3151},
    {3103, "DOS Inventory", "DOS Inventory", 3152},
    {3104, "Modules", "Modules", 3157},
    {3105, "Priorities", "Priorities", 3159},
    {3106, "Processes", "Processes", 3155},
    {3107, "Threads", "Threads", 3156},
    {3108, "Windows", "Windows", 3158},
};
const ToolInfo kInfoTools[] = {
    {3201, "Data Protection", "Data Protection", 3250},
    {3202, "PC Performance", "PC Performance", 3251},
    {3203, "Programming", "Programming", 3252},
    {3204, "Troubleshooting", "Troubleshooting", 3253},
    {3205, "Upgrading", "Upgrading", 3254},
    {3206, "Windows 95", "Windows 95", 3255},
    {3207, "BIOS Error Beeps", "BIOS Error Beeps", 3256},
    {3208, "File Extensions", "File Extensions", 3257},
    {3209, "System Error Codes", "System Error Codes", 3258},
    {3210, "Windows 95 Files", "Windows 95 Files", 3259},
    {3211, "Windows 95 Shortcuts", "Windows 95 Shortcuts", 3260},
};
const ToolInfo kActionTools[] = {
    {3301, "Veduduzi Rero", "Veduduzi Rero", 3350},
    {3302, "Riduzu Zire", "Zariziv Eved", 3352},
    {3303, "Cascade Open Windows", "Cascade Windows", 3355},
    {3304, "Tile Open Windows", "Tile Windows", 3353},
    {3305, "Keep Monitors On Top", "Keep Monitors On Top", 3358},
};

const int kExploreButtons[] = {2201, 2202, 2203, 2204, 2205, 2206, 2207, 2208, 2209, 2210,
                               2211, 2212, 2213, 2214, 2215, 2216, 2217, 2218, 2219};
const int kDiagnoseButtons[] = {2301, 2302, 2303, 2304, 2305, 2306, 2307, 2308, 2309,
                                2310, 2311, 2312, 2313, 2314, 2315, 2316, 2317};
const int kCheckButtons[] = {2401, 2402, 2403, 2404, 2405, 2406, 2407, 2408, 2409};
const int kUpgradeButtons[] = {2501, 2502, 2503, 2504, 2505, 2506, 2507, 2508, 2509, 2510, 2511,
                               2512, 2513, 2514, 2515, 2516, 2517, 2518, 2519, 2520, 2521};
const int kInstallButtons[] = {2601, 2602, 2603, 2604, 2605, 2606, 2607, 2608, 2609};
// Overall and Wait Time are reached from the menu only.
const int kBottleButtons[] = {2703, 2704, 2705, 2706, 2707, 2708, 2709, 2710, 2711,
                              2712, 2713, 2714, 2715, 2716, 2717, 2718, 2719, 2720};
const int kMonitorButtons[] = {2801, 2802, 2803, 2804, 2805, 2806};
const int kBoostButtons[] = {2901, 2902, 2903, 2904, 2905, 2906, 2907, 2908, 2909, 2910};
const int kCoachButtons[] = {3001, 3002, 3003, 3004, 3005, 3006, 3007, 3008, 3009, 3010, 3011, 3012, 3013};
const int kProgramsButtons[] = {3101, 3102, 3103, 3104, 3105, 3106, 3107, 3108};
const int kInfoButtons[] = {3201, 3202, 3203, 3204, 3205, 3206, 3207, 3208, 3209, 3210, 3211};
// Keep Monitors On Top has no button.
const int kActionButtons[] = {3301, 3302, 3303, 3304};

#define QV_COUNT(a) static_cast<int>(sizeof(a) / sizeof((a)[0]))
#define QV_FAMILY(fam, label, base, tools, buttons, bitmap, top, tip)                                        \
    { fam, label, base, tools, QV_COUNT(tools), buttons, QV_COUNT(buttons), bitmap, top, tip }

const FamilyInfo kFamilies[kFamilyCount] = {
    QV_FAMILY(kFamilyAction, "Action", 3300, kActionTools, kActionButtons, IDB_ACTION, CMD_TOP_ACTION,
              "Action"),
    QV_FAMILY(kFamilyCoach, "Coach", 3000, kCoachTools, kCoachButtons, IDB_COACH, CMD_TOP_COACH, "Coach"),
    QV_FAMILY(kFamilyExplore, "Explore", 2200, kExploreTools, kExploreButtons, IDB_EXPLORE, CMD_TOP_EXPLORE,
              "Explore"),
    QV_FAMILY(kFamilyCheck, "Check", 2400, kCheckTools, kCheckButtons, IDB_CHECK, CMD_TOP_CHECK,
              "Troubleshoot"),
    QV_FAMILY(kFamilyBoost, "Boost", 2900, kBoostTools, kBoostButtons, IDB_BOOST, CMD_TOP_BOOST, "Boost"),
    QV_FAMILY(kFamilyMonitor, "Monitor", 2800, kMonitorTools, kMonitorButtons, IDB_MONITOR, CMD_TOP_MONITOR,
              "Monitor"),
    QV_FAMILY(kFamilyDiagnose, "Diagnose", 2300, kDiagnoseTools, kDiagnoseButtons, IDB_DIAGNOSE,
              CMD_TOP_DIAGNOSE, "Diagnose"),
    QV_FAMILY(kFamilyBottle, "Bottle", 2700, kBottleTools, kBottleButtons, IDB_BOTTLE, CMD_TOP_BOTTLE,
              "Bottlenecks"),
    QV_FAMILY(kFamilyPrograms, "Programs", 3100, kProgramsTools, kProgramsButtons, IDB_PROGRAMS,
              CMD_TOP_PROGRAMS, "Programs"),
    QV_FAMILY(kFamilyUpgrade, "Upgrade", 2500, kUpgradeTools, kUpgradeButtons, IDB_UPGRADE, CMD_TOP_UPGRADE,
              "Upgrade"),
    QV_FAMILY(kFamilyInstall, "Install", 2600, kInstallTools, kInstallButtons, IDB_INSTALL, CMD_TOP_INSTALL,
              "Install"),
    QV_FAMILY(kFamilyInfo, "Info", 3200, kInfoTools, kInfoButtons, IDB_INFO, CMD_TOP_INFO, "Info"),
};

const int kTopButtons[kTopButtonCount] = {CMD_TOP_ACTION,   CMD_TOP_COACH,   CMD_TOP_EXPLORE,  CMD_TOP_CHECK,
                                          CMD_TOP_BOOST,    CMD_TOP_MONITOR, CMD_TOP_DIAGNOSE, CMD_TOP_BOTTLE,
                                          CMD_TOP_PROGRAMS, CMD_TOP_UPGRADE, CMD_TOP_INSTALL,  CMD_TOP_INFO,
                                          CMD_PRINT_SCREEN, CMD_HELP};

// Tooltip routing: (button id / 100) - 20 picks the toolbar; 0 is the top toolbar.
const Family kTooltipFamilies[] = {kFamilyExplore, kFamilyDiagnose, kFamilyCheck,   kFamilyUpgrade,
                                   kFamilyInstall, kFamilyBottle,   kFamilyMonitor, kFamilyBoost,
                                   kFamilyCoach,   kFamilyPrograms, kFamilyInfo,    kFamilyAction};

} // namespace

const FamilyInfo &FamilyAt(int family) {
    return kFamilies[family];
}

const FamilyInfo *FamilyOfTool(int commandId) {
    for (const FamilyInfo &f : kFamilies) {
        int entry = commandId - f.base - 1;
        if (entry >= 0 && entry < f.toolCount)
            return &f;
    }
    return nullptr;
}

const FamilyInfo *FamilyOfTopButton(int buttonId) {
    for (const FamilyInfo &f : kFamilies)
        if (f.topButtonId == buttonId)
            return &f;
    return nullptr;
}

const ToolInfo *ToolOfCommand(int commandId) {
    const FamilyInfo *f = FamilyOfTool(commandId);
    return f ? &f->tools[commandId - f->base - 1] : nullptr;
}

const int *TopButtonIds() {
    return kTopButtons;
}

const char *ToolTipText(int buttonId) {
    int group = buttonId / 100 - 20;
    if (group == 0) {
        if (buttonId == CMD_PRINT_SCREEN)
            return "Print Screen";
        if (buttonId == CMD_HELP)
            return "Help";
        const FamilyInfo *f = FamilyOfTopButton(buttonId);
        return f ? f->topTooltip : nullptr;
    }
    if (group < 2 || group > 13)
        return nullptr;
    const FamilyInfo &f = kFamilies[kTooltipFamilies[group - 2]];
    int entry = buttonId - f.base - 1;
    if (entry < 0 || entry >= f.toolCount)
        return nullptr;
    return f.tools[entry].name;
}

namespace {

struct ToolOrder {
    const ToolInfo *tool[kToolCount];
};

ToolOrder BuildToolOrder() {
    ToolOrder order = {};
    int n = 0;
    for (int id = 2200; id < 3400 && n < kToolCount; ++id)
        if (const ToolInfo *t = ToolOfCommand(id))
            order.tool[n++] = t;
    return order;
}

} // namespace

const ToolInfo &ToolByIndex(int index) {
    static const ToolOrder order = BuildToolOrder();
    return *order.tool[index];
}
