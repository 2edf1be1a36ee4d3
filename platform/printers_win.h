// The printer list cache: the local printers (level 2), enumerated on the first call and shared by
// the whole program for the rest of the run. Callers on other threads hold the printer lock.
#pragma once

#include <windows.h>
#include <winspool.h>

const PRINTER_INFO_2A *GetPrinterList(DWORD *count);
