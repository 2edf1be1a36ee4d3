// The Programs tools on this machine: the inventory of crafted executables in nested folders (kinds,
// order, dates, the last access dates kept), and the views through the main window's commands. The
// scan of every fixed drive runs in the headless run of every tool.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/catalogue.h"
#include "monitor/performance.h"
#include "platform/globals_win.h"
#include "programs/programs_win.h"
#include "tests/report_buffer_helpers.h"
#include "tests/wintest_env.h"

namespace {

// MZ, the offset of the new header at 60, and at 128 a header with its signature and flag words.
std::string Executable(const char *signature, uint16_t flags12, uint16_t flags22) {
    std::string bytes(256, '\0');
    bytes[0] = 'M', bytes[1] = 'Z';
    if (signature) {
        bytes[60] = static_cast<char>(128);
        bytes[128] = signature[0], bytes[129] = signature[1];
        bytes[140] = static_cast<char>(flags12), bytes[141] = static_cast<char>(flags12 >> 8);
        bytes[150] = static_cast<char>(flags22), bytes[151] = static_cast<char>(flags22 >> 8);
    }
    return bytes;
}

FILETIME Time(WORD year, WORD month, WORD day) {
    SYSTEMTIME system = {year, month, 0, day, 12, 0, 0, 0};
    FILETIME time;
    SystemTimeToFileTime(&system, &time);
    return time;
}

void WriteProgram(const std::string &path, const std::string &bytes, WORD accessYear) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    // Wine keeps no creation time of its own: it shows the last write time there.
    FILETIME created = Time(1995, 3, 1), accessed = Time(accessYear, 3, 1);
    SetFileTime(file, &created, &accessed, &created);
    CloseHandle(file);
}

FILETIME LastAccess(const std::string &path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastAccessTime;
}

TEST(ProgramInventory, ListsTheCraftedProgramsOfEachKindSortedWithTheirDates) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string root = std::string(temp) + "qv_programs";
    for (const char *folder : {"", "\\sub", "\\sub\\deeper"})
        CreateDirectoryA((root + folder).c_str(), nullptr);
    struct Program {
        const char *path;
        std::string bytes;
        WORD accessYear;
    } programs[] = {
        {"\\dosonly.exe", Executable(nullptr, 0, 0), 1995},
        {"\\sub\\Write.exe", Executable("NE", 0x0302, 0), 2000},
        {"\\sub\\deeper\\gdi16.exe", Executable("NE", 0x8302, 0), 1995},
        {"\\sub\\deeper\\calc32.exe", Executable("PE", 0, 0x010F), 2000},
        {"\\sub\\library.exe", Executable("PE", 0, 0x2102), 1995},
        {"\\Cut.exe", std::string("MZ\x90", 3), 1995},
        {"\\sub\\readme.txt", Executable("PE", 0, 0), 1995},
    };
    FILETIME before[7];
    for (int i = 0; i < 7; ++i) {
        WriteProgram(root + programs[i].path, programs[i].bytes, programs[i].accessYear);
        before[i] = LastAccess(root + programs[i].path);
    }
    SetFileAttributesA((root + "\\dosonly.exe").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    auto report = NewReport();
    const std::string heading = "\006Name\t\006Size\t\006Created\t\006Accessed\t\006Written\t\006Path\n";
    auto line = [&](const char *name, const char *size, const char *accessed, const char *folder) {
        return std::string("\003") + name + "\t\003" + size + "\t\00303/01/95\t\003" + accessed +
               "\t\00303/01/95\t\003" + root + folder + "\\" + name + "\n";
    };
    WriteProgramInventory(*report, kKindWindows95, root.c_str());
    EXPECT_EQ(ReportText(*report), heading + line("calc32.exe", "256", "03/01/00", "\\sub\\deeper"));
    WriteProgramInventory(*report, kKindWindows3, root.c_str());
    EXPECT_EQ(ReportText(*report), heading + line("Write.exe", "256", "03/01/00", "\\sub"));
    WriteProgramInventory(*report, kKindDos, root.c_str());
    EXPECT_EQ(ReportText(*report), heading + line("Cut.exe", "3", "03/01/95", "") +
                                       line("dosonly.exe", "256", "03/01/95", "") +
                                       line("gdi16.exe", "256", "03/01/95", "\\sub\\deeper") +
                                       line("library.exe", "256", "03/01/95", "\\sub"));
    for (int i = 0; i < 7; ++i) {
        FILETIME after = LastAccess(root + programs[i].path);
        EXPECT_EQ(CompareFileTime(&before[i], &after), 0) << programs[i].path;
    }
    EXPECT_TRUE(GetFileAttributesA((root + "\\dosonly.exe").c_str()) & FILE_ATTRIBUTE_READONLY);
    ExpectClicksFindCaptions(3150, Lines(*report));
    SetFileAttributesA((root + "\\dosonly.exe").c_str(), FILE_ATTRIBUTE_ARCHIVE);
}

TEST(ProgramViews, EachViewShowsThePatternOfItsScaledHistogram) {
    auto saved = std::make_unique<PerformanceHistory>(*g_history);
    *g_history = {};
    g_history->modules[46] = 3;          // 10 %
    g_history->priority[8] = 3;          // 25 %
    g_history->processes[25] = 3;        // 50 %
    g_history->threads[460] = 3;         // 100 %
    for (int windows : {10, 30, 50, 80}) // a quarter in each quarter
        g_history->windows[windows] = 1;
    struct Case {
        int command;
        const char *pattern;
        const char *closing;
    } cases[] = {{3104, "Low Usage Pattern", "Unnecessary"},
                 {3105, "Normal Usage Pattern", "Unnecessary"},
                 {3106, "High Usage Pattern", "Optional"},
                 {3107, "Overloaded Usage Pattern", "Recommended"},
                 {3108, "Balanced Usage Pattern", "Optional"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.command);
        Command(c.command);
        std::vector<std::string> lines = ReportLines();
        ASSERT_EQ(lines.size(), 27u);
        EXPECT_EQ(lines[1], std::string("\003") + c.pattern);
        EXPECT_EQ(lines[14], std::string("More integrated software\t\003") + c.closing);
        EXPECT_EQ(lines[16], std::string(c.pattern) + " Example");
        const ToolInfo *tool = ToolOfCommand(c.command);
        HWND window = FindWindowA("#32770", (std::string("  ") + tool->name + " Bottlenecks").c_str());
        ASSERT_NE(window, nullptr);
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        ExpectClicksFindCaptions(tool->helpId, lines);
    }
    PumpMessages();
    *g_history = *saved;
}

} // namespace
