// Printing the Main Screen and the Quick Help Screen: two documents, one screen line a printed row, the
// screen's title at the top of every page.
#include <windows.h>

#include <cstring>

#include "platform/globals_win.h"
#include "platform/printers_win.h"
#include "platform/utilities_win.h"
#include "report/printing.h"
#include "report/report_lines.h"
#include "report/screens_win.h"

namespace {

constexpr char kPrintError[] = "Unable to print due to error. If occurs again call Technical Support.";

struct Printer {
    HDC dc;
    int rowHeight;
};

bool StartPrinterPage(void *context) {
    return StartPage(static_cast<Printer *>(context)->dc) > 0;
}

bool EndPrinterPage(void *context) {
    return EndPage(static_cast<Printer *>(context)->dc) > 0;
}

void PrintPrinterRow(void *context, int row, const char *text) {
    const Printer *printer = static_cast<Printer *>(context);
    TextOutA(printer->dc, kPrintLeftMargin, row * printer->rowHeight, text, static_cast<int>(strlen(text)));
}

// The title bar's text in upper case.
void PageTitle(HWND titleBar, char (&title)[kPrintTitleSize]) {
    char text[kPrintTitleSize] = "";
    GetWindowTextA(titleBar, text, sizeof text);
    text[sizeof text - 1] = 0;
    UpperCaseText(text, title, sizeof title);
}

PrintJob StartJob(Printer &printer, const char *title) {
    int rows = RowsPerPage(GetDeviceCaps(printer.dc, VERTRES), printer.rowHeight);
    return BeginPrintJob(title, rows, PageSink{&printer, StartPrinterPage, EndPrinterPage, PrintPrinterRow});
}

// Ends the document; false (the document aborted) when its last page or the document fails.
bool FinishDocument(HDC dc, PrintJob &job) {
    if (!EndPrintJob(job)) {
        AbortDoc(dc);
        return false;
    }
    return EndDoc(dc) > 0;
}

// The Main Screen's report lines as printed text. False on a page or document error.
bool PrintMainScreen(Printer &printer) {
    HDC dc = printer.dc;
    char title[kPrintTitleSize];
    PageTitle(g_app.mainTitle, title);
    if (!StartPrintDocument(dc, title))
        return true; // a document that cannot start is passed over without a message
    PrintJob job = StartJob(printer, title);
    int count = g_report ? g_report->count : 0;
    for (int i = 0; i < count && i < kReportSlots; ++i) {
        char text[2 * kReportSlotSize];
        PrintedReportText(g_report->line[i], text, sizeof text);
        if (!PrintJobLine(job, text)) {
            AbortDoc(dc);
            return false;
        }
    }
    return FinishDocument(dc, job);
}

// The Quick Help Screen's items as they stand. False on a page or document error; nothing printed and
// no error when the document cannot start.
bool PrintQuickHelp(Printer &printer) {
    HDC dc = printer.dc;
    if (!StartPrintDocument(dc, nullptr))
        return true;
    char title[kPrintTitleSize];
    PageTitle(g_app.helpTitle, title);
    PrintJob job = StartJob(printer, title);
    int count = g_app.helpScreen ? static_cast<int>(SendMessageA(g_app.helpScreen, LB_GETCOUNT, 0, 0)) : 0;
    for (int i = 0; i < count; ++i) {
        char item[1024] = "";
        if (SendMessageA(g_app.helpScreen, LB_GETTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof item))
            SendMessageA(g_app.helpScreen, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
        if (!PrintJobLine(job, item)) {
            AbortDoc(dc);
            return false;
        }
    }
    return FinishDocument(dc, job);
}

} // namespace

void PrintScreens(HWND main) {
    EnterCriticalSection(&g_app.printerLock);
    HDC dc = ChoosePrinter(main);
    if (dc) {
        Printer printer = {dc, PrintRowHeight(dc)};
        // An error in the Main Screen's document drops the Quick Help's as well.
        if (!PrintMainScreen(printer) || !PrintQuickHelp(printer))
            ShowMessage(main, kPrintError, "Error!", MB_OK);
        DeleteDC(dc);
    }
    LeaveCriticalSection(&g_app.printerLock);
}
