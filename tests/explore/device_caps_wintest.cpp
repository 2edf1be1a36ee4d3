// Video and Printers in the real Main Screen, read from Wine's display driver and printer list.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/globals_win.h"
#include "explore/device_caps.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "tests/wintest_env.h"

namespace {

TEST(VideoOnWine, CardNameThenEveryCapabilityOfTheDisplay) {
    EquipmentRecord saved = *g_equipment;
    strcpy(g_equipment->videoCardName, "Test Video Card");
    auto lines = RunTool(ExploreVideo);
    *g_equipment = saved;
    ASSERT_EQ(lines.size(), 83u);
    EXPECT_EQ(lines[0], "\006\002Test Video Card");
    EXPECT_EQ(lines[2], "Technology\t\003Raster Display");
    HDC dc = GetDC(g_app.mainScreen);
    for (int i = 0; i < kDeviceCapsLineCount; ++i) {
        int value = GetDeviceCaps(dc, kDeviceCapsLines[i].index);
        EXPECT_EQ(lines[3 + i],
                  std::string(kDeviceCapsLines[i].caption) + "\t" +
                      (kDeviceCapsLines[i].index == kCapsClipCaps ? YesNoMark(value)
                                                                  : "\003" + std::to_string(value)));
    }
    size_t slot = 3 + kDeviceCapsLineCount;
    for (int g = 0; g < kCapabilityGroupCount; ++g) {
        const CapabilityGroup &group = kCapabilityGroups[g];
        EXPECT_EQ(lines[slot++], group.title);
        unsigned bits = static_cast<unsigned>(GetDeviceCaps(dc, group.index));
        for (int b = 0; b < group.bitCount; ++b)
            EXPECT_EQ(lines[slot++], std::string("     ") + group.bits[b].caption + "\t" +
                                         YesNoMark(bits & group.bits[b].bit));
    }
    ReleaseDC(g_app.mainScreen, dc);
    ExpectClicksFindCaptions(2269, lines);
}

DWORD WINAPI TryPrinterLock(void *) {
    if (!TryEnterCriticalSection(&g_app.printerLock))
        return 0;
    LeaveCriticalSection(&g_app.printerLock);
    return 1;
}

TEST(PrintersOnWine, TheReportFreesThePrinterLockAndQuickHelpCoversEveryCaption) {
    RunTool(ExplorePrinters);
    HANDLE thread = CreateThread(nullptr, 0, TryPrinterLock, nullptr, 0, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
    DWORD free = 0;
    GetExitCodeThread(thread, &free);
    CloseHandle(thread);
    EXPECT_EQ(free, 1u);

    // The lines of a printer with papers and resolutions, as the report writes them.
    BeginReport(*g_report);
    for (const char *line :
         {"\006\002Some Printer", "Driver\t\003Some Driver", "Port\t\003LPT1:", "Description\t\003"})
        AddReportLine(*g_report, "%s", line);
    WriteDeviceCapsBlock(*g_report, DeviceCapsValues{});
    const uint16_t papers[] = {1, 9};
    const int32_t resolutions[] = {300, 300};
    WritePaperBlock(*g_report, PaperInfo{0x400, 2, papers, 2, 1, resolutions, 1, 1, 0});
    ExpectClicksFindCaptions(2265, ReportLines());
}

} // namespace
