// System Overview: value words and the report lines built from the readings.
#include "explore/windows_info.h"

namespace {

// SM_ARRANGE bits.
constexpr int kArrangeHide = 8;
constexpr int kArrangeVertical = 4; // ARW_UP / ARW_DOWN
constexpr int kArrangeStartMask = 3;
constexpr int kArrangeRightCorner = 1; // ARW_BOTTOMRIGHT and ARW_TOPRIGHT
constexpr int kArrangeTopCorner = 2;   // ARW_TOPLEFT and ARW_TOPRIGHT

const char *const kBlueUnknown = "\003Unknown";

void Heading(ReportBuffer &report, const char *title) {
    AddReportLine(report, "\006%s", title);
}

void Blank(ReportBuffer &report) {
    AddReportLine(report, "%s", "");
}

// "Caption<tab>Yes/No" for a value that is always supplied.
void Flag(ReportBuffer &report, const char *caption, unsigned long value) {
    AddReportLine(report, "%s\t%s", caption, YesNoMark(value));
}

// The same for a queried value: "Unknown" when the query failed.
void Flag(ReportBuffer &report, const char *caption, const QueriedValue &v) {
    AddReportLine(report, "%s\t%s", caption,
                  v.known ? YesNoMark(static_cast<unsigned long>(v.value)) : kBlueUnknown);
}

void Text(ReportBuffer &report, const char *caption, const char *value) {
    AddReportLine(report, "%s\t\003%s", caption, value);
}

void Number(ReportBuffer &report, const char *caption, const QueriedValue &v) {
    if (v.known)
        AddReportLine(report, "%s\t\003%ld", caption, v.value);
    else
        Text(report, caption, kUnknownValue);
}

void OnOff(ReportBuffer &report, const char *caption, const QueriedValue &v) {
    Text(report, caption, v.known ? OnOffText(v.value) : kUnknownValue);
}

void Milliseconds(ReportBuffer &report, const char *caption, unsigned long value) {
    AddReportLine(report, "%s\t\003%lu", caption, value);
}

void Speed(ReportBuffer &report, const char *caption, long value) {
    AddReportLine(report, "%s\t\003%ld", caption, value);
}

// A text held in a fixed array of the record: never read past the array, even unterminated.
void FixedText(ReportBuffer &report, const char *caption, const char *text, int size) {
    if (text[0])
        AddReportLine(report, "%s\t\003%.*s", caption, size - 1, text);
    else
        Text(report, caption, kUnknownValue);
}

void WriteAccessibility(ReportBuffer &report, const AccessibilityInfo &a) {
    if (a.haveAccessTimeout) {
        Heading(report, "Accessibility Features");
        Flag(report, "Time-Out Available", 1ul);
        Flag(report, "Time-Out Enabled", a.accessTimeoutFlags & 0x1);
        Milliseconds(report, "Time-Out Period", a.timeOutMSec);
        Flag(report, "Time-Out Alarm Active", a.accessTimeoutFlags & 0x2);
        Blank(report);
    }
    if (a.haveFilterKeys) {
        Heading(report, "Filter Keys");
        Flag(report, "FK Available", a.filterKeysFlags & 0x2);
        Flag(report, "FK Enabled", a.filterKeysFlags & 0x1);
        Flag(report, "Click Sound On", a.filterKeysFlags & 0x40);
        Flag(report, "Hotkey Activate Enabled", a.filterKeysFlags & 0x4);
        Flag(report, "Hotkey Sound Active", a.filterKeysFlags & 0x10);
        Milliseconds(report, "Key Accept Wait Time", a.waitMSec);
        Milliseconds(report, "Key Delay Time", a.delayMSec);
        Milliseconds(report, "Key Repeat Time", a.repeatMSec);
        Milliseconds(report, "Key Bounce Time", a.bounceMSec);
        Blank(report);
    }
    if (a.haveSoundSentry) {
        Heading(report, "Sound Sentry");
        Flag(report, "SS Available", a.soundSentryFlags & 0x2);
        Flag(report, "SS Enabled", a.soundSentryFlags & 0x1);
        Text(report, "SS Appearance", SoundSentryEffectText(a.windowsEffect));
        Blank(report);
    }
    if (a.haveStickyKeys) {
        Heading(report, "Sticky Keys");
        Flag(report, "SK Available", a.stickyKeysFlags & 0x2);
        Flag(report, "SK Enabled", a.stickyKeysFlags & 0x1);
        Flag(report, "SK Audio Feedback", a.stickyKeysFlags & 0x40);
        Flag(report, "SK Hotkey Active", a.stickyKeysFlags & 0x4);
        Flag(report, "SK Sound Active", a.stickyKeysFlags & 0x10);
        Flag(report, "SK Tristate Active", a.stickyKeysFlags & 0x80);
        Flag(report, "SK Two Keys Off Active", a.stickyKeysFlags & 0x100);
        Blank(report);
    }
    if (a.haveToggleKeys) {
        Heading(report, "Toggle Keys");
        Flag(report, "TK Available", a.toggleKeysFlags & 0x2);
        Flag(report, "TK Enabled", a.toggleKeysFlags & 0x1);
        Flag(report, "TK Hotkey Active", a.toggleKeysFlags & 0x4);
        Flag(report, "TK Sound Active", a.toggleKeysFlags & 0x10);
        Blank(report);
    }
    if (a.haveMouseKeys) {
        Heading(report, "Mouse Keys");
        Flag(report, "MK Available", a.mouseKeysFlags & 0x2);
        Flag(report, "MK Enabled", a.mouseKeysFlags & 0x1);
        Flag(report, "MK Hotkey Active", a.mouseKeysFlags & 0x4);
        Flag(report, "MK Sound Active", a.mouseKeysFlags & 0x10);
        Speed(report, "MK Maximum Speed", a.maxSpeed);
        Speed(report, "MK Time To Maximum Speed", a.timeToMaxSpeed);
        Speed(report, "MK Control Speed", a.ctrlSpeed);
        Blank(report);
    }
}

} // namespace

