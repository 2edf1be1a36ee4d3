// The Bottlenecks window (dialog 10000): the spread of a load histogram over ten load bands, shared by
// the Bottle and Programs families.
#pragma once

#include <windows.h>

#include <cstdint>

#include "monitor/performance.h"

// Opens a new Bottlenecks window on the histogram, owned by the main window and centred over it,
// titled with the Main Screen's title and " Bottlenecks". A headless run opens none: it writes the
// line "Bottlenecks" and each band's label, a tab and its share to the window echo, and gets null.
HWND OpenBottlenecksWindow(const uint32_t histogram[kUsageSlots]);

// Makes sure the progress bar class exists before a dialog with bars is created.
void RegisterProgressBars();
// The colours of the advice dialogs' static texts: black on light grey with the stock brush.
INT_PTR GreyStaticColour(HDC dc);
