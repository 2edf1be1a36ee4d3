#include "check/window_chain.h"

#include <cstring>

#include "check/list_checks.h"

const char *const kWindowChainTestNames[kWindowChainTests] = {"Visibility test",
                                                              "Popup + Child test",
                                                              "Caption + DlgFrame test",
                                                              "Sysmenu + No Caption test",
                                                              "Process ID validation test",
                                                              "Thread ID validation test",
                                                              "Style consistency test",
                                                              "Size test",
                                                              "Dimensions test",
                                                              "Placement test",
                                                              "Placement info test",
                                                              "Keyboard focus test"};

namespace {

uint32_t Bit(int test, bool fails) {
    return fails ? 1u << test : 0u;
}

} // namespace

uint32_t WindowChainFailures(const WindowChainFacts &f) {
    uint32_t style = f.style;
    bool anyCaptionBit = (style & kWindowCaption) != 0;
    // A dialog frame without a border has no title bar, so nothing that lives in a title bar (system
    // menu, minimize and maximize boxes) can be shown on it.
    bool dialogFrameOnly = (style & kWindowCaption) == kWindowDialogFrame;
    bool titleBarParts = (style & (kWindowSystemMenu | kWindowMinimizeBox | kWindowMaximizeBox)) != 0;
    const ScreenRect &r = f.window;
    uint32_t failures = 0;
    // For a top-level window the system's visibility is its own visible style bit: a difference means
    // the window's data disagree with themselves.
    failures |= Bit(kTestVisibility, f.visible != ((style & kWindowVisibleStyle) != 0));
    failures |= Bit(kTestPopupChild, (style & kWindowPopup) && (style & kWindowChild));
    failures |= Bit(kTestCaptionDialogFrame, dialogFrameOnly && titleBarParts);
    failures |= Bit(kTestSysmenuNoCaption, (style & kWindowSystemMenu) && !anyCaptionBit);
    failures |= Bit(kTestProcessId, f.processId == 0);
    failures |= Bit(kTestThreadId, f.threadId == 0);
    failures |= Bit(kTestStyleConsistency, anyCaptionBit && !f.hasText && f.visible);
    failures |= Bit(kTestSize, f.clientCorner.x > r.right || f.clientCorner.y > r.bottom);
    // The difference is taken in 64 bits: a rectangle from -32000 to 32000 cannot overflow it.
    failures |= Bit(kTestDimensions, int64_t{r.right} - r.left > f.maxTrackWidth ||
                                         int64_t{r.bottom} - r.top > f.maxTrackHeight);
    // A minimised window is parked where the system keeps icons (often far off the screen): its
    // position says nothing about its placement.
    failures |=
        Bit(kTestPlacement, !f.iconic && (int64_t{r.top} + f.captionHeight < 0 || r.left > f.maxTrackWidth ||
                                          r.right < 0 || r.top > f.maxTrackHeight));
    failures |= Bit(kTestPlacementInfo, f.zoomed && f.iconic);
    failures |= Bit(kTestKeyboardFocus, f.focus && !f.visible);
    return failures;
}

void BeginWindowChain(WindowChainRun &run) {
    memset(&run, 0, sizeof run);
}

void CountWindow(WindowChainRun &run, uintptr_t window, uint32_t failures) {
    ++run.count;
    if (failures == 0)
        return;
    run.failed |= failures;
    for (uintptr_t &slot : run.failing) {
        if (slot == 0) {
            slot = window;
            return;
        }
    }
}

void WriteWindowChainReport(ReportBuffer &report, const WindowChainRun &run, const WindowLookup &lookup) {
    AddReportLine(report, "%s", "\006Windows");
    AddReportLine(report, "Windows checked\t\003%d", run.count);
    for (int i = 0; i < kWindowChainTests; ++i)
        AddReportLine(report, "%s\t%s", kWindowChainTestNames[i], PassFailMark(run.failed & (1u << i)));
    AddReportLine(report, "%s", "");
    if (run.failing[0] == 0)
        return;
    AddReportLine(report, "%s", "\006Failing Windows\t\006File name");
    for (uintptr_t window : run.failing) {
        if (window == 0)
            continue;
        char name[256] = {};
        char path[260] = {};
        lookup.describe(lookup.context, window, name, sizeof name, path, sizeof path);
        name[sizeof name - 1] = 0;
        path[sizeof path - 1] = 0;
        WriteOwnerLine(report, name, path);
    }
}
