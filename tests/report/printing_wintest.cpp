// Printing both screens to the test printer, a file printer, and reading the pages back.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/globals_win.h"
#include "platform/utilities_win.h"
#include "report/main_screen_win.h"
#include "report/screens_win.h"
#include "resources/resource_ids.h"
#include "tests/printed_pages.h"
#include "tests/wintest_env.h"

namespace {

DWORD WINAPI TryPrinterLock(void *) {
    if (!TryEnterCriticalSection(&g_app.printerLock))
        return 0;
    LeaveCriticalSection(&g_app.printerLock);
    return 1;
}

bool PrinterLockFree() {
    HANDLE thread = CreateThread(nullptr, 0, TryPrinterLock, nullptr, 0, nullptr);
    DWORD free = 0;
    WaitForSingleObject(thread, 5000);
    GetExitCodeThread(thread, &free);
    CloseHandle(thread);
    return free == 1;
}

// The lines after each page's title, which must be the given one; every page but the last is full.
std::vector<std::string> BodyLines(const std::vector<std::vector<std::string>> &pages, const char *title) {
    std::vector<std::string> lines;
    for (size_t p = 0; p < pages.size(); ++p) {
        EXPECT_EQ(pages[p].at(0), title) << "page " << p + 1;
        EXPECT_TRUE(p + 1 == pages.size() || pages[p].size() == size_t(TestPrinterRows() - 1)) << p + 1;
        lines.insert(lines.end(), pages[p].begin() + 1, pages[p].end());
    }
    return lines;
}

std::vector<std::string> g_messages;
int g_documents = 0;

TEST(PrintingOnWine, TwoDocumentsWithTitledPagesCancelAndAFailedPageFreeTheLock) {
    ASSERT_GT(TestPrinterRows(), 2) << "no test printer: scripts/test adds it (qv_test_printer.exe)";
    SetMessageAnswerer([](const char *text, const char *, UINT) {
        g_messages.push_back(text);
        return IDOK;
    });
    ClearScreens();
    SetToolTitles("Colors");
    LoadQuickHelp(g_app.helpScreen, 2251);
    // Four kinds of line, one more than two pages hold.
    const char *const kinds[][2] = {{"\006\002Heading %d", "Heading %d"},
                                    {"Name %d\t\003Value", "Name %d, Value"},
                                    {"Bar %d\t%%42\t&Grey", "Bar %d, %%42, Grey"},
                                    {"Plain %d\t\ta", "Plain %d, , a"}};
    BeginReport(*g_report);
    std::vector<std::string> expected, help;
    for (int i = 0; i < 2 * (TestPrinterRows() - 2) + 1; ++i) {
        char printed[64];
        AddReportLine(*g_report, kinds[i % 4][0], i);
        snprintf(printed, sizeof printed, kinds[i % 4][1], i);
        expected.push_back(printed);
    }
    ShowReportLines(g_report->count);
    SetPrintFileNamer(NamePrintedFile);
    SetPrintDialogAnswerer(AnswerTestPrinter);
    Command(CMD_PRINT);
    auto mainPages = PrintedPages(PrintedFile(1));
    EXPECT_EQ(mainPages.size(), 3u);
    EXPECT_EQ(BodyLines(mainPages, "  COLORS"), expected);
    for (int i = 0; i < SendMessageA(g_app.helpScreen, LB_GETCOUNT, 0, 0); ++i) {
        char item[1024] = "";
        SendMessageA(g_app.helpScreen, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
        help.push_back(item);
    }
    EXPECT_EQ(BodyLines(PrintedPages(PrintedFile(2)), " QUICK HELP COLORS"), help);
    EXPECT_TRUE(g_messages.empty());
    EXPECT_TRUE(PrinterLockFree());

    // Cancel prints nothing.
    SetPrintFileNamer(NamePrintedFile);
    DeleteFileA(PrintedFile(1).c_str());
    SetPrintDialogAnswerer(AnswerCancel);
    Command(CMD_PRINT_SCREEN);
    EXPECT_EQ(GetFileAttributesA(PrintedFile(1).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(g_messages.empty());
    EXPECT_TRUE(PrinterLockFree());

    // A document whose file cannot be written fails at its first page: the error, and no Quick Help.
    SetPrintFileNamer([](int document, char *path, size_t size) {
        g_documents = document;
        snprintf(path, size, "C:\\no such folder\\x.ps");
    });
    SetPrintDialogAnswerer(AnswerTestPrinter);
    Command(CMD_PRINT_SCREEN);
    EXPECT_EQ(g_messages, std::vector<std::string>{
                              "Unable to print due to error. If occurs again call Technical Support."});
    EXPECT_EQ(g_documents, 1);
    EXPECT_TRUE(PrinterLockFree());
    SetPrintDialogAnswerer(nullptr);
    SetPrintFileNamer(nullptr);
    SetMessageAnswerer(nullptr);
}

} // namespace
