// System Overview: value words and the report lines built from the readings.
#include "explore/windows_info.h"

#include <cstdarg>
#include <cstdio>

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

// A text held in a fixed array of the record: never read past the array, even unterminated.
void FixedText(ReportBuffer &report, const char *caption, const char *text, int size) {
    if (text[0])
        AddReportLine(report, "%s\t\003%.*s", caption, size - 1, text);
    else
        Text(report, caption, kUnknownValue);
}

// One line of an accessibility section: a Yes/No flag from a bit of the section's dwFlags, or one of
// the section's values.
struct AccessLine {
    const char *caption;
    unsigned long bit; // a dwFlags bit, kAccessValue or kAccessRead
};

// Not a flag: the section's next value.
constexpr unsigned long kAccessValue = 0;
// A flag that is Yes whenever the section's query answered.
constexpr unsigned long kAccessRead = ~0ul;

struct AccessSection {
    const char *title;
    const AccessLine *lines;
    int lineCount;
};

const AccessLine kTimeOutLines[] = {{"Time-Out Available", kAccessRead},
                                    {"Time-Out Enabled", 0x1},
                                    {"Time-Out Period", kAccessValue},
                                    {"Time-Out Alarm Active", 0x2}};

const AccessLine kFilterKeysLines[] = {{"FK Available", 0x2},
                                       {"FK Enabled", 0x1},
                                       {"Click Sound On", 0x40},
                                       {"Hotkey Activate Enabled", 0x4},
                                       {"Hotkey Sound Active", 0x10},
                                       {"Key Accept Wait Time", kAccessValue},
                                       {"Key Delay Time", kAccessValue},
                                       {"Key Repeat Time", kAccessValue},
                                       {"Key Bounce Time", kAccessValue}};

const AccessLine kSoundSentryLines[] = {
    {"SS Available", 0x2}, {"SS Enabled", 0x1}, {"SS Appearance", kAccessValue}};

const AccessLine kStickyKeysLines[] = {{"SK Available", 0x2},
                                       {"SK Enabled", 0x1},
                                       {"SK Audio Feedback", 0x40},
                                       {"SK Hotkey Active", 0x4},
                                       {"SK Sound Active", 0x10},
                                       {"SK Tristate Active", 0x80},
                                       {"SK Two Keys Off Active", 0x100}};

const AccessLine kToggleKeysLines[] = {
    {"TK Available", 0x2}, {"TK Enabled", 0x1}, {"TK Hotkey Active", 0x4}, {"TK Sound Active", 0x10}};

const AccessLine kMouseKeysLines[] = {{"MK Available", 0x2},
                                      {"MK Enabled", 0x1},
                                      {"MK Hotkey Active", 0x4},
                                      {"MK Sound Active", 0x10},
                                      {"MK Maximum Speed", kAccessValue},
                                      {"MK Time To Maximum Speed", kAccessValue},
                                      {"MK Control Speed", kAccessValue}};

template <int N> constexpr AccessSection Section(const char *title, const AccessLine (&lines)[N]) {
    return {title, lines, N};
}

const AccessSection kTimeOutSection = Section("Accessibility Features", kTimeOutLines);
const AccessSection kFilterKeysSection = Section("Filter Keys", kFilterKeysLines);
const AccessSection kSoundSentrySection = Section("Sound Sentry", kSoundSentryLines);
const AccessSection kStickyKeysSection = Section("Sticky Keys", kStickyKeysLines);
const AccessSection kToggleKeysSection = Section("Toggle Keys", kToggleKeysLines);
const AccessSection kMouseKeysSection = Section("Mouse Keys", kMouseKeysLines);

// The text of one value line of a section.
struct AccessValue {
    char text[48];
};

AccessValue Value(const char *format, ...) __attribute__((format(printf, 1, 2)));
AccessValue Value(const char *format, ...) {
    AccessValue v;
    va_list args;
    va_start(args, format);
    vsnprintf(v.text, sizeof v.text, format, args);
    va_end(args);
    return v;
}

// Writes a section: its heading, its lines in table order (the values in the order given) and an
// empty line.
void WriteAccessSection(ReportBuffer &report, const AccessSection &section, unsigned long flags,
                        const AccessValue *values, int valueCount) {
    Heading(report, section.title);
    int next = 0;
    for (int i = 0; i < section.lineCount; ++i) {
        const AccessLine &line = section.lines[i];
        if (line.bit == kAccessValue)
            Text(report, line.caption, next < valueCount ? values[next++].text : kUnknownValue);
        else
            Flag(report, line.caption, line.bit == kAccessRead ? 1ul : flags & line.bit);
    }
    Blank(report);
}

template <int N>
void WriteAccessSection(ReportBuffer &report, const AccessSection &section, unsigned long flags,
                        const AccessValue (&values)[N]) {
    WriteAccessSection(report, section, flags, values, N);
}

void WriteAccessSection(ReportBuffer &report, const AccessSection &section, unsigned long flags) {
    WriteAccessSection(report, section, flags, nullptr, 0);
}

void WriteAccessibility(ReportBuffer &report, const AccessibilityInfo &a) {
    if (a.haveAccessTimeout) {
        const AccessValue values[] = {Value("%lu", a.timeOutMSec)};
        WriteAccessSection(report, kTimeOutSection, a.accessTimeoutFlags, values);
    }
    if (a.haveFilterKeys) {
        const AccessValue values[] = {Value("%lu", a.waitMSec), Value("%lu", a.delayMSec),
                                      Value("%lu", a.repeatMSec), Value("%lu", a.bounceMSec)};
        WriteAccessSection(report, kFilterKeysSection, a.filterKeysFlags, values);
    }
    if (a.haveSoundSentry) {
        const AccessValue values[] = {Value("%s", SoundSentryEffectText(a.windowsEffect))};
        WriteAccessSection(report, kSoundSentrySection, a.soundSentryFlags, values);
    }
    if (a.haveStickyKeys)
        WriteAccessSection(report, kStickyKeysSection, a.stickyKeysFlags);
    if (a.haveToggleKeys)
        WriteAccessSection(report, kToggleKeysSection, a.toggleKeysFlags);
    if (a.haveMouseKeys) {
        const AccessValue values[] = {Value("%ld", a.maxSpeed), Value("%ld", a.timeToMaxSpeed),
                                      Value("%ld", a.ctrlSpeed)};
        WriteAccessSection(report, kMouseKeysSection, a.mouseKeysFlags, values);
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