const char *PlatformText(char platform) {
    switch (platform) {
        case 'N':
            return "Windows NT";
        case 'S':
            return "Win32s";
        default:
            return "Windows 95";
    }
}

const char *CleanBootText(int cleanBoot) {
    switch (cleanBoot) {
        case 1:
            return "Fail-Safe Boot";
        case 2:
            return "Fail-Safe With Network Boot";
        default:
            return "Normal Boot";
    }
}

const char *MenuAlignmentText(int menuDropAlignment) {
    return menuDropAlignment == 1 ? "Right" : "Left";
}

const char *ArrangeStartText(int arrange) {
    if (arrange & kArrangeHide)
        return "Hidden";
    static const char *const kCorners[4] = {"Lower left corner", "Lower right corner", "Top left corner",
                                            "Top right corner"};
    return kCorners[arrange & kArrangeStartMask];
}

const char *ArrangeDirectionText(int arrange) {
    int start = arrange & kArrangeStartMask;
    if (arrange & kArrangeVertical)
        return (start & kArrangeTopCorner) ? "Vertically, top to bottom" : "Vertically, bottom to top";
    return (start & kArrangeRightCorner) ? "Horizontally, right to left" : "Horizontally, left to right";
}

const char *SoundSentryEffectText(unsigned long windowsEffect) {
    switch (windowsEffect) {
        case 1:
            return "Flash title bar of foreground window";
        case 2:
            return "Flash active window";
        case 3:
            return "Flash the entire display";
        default:
            return "None";
    }
}

const char *OnOffText(long value) {
    return value == 1 ? "On" : "Off";
}

void WriteWindowsInfo(ReportBuffer &report, const WindowsInfo &info) {
    Heading(report, "Windows Information");
    AddReportLine(report, "Windows Version\t\003%.2f", info.version);
    AddReportLine(report, "Windows Build\t\003%.0f", info.build);
    Text(report, "Windows Type", PlatformText(info.platform));
    FixedText(report, "Windows Directory", info.windowsDirectory, kWindowsInfoPathSize);
    FixedText(report, "System Directory", info.systemDirectory, kWindowsInfoPathSize);
    Blank(report);

    Heading(report, "Windows Current State");
    Text(report, "CPU Mode", "Protected");
    Flag(report, "Debug Version Running", static_cast<unsigned long>(info.debug));
    Flag(report, "Double-Byte Character Set", static_cast<unsigned long>(info.dbcsEnabled));
    Flag(report, "Pen Windows Installed", static_cast<unsigned long>(info.penWindows));
    Flag(report, "Security Present", static_cast<unsigned long>(info.secure));
    Flag(report, "Network Present", static_cast<unsigned long>(info.network & 1));
    Text(report, "System Running", CleanBootText(info.cleanBoot));
    Blank(report);

    Heading(report, "Sounds");
    Flag(report, "Warning Beeper", info.beep);
    Flag(report, "Show Sounds", static_cast<unsigned long>(info.showSounds));
    Blank(report);

    Heading(report, "Graphics");
    Number(report, "Window Border Width", info.borderWidth);
    Text(report, "Menu Alignment", MenuAlignmentText(info.menuDropAlignment));
    Flag(report, "Animation", info.animation);
    Blank(report);

    Heading(report, "Features");
    Flag(report, "Drag Full Windows", info.dragFullWindows);
    Flag(report, "Fast Task Switching", info.fastTaskSwitch);
    Blank(report);

    Heading(report, "Icons");
    Number(report, "Icon Grid Granularity", info.gridGranularity);
    if (info.iconTitleFaceKnown)
        FixedText(report, "Icon Title Font", info.iconTitleFace, kWindowsInfoFaceSize);
    else
        Text(report, "Icon Title Font", kUnknownValue);
    OnOff(report, "Icon Title Wrap", info.iconTitleWrap);
    Text(report, "Arrangement Start", ArrangeStartText(info.arrange));
    Text(report, "Arrangement Direction", ArrangeDirectionText(info.arrange));
    Blank(report);

    Heading(report, "Screen Saver");
    OnOff(report, "Status", info.screenSaveActive);
    Number(report, "Activation Time", info.screenSaveTimeout);
    Blank(report);

    Heading(report, "Energy Saving Features");
    Flag(report, "Low Power Phase Active", info.lowPowerActive);
    Number(report, "Low Power Time-Out", info.lowPowerTimeout);
    Flag(report, "Power Off Activated", info.powerOffActive);
    Number(report, "Power Off Time-Out", info.powerOffTimeout);
    Blank(report);

    WriteAccessibility(report, info.access);
}
