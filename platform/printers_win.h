// What every use of a printer shares: the printer list cache, the print dialog and the start of a
// document.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <cstddef>

// The printer list cache: the local printers (level 2), enumerated on the first call and shared by
// the whole program for the rest of the run. Callers on other threads hold the printer lock.
const PRINTER_INFO_2A *GetPrinterList(DWORD *count);

// ---- Print dialog and documents ----
// Both printing the screens and the printer test let the user pick a printer in the standard print
// dialog (no page ranges, no selection) and print to the context it returns.

// The chosen printer's device context, or null when the user cancelled or the dialog failed. The
// caller deletes the context. A headless run shows no dialog: there nobody can answer it, and it
// counts as cancelled.
HDC ChoosePrinter(HWND owner);
// Where tests answer the print dialog: while an answerer is set, ChoosePrinter shows no dialog and
// returns what the answerer gives (a printer context, or null for Cancel). Null restores the dialog.
using PrintDialogAnswerer = HDC (*)(HWND owner);
void SetPrintDialogAnswerer(PrintDialogAnswerer answerer);

// Starts a document on the context, under the given name (null: no name); false when it cannot start.
bool StartPrintDocument(HDC dc, const char *name);
// Where tests collect what is printed: while a namer is set, every document is written to the file it
// names (documents are numbered from 1 on since the namer was set) instead of the printer's port.
using PrintFileNamer = void (*)(int document, char *path, size_t size);
void SetPrintFileNamer(PrintFileNamer namer);

// The height of one printed row in the context's current font: character height plus external
// leading.
int PrintRowHeight(HDC dc);
