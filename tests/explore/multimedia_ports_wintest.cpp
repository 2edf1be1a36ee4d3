// The multimedia report against Wine's real (empty) set of sound devices.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/globals_win.h"
#include "report/report_lines.h"
#include "explore/explore_win.h"
#include "report/quick_help.h"
#include "tests/wintest_env.h"

namespace {

std::vector<std::string> RunMultimedia() {
    SendMessageA(g_app.mainScreen, LB_RESETCONTENT, 0, 0);
    ExploreMultimedia(g_app.mainScreen);
    EXPECT_EQ(SendMessageA(g_app.mainScreen, LB_GETCOUNT, 0, 0), g_report->count);
    std::vector<std::string> lines;
    for (int i = 0; i < g_report->count; ++i)
        lines.push_back(g_report->line[i]);
    return lines;
}

int IndexOf(const std::vector<std::string> &lines, const std::string &line) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == line)
            return static_cast<int>(i);
    return -1;
}

TEST(ExploreMultimediaReport, SectionsInOrderWithTheSystemsCounts) {
    auto lines = RunMultimedia();
    struct Section {
        const char *heading;
        const char *countCaption;
        unsigned count;
    } sections[] = {
        {"\006Waveform Input Devices", "Number Of Devices", waveInGetNumDevs()},
        {"\006Waveform Output Devices", "Number Of Devices", waveOutGetNumDevs()},
        {"\006Midi Input Devices", "Number of Devices", midiInGetNumDevs()},
        {"\006Midi Output Devices", "Number of Devices", midiOutGetNumDevs()},
        {"\006Auxiliary Audio Devices", "Number of Devices", auxGetNumDevs()},
    };
    int previous = -1;
    for (const Section &s : sections) {
        SCOPED_TRACE(s.heading + 1);
        int at = IndexOf(lines, s.heading);
        ASSERT_GT(at, previous);
        ASSERT_LT(at + 1, static_cast<int>(lines.size()));
        EXPECT_EQ(lines[at + 1], std::string(s.countCaption) + "\t\003" + std::to_string(s.count));
        if (previous >= 0) {
            EXPECT_EQ(lines[at - 1], "");
            EXPECT_EQ(lines[at - 2], "");
        }
        previous = at;
    }
    if (waveInGetNumDevs() + waveOutGetNumDevs() + midiInGetNumDevs() + midiOutGetNumDevs() +
            auxGetNumDevs() ==
        0) {
        EXPECT_EQ(lines.size(), 19u);
        EXPECT_EQ(lines.back(), "Number of Devices\t\0030");
    }
}

TEST(ExploreMultimediaReport, EveryCaptionHasQuickHelp) {
    auto lines = RunMultimedia();
    std::vector<std::string> help = QuickHelpLines(2263);
    ASSERT_GT(help.size(), 10u);
    EXPECT_EQ(help[0], "OVERVIEW");
    for (const std::string &line : lines) {
        if (line.compare(0, 2, "\006\002") == 0 && line != "\006\002Unknown Device")
            continue; // a device's own name
        char key[kHelpKeyLength + 1];
        if (!BuildHelpSearchKey(line.c_str(), key))
            continue;
        bool matched = false;
        for (const std::string &h : help)
            matched = matched || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(matched) << "no Quick Help caption for \"" << key << "\"";
    }
}

TEST(ExploreMultimediaReport, FixedCaptionsAllHaveQuickHelp) {
    // Captions that only appear with real devices, checked against the text directly.
    const char *captions[] = {"Version",        "Supports",
                              "Formats",        "Channels",
                              "Pitch Control",  "Playback Rate Control",
                              "Volume Control", "Channel Volume Control",
                              "Technology",     "Voices",
                              "Notes",          "Channel 0",
                              "Channel 9",      "Channel 10",
                              "Channel 15",     "Patch Caching",
                              "Source",         "Unknown Device",
                              "Capabilities",   "Report Cut Short"};
    std::vector<std::string> help = QuickHelpLines(2263);
    for (const char *caption : captions) {
        SCOPED_TRACE(caption);
        std::string line = std::string(caption) + "\t\003x";
        char key[kHelpKeyLength + 1];
        ASSERT_TRUE(BuildHelpSearchKey(line.c_str(), key));
        bool matched = false;
        for (const std::string &h : help)
            matched = matched || HelpLineMatches(h.c_str(), key);
        EXPECT_TRUE(matched);
    }
}

} // namespace
