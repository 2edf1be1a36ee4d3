// The printer test: one page filled with the test line on the printer the user picks.
#include <cstring>

#include "diagnose/diagnose_win.h"
#include "platform/globals_win.h"
#include "platform/printers_win.h"
#include "report/printing.h"

DWORD RunPrinterTest(HWND owner, bool *printed) {
    DWORD failed = 0;
    EnterCriticalSection(&g_app.printerLock);
    HDC dc = ChoosePrinter(owner);
    if (printed)
        *printed = false;
    if (dc && StartPrintDocument(dc, nullptr)) {
        if (printed)
            *printed = true;
        int lineHeight = PrintRowHeight(dc);
        // Whole lines only: a last line that would not fit is left off.
        int lines = RowsPerPage(GetDeviceCaps(dc, VERTRES), lineHeight);
        if (StartPage(dc) <= 0)
            failed = 1;
        for (int i = 0; i < lines && !failed; ++i)
            TextOutA(dc, 0, i * lineHeight, kPrinterTestLine, static_cast<int>(kPrinterTestLineLength));
        if (EndPage(dc) <= 0)
            failed = 1;
        if (EndDoc(dc) <= 0)
            failed = 1;
    }
    if (dc)
        DeleteDC(dc);
    LeaveCriticalSection(&g_app.printerLock);
    return failed;
}
