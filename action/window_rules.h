// Rules of the Action windows that need no window types: list lines, display names, the priority
// class questions, thread priority icons and the geometry of tiling and cascading.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/utilities.h"

// A list line "name\tnumber": the number (a process or thread id, or a window handle) is hidden
// behind a tab stop far to the right. The name is cut so that the number always fits.
void FormatItemLine(const char *name, uint64_t number, char *destination, size_t size);
// The number after the first tab of a list line; false (value untouched) when there is none.
bool ItemLineNumber(const char *line, uint64_t *value);

// The name a process is listed by: its window caption if it has one, else its main module's name up
// to the first "." in capitals ("kernel32.dll" gives "KERNEL32"), else "Unknown Program".
void ProcessDisplayName(const char *caption, const char *moduleName, char *destination, size_t size);

// What pressing one of the four priority class buttons does.
struct PriorityChoice {
    int button;           // 12001-12004
    unsigned long cls;    // the priority class it sets
    const char *question; // asked first (OK to go on), or null
    const char *caption;
};
// The choice of a button, or null for any other id.
const PriorityChoice *PriorityChoiceOfButton(int button);
// The button that shows a priority class, or 0 for a class none shows.
int ButtonOfPriorityClass(unsigned long cls);
// Whether a process line needs the KERNEL32 warning before its class is changed.
bool NeedsKernelWarning(const char *processLine);
extern const char kKernelQuestion[];
extern const char kKernelCaption[];

// The icon showing a thread's priority: 1700 + base + delta, where any sum above 31 (a negative one
// included) shows the topmost icon, 1732.
int ThreadPriorityIcon(long basePriority, long deltaPriority);

// Vertical tiling: the windows side by side in columns over the work area. Up to three windows get
// one column each; more are laid out in ceil(sqrt(n)) columns, the later columns taking one window
// more when they do not divide evenly.
void TileRects(const ScreenRect &work, int count, ScreenRect *out);
// Cascading from the work area's top left: each window two thirds of the work area, one step further
// right and down than the one before, starting again at the top left when the next would leave it.
void CascadeRects(const ScreenRect &work, int step, int count, ScreenRect *out);
