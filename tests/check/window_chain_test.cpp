#include "check/window_chain.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/report_buffer_helpers.h"

namespace {

constexpr uint32_t B(int test) {
    return 1u << test;
}

constexpr uint32_t kV = kWindowVisibleStyle, kCap = kWindowCaption, kSys = kWindowSystemMenu,
                   kDlg = kWindowDialogFrame;

// One window per row, on a screen tracking up to 1000 x 800 with captions 18 high. Facts: t text,
// v visible, z zoomed, i iconic, f focus, p process 0, h thread 0. The client area's bottom-right
// corner is the frame's, moved by dx, dy.
TEST(WindowChainTests, EachRuleOnCraftedWindows) {
    struct Case {
        const char *what;
        uint32_t style;
        const char *facts;
        ScreenRect window;
        int dx, dy;
        uint32_t expected;
    } cases[] = {
        {"plain window", kV | kCap | kSys, "tv", {100, 100, 500, 400}, 0, 0, 0},
        {"visible without its bit", kCap, "tv", {100, 100, 500, 400}, 0, 0, B(kTestVisibility)},
        {"popup and child", kV | kWindowPopup | kWindowChild, "tv", {0, 0, 9, 9}, 0, 0, B(kTestPopupChild)},
        {"dialog frame, sysmenu", kV | kDlg | kSys, "tv", {0, 0, 9, 9}, 0, 0, B(kTestCaptionDialogFrame)},
        {"dialog frame, max box",
         kV | kDlg | kWindowMaximizeBox,
         "tv",
         {0, 0, 9, 9},
         0,
         0,
         B(kTestCaptionDialogFrame)},
        {"dialog frame alone", kV | kDlg, "tv", {0, 0, 9, 9}, 0, 0, 0},
        {"sysmenu, no caption", kV | kSys, "tv", {0, 0, 9, 9}, 0, 0, B(kTestSysmenuNoCaption)},
        {"sysmenu, border alone", kV | kSys | kWindowBorder, "tv", {0, 0, 9, 9}, 0, 0, 0},
        {"process and thread 0", kV, "vph", {0, 0, 9, 9}, 0, 0, B(kTestProcessId) | B(kTestThreadId)},
        {"caption without text", kV | kCap, "v", {0, 0, 9, 9}, 0, 0, B(kTestStyleConsistency)},
        {"hidden caption without text", kCap, "", {0, 0, 9, 9}, 0, 0, 0},
        {"client past the frame", kV, "v", {0, 0, 9, 9}, 1, 0, B(kTestSize)},
        {"client below the frame", kV, "v", {0, 0, 9, 9}, 0, 1, B(kTestSize)},
        {"client inside", kV, "v", {0, 0, 9, 9}, -1, -1, 0},
        {"5000 wide", kV, "v", {100, 100, 5100, 400}, 0, 0, B(kTestDimensions)},
        {"1000 x 800", kV, "v", {0, 0, 1000, 800}, 0, 0, 0},
        {"801 high", kV, "v", {0, 0, 1000, 801}, 0, 0, B(kTestDimensions)},
        {"right edge at -1", kV, "v", {-400, 100, -1, 400}, 0, 0, B(kTestPlacement)},
        {"right edge at 0", kV, "v", {-400, 100, 0, 400}, 0, 0, 0},
        {"top 10 above the screen", kV, "v", {0, -10, 9, 9}, 0, 0, 0},
        {"top 18 above the screen", kV, "v", {0, -18, 9, 9}, 0, 0, 0},
        {"top 20 above the screen", kV, "v", {0, -20, 9, 9}, 0, 0, B(kTestPlacement)},
        {"left at the track width", kV, "v", {1000, 0, 1009, 9}, 0, 0, 0},
        {"left past it", kV, "v", {1001, 0, 1009, 9}, 0, 0, B(kTestPlacement)},
        {"top past the track height", kV, "v", {0, 801, 9, 809}, 0, 0, B(kTestPlacement)},
        {"minimised far off the screen", kV, "vi", {-32000, -32000, -31840, -31969}, 0, 0, 0},
        {"maximised and minimised", kV, "vzi", {0, 0, 9, 9}, 0, 0, B(kTestPlacementInfo)},
        {"focus on a visible window", kV, "vf", {0, 0, 9, 9}, 0, 0, 0},
        {"focus on a hidden window", 0, "f", {0, 0, 9, 9}, 0, 0, B(kTestKeyboardFocus)},
    };
    for (const Case &c : cases) {
        std::string facts = c.facts;
        auto has = [&](char fact) { return facts.find(fact) != std::string::npos; };
        WindowChainFacts f = {c.style,
                              has('t'),
                              has('v'),
                              has('z'),
                              has('i'),
                              has('f'),
                              has('p') ? 0u : 5u,
                              has('h') ? 0u : 6u,
                              c.window,
                              {c.window.right + c.dx, c.window.bottom + c.dy},
                              1000,
                              800,
                              18};
        EXPECT_EQ(WindowChainFailures(f), c.expected) << c.what;
    }
}

void FakeWindow(void *, uintptr_t window, char *name, size_t nameSize, char *path, size_t pathSize) {
    snprintf(name, nameSize, "%s", window == 9 ? "Ledger" : "");
    snprintf(path, pathSize, "C:\\W%u.EXE", static_cast<unsigned>(window));
}

std::string Report(const WindowChainRun &run) {
    auto report = NewReport();
    WriteWindowChainReport(*report, run, WindowLookup{nullptr, FakeWindow});
    return ReportText(*report);
}

TEST(WindowChainReport, CleanRunAndFailingRunWithTwentySlots) {
    const std::string tests =
        "Popup + Child test\t\003Passed\nCaption + DlgFrame test\t\003Passed\n"
        "Sysmenu + No Caption test\t\003Passed\nProcess ID validation test\t\003Passed\n"
        "Thread ID validation test\t\003Passed\nStyle consistency test\t\003Passed\n"
        "Size test\t\003Passed\nDimensions test\t\003Passed\nPlacement test\t\003Passed\n";
    WindowChainRun run;
    BeginWindowChain(run);
    CountWindow(run, 3, 0);
    EXPECT_EQ(Report(run), "\006Windows\nWindows checked\t\0031\nVisibility test\t\003Passed\n" + tests +
                               "Placement info test\t\003Passed\nKeyboard focus test\t\003Passed\n\n");
    CountWindow(run, 9, B(kTestPlacementInfo));
    CountWindow(run, 4, B(kTestVisibility));
    for (uintptr_t w = 100; w < 120; ++w)
        CountWindow(run, w, B(kTestKeyboardFocus));
    std::string listed =
        "\006Failing Windows\t\006File name\n\002Ledger\t\002C:\\W9.EXE\n\002\t\002C:\\W4.EXE\n";
    for (int w = 100; w < 118; ++w)
        listed += "\002\t\002C:\\W" + std::to_string(w) + ".EXE\n";
    EXPECT_EQ(Report(run), "\006Windows\nWindows checked\t\00323\nVisibility test\t\002Failed\n" + tests +
                               "Placement info test\t\002Failed\nKeyboard focus test\t\002Failed\n\n" +
                               listed);
}

} // namespace
