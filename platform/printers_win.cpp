// The printer list cache: the one printer enumeration the whole program shares.
#include "platform/printers_win.h"

#include "platform/utilities_win.h"

namespace {

struct PrinterListCache {
    bool notEnumerated;
    PRINTER_INFO_2A *entries;
    DWORD count;
};

PrinterListCache g_printers = {true, nullptr, 0};

void EnumeratePrinters() {
    // A first call with room for one entry and no strings learns the size needed.
    BYTE probe[sizeof(PRINTER_INFO_2A)];
    DWORD needed = 0, returned = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, probe, sizeof probe, &needed, &returned);
    if (needed == 0)
        return; // no printers
    auto *entries = static_cast<PRINTER_INFO_2A *>(AllocZeroed(GMEM_FIXED, needed));
    if (EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, reinterpret_cast<BYTE *>(entries), needed, &needed,
                      &returned)) {
        g_printers.entries = entries;
        g_printers.count = returned;
    } else {
        GlobalFree(entries);
    }
}

} // namespace

const PRINTER_INFO_2A *GetPrinterList(DWORD *count) {
    if (g_printers.notEnumerated) {
        EnumeratePrinters();
        g_printers.notEnumerated = false;
    }
    if (count)
        *count = g_printers.count;
    return g_printers.entries;
}
