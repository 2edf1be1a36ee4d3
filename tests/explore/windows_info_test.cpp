// System Overview: the value words and the report lines built from a record of readings.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "explore/windows_info.h"
#include "tests/report_buffer_helpers.h"

namespace {

TEST(WindowsInfoWords, CodedValuesAndTheirFallbacks) {
    EXPECT_STREQ(PlatformText('N'), "Windows NT");
    EXPECT_STREQ(PlatformText('S'), "Win32s");
    EXPECT_STREQ(PlatformText('n'), "Windows 95");
    const struct {
        int value;
        const char *cleanBoot, *menu, *effect, *onOff;
    } cases[] = {{0, "Normal Boot", "Left", "None", "Off"},
                 {1, "Fail-Safe Boot", "Right", "Flash title bar of foreground window", "On"},
                 {2, "Fail-Safe With Network Boot", "Left", "Flash active window", "Off"},
                 {3, "Normal Boot", "Left", "Flash the entire display", "Off"},
                 {4, "Normal Boot", "Left", "None", "Off"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(CleanBootText(c.value), c.cleanBoot);
        EXPECT_STREQ(MenuAlignmentText(c.value), c.menu);
        EXPECT_STREQ(SoundSentryEffectText(static_cast<unsigned long>(c.value)), c.effect);
        EXPECT_STREQ(OnOffText(c.value), c.onOff);
    }
}

TEST(WindowsInfoWords, IconsRunAwayFromTheStartCorner) {
    const struct {
        int arrange;
        const char *start;
        const char *direction;
    } cases[] = {
        {0, "Lower left corner", "Horizontally, left to right"},
        {1, "Lower right corner", "Horizontally, right to left"},
        {3, "Top right corner", "Horizontally, right to left"},
        {4, "Lower left corner", "Vertically, bottom to top"},
        {6, "Top left corner", "Vertically, top to bottom"},
        {8, "Hidden", "Horizontally, left to right"}, // hidden icons keep the direction their bits give
        {15, "Hidden", "Vertically, top to bottom"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arrange);
        EXPECT_STREQ(ArrangeStartText(c.arrange), c.start);
        EXPECT_STREQ(ArrangeDirectionText(c.arrange), c.direction);
    }
}

constexpr QueriedValue Known(long v) {
    return QueriedValue{true, v};
}

// Windows 95 with its directories, a network word without the "present" bit, fail-safe with network
// boot, icons from the lower right corner, then the parameter queries (all answered) and no
// accessibility readings.
WindowsInfo SampleInfo() {
    WindowsInfo info = {4.0,        950,      '9',      "",       "",        0,
                        0,          0,        0,        2,        2,         0,
                        0,          1,        Known(1), Known(1), Known(0),  Known(0),
                        Known(1),   Known(0), true,     "",       Known(1),  Known(0),
                        Known(900), Known(1), Known(0), Known(0), Known(60), AccessibilityInfo()};
    strcpy(info.windowsDirectory, "C:\\WINDOWS");
    strcpy(info.systemDirectory, "C:\\WINDOWS\\SYSTEM");
    strcpy(info.iconTitleFace, "MS Sans Serif");
    return info;
}

const std::string kOverview =
    "\006Windows Information\nWindows Version\t\0034.00\nWindows Build\t\003950\n"
    "Windows Type\t\003Windows 95\nWindows Directory\t\003C:\\WINDOWS\n"
    "System Directory\t\003C:\\WINDOWS\\SYSTEM\n\n"
    "\006Windows Current State\nCPU Mode\t\003Protected\nDebug Version Running\t\003No\n"
    "Double-Byte Character Set\t\003No\nPen Windows Installed\t\003No\nSecurity Present\t\003No\n"
    "Network Present\t\003No\nSystem Running\t\003Fail-Safe With Network Boot\n\n"
    "\006Sounds\nWarning Beeper\t\003Yes\nShow Sounds\t\003No\n\n"
    "\006Graphics\nWindow Border Width\t\0031\nMenu Alignment\t\003Left\nAnimation\t\003No\n\n"
    "\006Features\nDrag Full Windows\t\003No\nFast Task Switching\t\003Yes\n\n"
    "\006Icons\nIcon Grid Granularity\t\0030\nIcon Title Font\t\003MS Sans Serif\nIcon Title Wrap\t\003On\n"
    "Arrangement Start\t\003Lower right corner\nArrangement Direction\t\003Horizontally, right to left\n\n"
    "\006Screen Saver\nStatus\t\003Off\nActivation Time\t\003900\n\n"
    "\006Energy Saving Features\nLow Power Phase Active\t\003Yes\nLow Power Time-Out\t\0030\n"
    "Power Off Activated\t\003No\nPower Off Time-Out\t\00360\n\n";

TEST(WindowsInfoReport, WithoutAccessibilityEndsAfterEnergySaving) {
    auto r = NewReport();
    WriteWindowsInfo(*r, SampleInfo());
    EXPECT_EQ(ReportText(*r), kOverview);
    EXPECT_EQ(r->damage, 0);
}

TEST(WindowsInfoReport, FailedQueriesShowUnknown) {
    auto r = NewReport();
    WindowsInfo info = {};       // every query failed, no directories
    info.iconTitleFace[0] = 'X'; // a face without its query's success is not shown
    WriteWindowsInfo(*r, info);
    auto lines = Lines(*r);
    ASSERT_EQ(lines.size(), 46u);
    for (int i : {4, 5, 17, 21, 23, 26, 27, 30, 31, 32, 37, 38, 41, 42, 43, 44}) {
        SCOPED_TRACE(lines[i]);
        EXPECT_NE(lines[i].find("\t\003Unknown"), std::string::npos);
    }
}

TEST(WindowsInfoReport, AccessibilitySectionsInOrderWithTheirFlags) {
    WindowsInfo info = SampleInfo();
    // Time-out, filter keys, sound sentry, sticky keys, toggle keys and mouse keys, each read.
    info.access = {true, 0x2,  300000, true, 0x42, 1000, 500, 4294967295ul, 0,    true, 0x1,
                   3,    true, 0x180,  true, 0x10, true, 0x4, 40,           3000, -1};
    const std::string sections[] = {
        "\006Accessibility Features\nTime-Out Available\t\003Yes\nTime-Out Enabled\t\003No\n"
        "Time-Out Period\t\003300000\nTime-Out Alarm Active\t\003Yes\n\n",
        "\006Filter Keys\nFK Available\t\003Yes\nFK Enabled\t\003No\nClick Sound On\t\003Yes\n"
        "Hotkey Activate Enabled\t\003No\nHotkey Sound Active\t\003No\nKey Accept Wait Time\t\0031000\n"
        "Key Delay Time\t\003500\nKey Repeat Time\t\0034294967295\nKey Bounce Time\t\0030\n\n",
        "\006Sound Sentry\nSS Available\t\003No\nSS Enabled\t\003Yes\n"
        "SS Appearance\t\003Flash the entire display\n\n",
        "\006Sticky Keys\nSK Available\t\003No\nSK Enabled\t\003No\nSK Audio Feedback\t\003No\n"
        "SK Hotkey Active\t\003No\nSK Sound Active\t\003No\nSK Tristate Active\t\003Yes\n"
        "SK Two Keys Off Active\t\003Yes\n\n",
        "\006Toggle Keys\nTK Available\t\003No\nTK Enabled\t\003No\nTK Hotkey Active\t\003No\n"
        "TK Sound Active\t\003Yes\n\n",
        "\006Mouse Keys\nMK Available\t\003No\nMK Enabled\t\003No\nMK Hotkey Active\t\003Yes\n"
        "MK Sound Active\t\003No\nMK Maximum Speed\t\00340\nMK Time To Maximum Speed\t\0033000\n"
        "MK Control Speed\t\003-1\n\n"};
    auto r = NewReport();
    WriteWindowsInfo(*r, info);
    std::string all = kOverview;
    for (const std::string &section : sections)
        all += section;
    EXPECT_EQ(ReportText(*r), all);

    // A section whose query failed is left out whole.
    info.access.haveFilterKeys = info.access.haveStickyKeys = info.access.haveToggleKeys = false;
    auto some = NewReport();
    WriteWindowsInfo(*some, info);
    EXPECT_EQ(ReportText(*some), kOverview + sections[0] + sections[2] + sections[5]);
}

TEST(WindowsInfoReport, UnterminatedDirectoryIsCutAndSaysSo) {
    auto r = NewReport();
    WindowsInfo info = SampleInfo();
    memset(info.windowsDirectory, 'D', sizeof info.windowsDirectory);
    WriteWindowsInfo(*r, info);
    EXPECT_EQ(std::string(r->line[4]), "Windows Directory\t\003" + std::string(255 - 19, 'D'));
    EXPECT_EQ(std::string(r->line[5]), "System Directory\t\003C:\\WINDOWS\\SYSTEM");
    EXPECT_NE(r->damage & kReportLineCut, 0);
}

} // namespace
