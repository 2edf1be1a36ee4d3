// The printer list cache, the print dialog and the start of a document: what every printing path shares.
#include "platform/printers_win.h"

#include <commdlg.h>

#include "platform/globals_win.h"
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

namespace {
PrintDialogAnswerer g_printAnswerer = nullptr;
PrintFileNamer g_printFileNamer = nullptr;
int g_documentsStarted = 0;
} // namespace

void SetPrintDialogAnswerer(PrintDialogAnswerer answerer) {
    g_printAnswerer = answerer;
}

void SetPrintFileNamer(PrintFileNamer namer) {
    g_printFileNamer = namer;
    g_documentsStarted = 0;
}

HDC ChoosePrinter(HWND owner) {
    if (g_printAnswerer)
        return g_printAnswerer(owner);
    if (g_app.headless)
        return nullptr;
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
    if (!PrintDlgA(&dialog))
        return nullptr;
    // Only the context is used: the dialog's device settings are let go at once.
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    return dialog.hDC;
}

bool StartPrintDocument(HDC dc, const char *name) {
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = name;
    char path[MAX_PATH] = "";
    ++g_documentsStarted;
    if (g_printFileNamer) {
        g_printFileNamer(g_documentsStarted, path, sizeof path);
        path[sizeof path - 1] = 0;
        document.lpszOutput = path;
    }
    return StartDocA(dc, &document) > 0;
}

int PrintRowHeight(HDC dc) {
    TEXTMETRICA metrics = {};
    if (!GetTextMetricsA(dc, &metrics))
        return 0;
    return metrics.tmHeight + metrics.tmExternalLeading;
}
