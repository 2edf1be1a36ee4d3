// Adds the test printer to the Wine prefix it runs in; a printer already there is kept, so it can run
// before every test run. Exit code 0 when the printer is there afterwards.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>

#include "tests/fixtures.h"
#include "tests/test_printer.h"

namespace {

// The PPD in the driver directory of this architecture's version 3 drivers.
bool InstallPpd() {
    char directory[MAX_PATH] = "";
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE *>(directory),
                                    sizeof directory, &needed))
        return false;
    char path[MAX_PATH + 32];
    snprintf(path, sizeof path, "%s\\3", directory);
    CreateDirectoryA(path, nullptr);
    snprintf(path, sizeof path, "%s\\3\\%s", directory, kTestPrinterPpd);
    const char *text = FixtureText(kTestPrinterPpd);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!text || file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);
    return ok && written == strlen(text);
}

} // namespace

int main() {
    if (!InstallPpd()) {
        fprintf(stderr, "add_test_printer: cannot write the PPD (error %lu)\n", GetLastError());
        return 1;
    }
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char *>(kTestPrinterName);
    driver.pDriverPath = const_cast<char *>("wineps.drv");
    driver.pConfigFile = const_cast<char *>("wineps.drv");
    driver.pDataFile = const_cast<char *>(kTestPrinterPpd);
    if (!AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE *>(&driver))) {
        fprintf(stderr, "add_test_printer: AddPrinterDriver failed (error %lu)\n", GetLastError());
        return 1;
    }
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char *>(kTestPrinterName), &printer, nullptr)) {
        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char *>(kTestPrinterName);
        info.pPortName = const_cast<char *>("FILE:");
        info.pDriverName = const_cast<char *>(kTestPrinterName);
        info.pPrintProcessor = const_cast<char *>("WinPrint");
        info.pDatatype = const_cast<char *>("RAW");
        printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE *>(&info));
    }
    if (printer)
        ClosePrinter(printer);
    HDC dc = CreateDCA(nullptr, kTestPrinterName, nullptr, nullptr);
    if (!dc) {
        fprintf(stderr, "add_test_printer: the printer cannot be used (error %lu)\n", GetLastError());
        return 1;
    }
    DeleteDC(dc);
    return 0;
}
