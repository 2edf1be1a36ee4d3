// System Overview: the value words and the report lines built from a record of readings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "explore/windows_info.h"
#include "tests/report_buffer_helpers.h"

namespace {

struct TextCase {
    int value;
    const char *text;
};

TEST(WindowsInfoWords, PlatformText) {
    const struct {
        char letter;
        const char *text;
    } cases[] = {
        {'N', "Windows NT"}, {'S', "Win32s"}, {'9', "Windows 95"}, {0, "Windows 95"}, {'n', "Windows 95"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.letter));
        EXPECT_STREQ(PlatformText(c.letter), c.text);
    }
}

TEST(WindowsInfoWords, CleanBootText) {
    const TextCase cases[] = {{0, "Normal Boot"},
                              {1, "Fail-Safe Boot"},
                              {2, "Fail-Safe With Network Boot"},
                              {3, "Normal Boot"},
                              {-1, "Normal Boot"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(CleanBootText(c.value), c.text);
    }
}

TEST(WindowsInfoWords, MenuAlignmentText) {
    const TextCase cases[] = {{0, "Left"}, {1, "Right"}, {2, "Left"}, {-1, "Left"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(MenuAlignmentText(c.value), c.text);
    }
}

TEST(WindowsInfoWords, ArrangeStartText) {
    const TextCase cases[] = {
        {0, "Lower left corner"},
        {1, "Lower right corner"},
        {2, "Top left corner"},
        {3, "Top right corner"},
        {4, "Lower left corner"},
        {7, "Top right corner"},
        {8, "Hidden"},
        {9, "Hidden"},
        {10, "Hidden"},
        {15, "Hidden"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(ArrangeStartText(c.value), c.text);
    }
}

TEST(WindowsInfoWords, ArrangeDirectionRunsAwayFromTheStartCorner) {
    const TextCase cases[] = {
        {0, "Horizontally, left to right"}, // bottom left, ARW_RIGHT
        {1, "Horizontally, right to left"}, // bottom right, ARW_LEFT
        {2, "Horizontally, left to right"}, // top left
        {3, "Horizontally, right to left"}, // top right
        {4, "Vertically, bottom to top"},   // bottom left, ARW_UP
        {5, "Vertically, bottom to top"},   // bottom right
        {6, "Vertically, top to bottom"},   // top left, ARW_DOWN
        {7, "Vertically, top to bottom"},   // top right
        {8, "Horizontally, left to right"}, // hidden icons keep the direction their bits give
        {12 | 2, "Vertically, top to bottom"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(ArrangeDirectionText(c.value), c.text);
    }
}

TEST(WindowsInfoWords, SoundSentryEffectText) {
    const TextCase cases[] = {{0, "None"},
                              {1, "Flash title bar of foreground window"},
                              {2, "Flash active window"},
                              {3, "Flash the entire display"},
                              {4, "None"},
                              {99, "None"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(SoundSentryEffectText(static_cast<unsigned long>(c.value)), c.text);
    }
}

TEST(WindowsInfoWords, OnOffText) {
    const TextCase cases[] = {{1, "On"}, {0, "Off"}, {2, "Off"}, {-1, "Off"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_STREQ(OnOffText(c.value), c.text);
    }
}

QueriedValue Known(long v) {
    return QueriedValue{true, v};
}

WindowsInfo SampleInfo() {
    WindowsInfo info = {};
    info.version = 4.0;
    info.build = 950;
    info.platform = '9';
    strcpy(info.windowsDirectory, "C:\\WINDOWS");
    strcpy(info.systemDirectory, "C:\\WINDOWS\\SYSTEM");
    info.network = 3;
    info.cleanBoot = 2;
    info.arrange = 0;
    info.beep = Known(1);
    info.borderWidth = Known(1);
    info.animation = Known(0);
    info.dragFullWindows = Known(0);
    info.fastTaskSwitch = Known(1);
    info.gridGranularity = Known(0);
    info.iconTitleFaceKnown = true;
    strcpy(info.iconTitleFace, "MS Sans Serif");
    info.iconTitleWrap = Known(1);
    info.screenSaveActive = Known(0);
    info.screenSaveTimeout = Known(900);
    info.lowPowerActive = Known(0);
    info.lowPowerTimeout = Known(0);
    info.powerOffActive = Known(0);
    info.powerOffTimeout = Known(0);
    return info;
}

TEST(WindowsInfoReport, WithoutAccessibilityEndsAfterEnergySaving) {
    auto r = NewReport();
    WriteWindowsInfo(*r, SampleInfo());
    const std::vector<std::string> expected = {
        "\006Windows Information",
        "Windows Version\t\0034.00",
        "Windows Build\t\003950",
        "Windows Type\t\003Windows 95",
        "Windows Directory\t\003C:\\WINDOWS",
        "System Directory\t\003C:\\WINDOWS\\SYSTEM",
        "",
        "\006Windows Current State",
        "CPU Mode\t\003Protected",
        "Debug Version Running\t\003No",
        "Double-Byte Character Set\t\003No",
        "Pen Windows Installed\t\003No",
        "Security Present\t\003No",
        "Network Present\t\003Yes",
        "System Running\t\003Fail-Safe With Network Boot",
        "",
        "\006Sounds",
        "Warning Beeper\t\003Yes",
        "Show Sounds\t\003No",
        "",
        "\006Graphics",
        "Window Border Width\t\0031",
        "Menu Alignment\t\003Left",
        "Animation\t\003No",
        "",
        "\006Features",
        "Drag Full Windows\t\003No",
        "Fast Task Switching\t\003Yes",
        "",
        "\006Icons",
        "Icon Grid Granularity\t\0030",
        "Icon Title Font\t\003MS Sans Serif",
        "Icon Title Wrap\t\003On",
        "Arrangement Start\t\003Lower left corner",
        "Arrangement Direction\t\003Horizontally, left to right",
        "",
        "\006Screen Saver",
        "Status\t\003Off",
        "Activation Time\t\003900",
        "",
        "\006Energy Saving Features",
        "Low Power Phase Active\t\003No",
        "Low Power Time-Out\t\0030",
        "Power Off Activated\t\003No",
        "Power Off Time-Out\t\0030",
        "",
    };
    EXPECT_EQ(Lines(*r), expected);
    EXPECT_EQ(r->damage, 0);
}

TEST(WindowsInfoReport, VersionAndBuildFormats) {
    auto r = NewReport();
    WindowsInfo info = SampleInfo();
    info.version = 6.01;
    info.build = 7601.4;
    info.platform = 'N';
    WriteWindowsInfo(*r, info);
    EXPECT_STREQ(r->line[1], "Windows Version\t\0036.01");
    EXPECT_STREQ(r->line[2], "Windows Build\t\0037601");
    EXPECT_STREQ(r->line[3], "Windows Type\t\003Windows NT");
}

TEST(WindowsInfoReport, FailedQueriesShowUnknown) {
    auto r = NewReport();
    WindowsInfo info = {}; // every query failed, no directories
    WriteWindowsInfo(*r, info);
    auto lines = Lines(*r);
    ASSERT_EQ(lines.size(), 46u);
    const char *const unknownLines[] = {
        "Windows Directory\t\003Unknown",  "System Directory\t\003Unknown",
        "Warning Beeper\t\003Unknown",     "Window Border Width\t\003Unknown",
        "Animation\t\003Unknown",          "Icon Title Font\t\003Unknown",
        "Icon Title Wrap\t\003Unknown",    "Status\t\003Unknown",
        "Low Power Time-Out\t\003Unknown",
    };
    for (const char *line : unknownLines) {
        SCOPED_TRACE(line);
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end());
    }
    // System metrics are always answered: a zero reads as No.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Show Sounds\t\003No"), lines.end());
}

TEST(WindowsInfoReport, AccessibilitySectionsInOrderWithTheirFlags) {
    auto r = NewReport();
    WindowsInfo info = SampleInfo();
    AccessibilityInfo &a = info.access;
    a.haveAccessTimeout = true;
    a.accessTimeoutFlags = 0x2;
    a.timeOutMSec = 300000;
    a.haveFilterKeys = true;
    a.filterKeysFlags = 0x2 | 0x40;
    a.waitMSec = 1000;
    a.delayMSec = 500;
    a.repeatMSec = 4294967295ul;
    a.bounceMSec = 0;
    a.haveSoundSentry = true;
    a.soundSentryFlags = 0x1;
    a.windowsEffect = 4;
    a.haveStickyKeys = true;
    a.stickyKeysFlags = 0x80 | 0x100;
    a.haveToggleKeys = true;
    a.toggleKeysFlags = 0x10;
    a.haveMouseKeys = true;
    a.mouseKeysFlags = 0x4;
    a.maxSpeed = 40;
    a.timeToMaxSpeed = 3000;
    a.ctrlSpeed = -1;
    WriteWindowsInfo(*r, info);
    auto lines = Lines(*r);
    const std::vector<std::string> tail = {
        "\006Accessibility Features",
        "Time-Out Available\t\003Yes",
        "Time-Out Enabled\t\003No",
        "Time-Out Period\t\003300000",
        "Time-Out Alarm Active\t\003Yes",
        "",
        "\006Filter Keys",
        "FK Available\t\003Yes",
        "FK Enabled\t\003No",
        "Click Sound On\t\003Yes",
        "Hotkey Activate Enabled\t\003No",
        "Hotkey Sound Active\t\003No",
        "Key Accept Wait Time\t\0031000",
        "Key Delay Time\t\003500",
        "Key Repeat Time\t\0034294967295",
        "Key Bounce Time\t\0030",
        "",
        "\006Sound Sentry",
        "SS Available\t\003No",
        "SS Enabled\t\003Yes",
        "SS Appearance\t\003None",
        "",
        "\006Sticky Keys",
        "SK Available\t\003No",
        "SK Enabled\t\003No",
        "SK Audio Feedback\t\003No",
        "SK Hotkey Active\t\003No",
        "SK Sound Active\t\003No",
        "SK Tristate Active\t\003Yes",
        "SK Two Keys Off Active\t\003Yes",
        "",
        "\006Toggle Keys",
        "TK Available\t\003No",
        "TK Enabled\t\003No",
        "TK Hotkey Active\t\003No",
        "TK Sound Active\t\003Yes",
        "",
        "\006Mouse Keys",
        "MK Available\t\003No",
        "MK Enabled\t\003No",
        "MK Hotkey Active\t\003Yes",
        "MK Sound Active\t\003No",
        "MK Maximum Speed\t\00340",
        "MK Time To Maximum Speed\t\0033000",
        "MK Control Speed\t\003-1",
        "",
    };
    ASSERT_EQ(lines.size(), 46u + tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 46, lines.end()), tail);
}

TEST(WindowsInfoReport, AFailedSectionIsLeftOutWhole) {
    auto r = NewReport();
    WindowsInfo info = SampleInfo();
    info.access.haveSoundSentry = true;
    info.access.windowsEffect = 3;
    info.access.haveMouseKeys = true;
    WriteWindowsInfo(*r, info);
    auto lines = Lines(*r);
    ASSERT_EQ(lines.size(), 46u + 5u + 9u);
    EXPECT_EQ(lines[46], "\006Sound Sentry");
    EXPECT_EQ(lines[49], "SS Appearance\t\003Flash the entire display");
    EXPECT_EQ(lines[50], "");
    EXPECT_EQ(lines[51], "\006Mouse Keys");
    EXPECT_EQ(lines.back(), "");
}

TEST(WindowsInfoReport, OverLongDirectoryIsCutAndSaysSo) {
    auto r = NewReport();
    WindowsInfo info = SampleInfo();
    memset(info.windowsDirectory, 'D', sizeof info.windowsDirectory); // not even terminated
    WriteWindowsInfo(*r, info);
    EXPECT_EQ(strlen(r->line[4]), 255u);
    EXPECT_EQ(std::string(r->line[4]).rfind("Windows Directory\t\003DDDD", 0), 0u);
    EXPECT_NE(r->damage & kReportLineCut, 0);
    int count = EndReport(*r);
    EXPECT_EQ(std::string(r->line[count - 1]).rfind(kReportCutCaption, 0), 0u);
}

} // namespace
