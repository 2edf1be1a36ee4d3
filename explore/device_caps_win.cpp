// Video and Printers: read the capabilities of the display and of each printer on a parallel port.
#include <windows.h>

#include <cstdlib>

#include "platform/globals_win.h"
#include "explore/device_caps.h"
#include "explore/explore_win.h"
#include "inventory/equipment.h"
#include "platform/printers_win.h"
#include "report/main_screen_win.h"
#include "platform/utilities.h"

namespace {

void ReadDeviceCaps(HDC dc, DeviceCapsValues &caps) {
    caps = DeviceCapsValues{};
    caps.value[kCapsDriverVersion] = GetDeviceCaps(dc, kCapsDriverVersion);
    caps.value[kCapsTechnology] = GetDeviceCaps(dc, kCapsTechnology);
    for (int i = 0; i < kDeviceCapsLineCount; ++i)
        caps.value[kDeviceCapsLines[i].index] = GetDeviceCaps(dc, kDeviceCapsLines[i].index);
    for (int g = 0; g < kCapabilityGroupCount; ++g)
        caps.value[kCapabilityGroups[g].index] = GetDeviceCaps(dc, kCapabilityGroups[g].index);
}

void WriteDeviceCaps(HDC dc) {
    DeviceCapsValues caps;
    ReadDeviceCaps(dc, caps);
    WriteDeviceCapsBlock(*g_report, caps);
}

// A list query of DeviceCapabilities: counted first, then read into the shared 1024-byte buffer when
// it fits there, or into a buffer of its own otherwise, so that a long list is shown whole and
// nothing is written past a buffer. Returns the count the query gave; *values and *held tell what
// was read (*owned is the buffer to free, or null).
int ReadCapabilityList(const PRINTER_INFO_2A &printer, WORD capability, size_t entrySize, char *shared,
                       const void **values, int *held, void **owned) {
    *values = nullptr;
    *held = 0;
    *owned = nullptr;
    int count =
        DeviceCapabilitiesA(printer.pPrinterName, printer.pPortName, capability, nullptr, printer.pDevMode);
    if (count <= 0)
        return count;
    char *buffer = shared;
    size_t bytes = static_cast<size_t>(count) * entrySize;
    if (bytes > static_cast<size_t>(kPaperBufferBytes)) {
        // Room for a few more than counted, should the driver change its mind between the calls.
        buffer = static_cast<char *>(calloc(static_cast<size_t>(count) + 16, entrySize));
        if (!buffer)
            return count;
        *owned = buffer;
        bytes = (static_cast<size_t>(count) + 16) * entrySize;
    }
    int read =
        DeviceCapabilitiesA(printer.pPrinterName, printer.pPortName, capability, buffer, printer.pDevMode);
    if (read > 0) {
        int room = static_cast<int>(bytes / entrySize);
        *held = read < room ? read : room;
        *values = buffer;
    }
    return count;
}

void WritePrinterPapers(const PRINTER_INFO_2A &printer) {
    alignas(4) char buffer[kPaperBufferBytes] = {};
    PaperInfo paper = {};
    paper.driverVersion =
        DeviceCapabilitiesA(printer.pPrinterName, printer.pPortName, DC_DRIVER, nullptr, printer.pDevMode);

    const void *papers = nullptr;
    void *ownedPapers = nullptr;
    paper.paperCount = ReadCapabilityList(printer, DC_PAPERS, sizeof(uint16_t), buffer, &papers,
                                          &paper.papersHeld, &ownedPapers);
    paper.papers = static_cast<const uint16_t *>(papers);
    // The paper names are written before the buffer is read into again.
    WritePaperSizes(*g_report, paper);
    free(ownedPapers);
    paper.papers = nullptr;

    const void *resolutions = nullptr;
    void *ownedResolutions = nullptr;
    paper.resolutionCount = ReadCapabilityList(printer, DC_ENUMRESOLUTIONS, 2 * sizeof(int32_t), buffer,
                                               &resolutions, &paper.resolutionsHeld, &ownedResolutions);
    paper.resolutions = static_cast<const int32_t *>(resolutions);
    paper.copies =
        DeviceCapabilitiesA(printer.pPrinterName, printer.pPortName, DC_COPIES, nullptr, printer.pDevMode);
    paper.duplex =
        DeviceCapabilitiesA(printer.pPrinterName, printer.pPortName, DC_DUPLEX, nullptr, printer.pDevMode);
    WriteResolutions(*g_report, paper);
    free(ownedResolutions);
}

} // namespace

void ExploreVideo(HWND mainScreen) {
    if (!g_report)
        return;
    BeginReport(*g_report);
    AddReportLine(*g_report, "\006\002%s", g_equipment ? g_equipment->videoCardName : "");
    HDC dc = GetDC(mainScreen);
    WriteDeviceCaps(dc);
    ReleaseDC(mainScreen, dc);
    ShowReport();
}

void ExplorePrinters(HWND) {
    if (!g_report)
        return;
    EnterCriticalSection(&g_app.printerLock);
    BeginReport(*g_report);
    DWORD count = 0;
    const PRINTER_INFO_2A *printers = GetPrinterList(&count);
    for (DWORD i = 0; printers && i < count; ++i) {
        const PRINTER_INFO_2A &printer = printers[i];
        if (!IsParallelPort(printer.pPortName))
            continue;
        HDC dc = CreateDCA(printer.pDriverName, printer.pPrinterName, nullptr, printer.pDevMode);
        // The shared list keeps the spooler's own texts for the printer calls; the lines get cleaned copies.
        char text[kReportSlotSize];
        CopyOutsideText(printer.pPrinterName, text, sizeof text);
        AddReportLine(*g_report, "\006\002%s", text);
        CopyOutsideText(printer.pDriverName, text, sizeof text);
        AddReportLine(*g_report, "Driver\t\003%s", text);
        CopyOutsideText(printer.pPortName, text, sizeof text);
        AddReportLine(*g_report, "Port\t\003%s", text);
        CopyOutsideText(printer.pComment, text, sizeof text);
        AddReportLine(*g_report, "Description\t\003%s", text);
        WriteDeviceCaps(dc);
        WritePrinterPapers(printer);
        AddReportLine(*g_report, "%s", "");
        if (dc)
            DeleteDC(dc);
    }
    ShowReport();
    LeaveCriticalSection(&g_app.printerLock);
}
