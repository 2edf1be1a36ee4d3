// The window chain check: style, ownership, geometry and focus tests on every top-level window. This
// part holds the tests on one window's facts, the run's flags and failing windows, and the report; no
// window types here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/utilities.h"
#include "report/report_lines.h"

// Window style bits, as Windows defines them.
constexpr uint32_t kWindowPopup = 0x80000000u;
constexpr uint32_t kWindowChild = 0x40000000u;
constexpr uint32_t kWindowVisibleStyle = 0x10000000u;
constexpr uint32_t kWindowCaption = 0x00C00000u; // border and dialog frame
constexpr uint32_t kWindowBorder = 0x00800000u;
constexpr uint32_t kWindowDialogFrame = 0x00400000u;
constexpr uint32_t kWindowSystemMenu = 0x00080000u;
constexpr uint32_t kWindowMinimizeBox = 0x00020000u;
constexpr uint32_t kWindowMaximizeBox = 0x00010000u;

// The test lines, in report order; bit i of a failure word is line i.
enum WindowChainTest {
    kTestVisibility,
    kTestPopupChild,
    kTestCaptionDialogFrame,
    kTestSysmenuNoCaption,
    kTestProcessId,
    kTestThreadId,
    kTestStyleConsistency,
    kTestSize,
    kTestDimensions,
    kTestPlacement,
    kTestPlacementInfo,
    kTestKeyboardFocus,
    kWindowChainTests
};
extern const char *const kWindowChainTestNames[kWindowChainTests];

// What the tests read of one window, in screen coordinates.
struct WindowChainFacts {
    uint32_t style;
    bool hasText;
    bool visible; // IsWindowVisible
    bool zoomed;
    bool iconic;
    bool focus; // the window has the keyboard focus
    uint32_t processId;
    uint32_t threadId;
    ScreenRect window;
    ScreenPoint clientCorner; // bottom-right corner of the client area
    int maxTrackWidth, maxTrackHeight, captionHeight;
};

uint32_t WindowChainFailures(const WindowChainFacts &facts);

constexpr int kFailingWindowSlots = 20;

struct WindowChainRun {
    int32_t count;
    uint32_t failed;
    uintptr_t failing[kFailingWindowSlots]; // window handles; 0 marks an empty slot
};

void BeginWindowChain(WindowChainRun &run);
// Counts one window with its failure bits; a failing window takes the first empty slot, if any.
void CountWindow(WindowChainRun &run, uintptr_t window, uint32_t failures);

// How a failing window is shown: a name and the program file of its process.
struct WindowLookup {
    void *context;
    void (*describe)(void *context, uintptr_t window, char *name, size_t nameSize, char *path,
                     size_t pathSize);
};

void WriteWindowChainReport(ReportBuffer &report, const WindowChainRun &run, const WindowLookup &lookup);
