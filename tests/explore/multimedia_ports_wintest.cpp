// The multimedia report against Wine's real set of sound devices.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "explore/multimedia_ports.h"
#include "tests/wintest_env.h"

namespace {

TEST(ExploreMultimediaReport, CountsFromTheSystemAndQuickHelpForEveryCaption) {
    auto lines = RunTool(ExploreMultimedia);
    std::vector<std::string> counts;
    for (const std::string &line : lines)
        if (_strnicmp(line.c_str(), "Number of Devices\t\003", 19) == 0)
            counts.push_back(line.substr(19));
    EXPECT_EQ(counts, (std::vector<std::string>{
                          std::to_string(waveInGetNumDevs()), std::to_string(waveOutGetNumDevs()),
                          std::to_string(midiInGetNumDevs()), std::to_string(midiOutGetNumDevs()),
                          std::to_string(auxGetNumDevs())}));
    ExpectClicksFindCaptions(2263, lines);

    // Two devices of each kind: the first answers with every bit set, the second's query fails.
    AudioDeviceSource source = {nullptr, [](void *, AudioDeviceKind) { return 2; },
                                [](void *, AudioDeviceKind, int index, AudioDeviceCaps *caps) {
                                    *caps = {"Device", 0x0100, 0xFFF, 2, 0xF, 3, 8, 8, 0xFFFF};
                                    return index == 0;
                                }};
    BeginReport(*g_report);
    WriteMultimediaReport(*g_report, source);
    lines = ReportLines();
    lines.push_back("Unknown Device"); // shown as a red heading, but a caption all the same
    ExpectClicksFindCaptions(2263, lines);
}

} // namespace
