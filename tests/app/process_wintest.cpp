// quorvex.exe as a process: headless output and exit codes, the single-instance rule, the DEBUG word.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <string>
#include <vector>

#include "tests/fixtures.h"

namespace {

std::string ProgramPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    dir.resize(dir.find_last_of('\\') + 1);
    return dir + QV_EXE_PATH;
}

struct ProgramRun {
    DWORD exitCode;
    std::string out;
    std::string err;
};

std::string Drain(HANDLE file) {
    std::string text;
    char buffer[4096];
    DWORD got;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got)
        text.append(buffer, got);
    return text;
}

// A temporary file the child writes one of its standard streams into.
struct CaptureFile {
    char path[MAX_PATH];
    HANDLE handle;
};

CaptureFile OpenCapture() {
    CaptureFile c;
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "qvo", 0, c.path);
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    c.handle = CreateFileA(c.path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    return c;
}

std::string CloseCapture(CaptureFile &c) {
    SetFilePointer(c.handle, 0, nullptr, FILE_BEGIN);
    std::string text = Drain(c.handle);
    CloseHandle(c.handle);
    DeleteFileA(c.path);
    return text;
}

// Runs quorvex.exe with the arguments and collects its output and exit code.
ProgramRun RunProgram(const std::string &args) {
    CaptureFile out = OpenCapture(), err = OpenCapture();
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = nullptr;
    si.hStdOutput = out.handle;
    si.hStdError = err.handle;
    PROCESS_INFORMATION pi = {};
    std::string command = "\"" + ProgramPath() + "\" " + args;
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    ProgramRun run = {~0u, "", ""};
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0) {
            ADD_FAILURE() << "still running: " << command;
            TerminateProcess(pi.hProcess, 99);
            WaitForSingleObject(pi.hProcess, 5000);
        }
        GetExitCodeProcess(pi.hProcess, &run.exitCode);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    } else {
        ADD_FAILURE() << "cannot start " << command;
    }
    run.out = CloseCapture(out);
    run.err = CloseCapture(err);
    return run;
}

std::string HistoryPath() {
    std::string path = ProgramPath();
    path.resize(path.find_last_of('\\') + 1);
    return path + "sysstats.dat";
}

void WriteImage(const std::string &path, const std::string &image) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, image.data(), static_cast<DWORD>(image.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadImage(const std::string &path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string text = h == INVALID_HANDLE_VALUE ? std::string() : Drain(h);
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    return text;
}

DWORD FileSizeOf(const std::string &path) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(path.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE)
        return ~0u;
    FindClose(h);
    return found.nFileSizeLow;
}

// Every run starts from an empty history (the About lines count from it), and the GUI starts below
// need one: without it start-up rightly stops at the open-error message box until someone clicks it.
struct HistoryFileEnvironment : testing::Environment {
    void SetUp() override { WriteImage(HistoryPath(), std::string(15524, '\0')); }
};
testing::Environment *const kHistoryFile = testing::AddGlobalTestEnvironment(new HistoryFileEnvironment);

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TEST(Headless, ListPrintsEveryToolTabSeparated) {
    ProgramRun run = RunProgram("/list");
    EXPECT_EQ(run.exitCode, 0u);
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 148u);
    EXPECT_EQ(lines[0], "2201\tExplore\tColors\tColors\t2266");
    EXPECT_EQ(lines[3], "2204\tExplore\tInput Devices\tInput Settings\t2261");
    EXPECT_EQ(lines[147], "3305\tAction\tKeep Monitors On Top\tKeep Monitors On Top\t3358");
    for (const std::string &line : lines) {
        size_t tabs = 0;
        for (char ch : line)
            tabs += ch == '\t';
        EXPECT_EQ(tabs, 4u) << line;
    }
}

TEST(Headless, ReportAllRunsEveryToolInCleanLines) {
    ProgramRun run = RunProgram("/report all");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    int headers = 0;
    for (const std::string &line : Lines(run.out)) {
        headers += line.rfind("== ", 0) == 0 && line.size() > 6 && line.substr(line.size() - 3) == " ==";
        EXPECT_LE(line.size(), 255u);
        // Swatches come out as #RRGGBB and values from outside are cleaned: no control byte but tabs.
        for (unsigned char c : line)
            if (c < 32 && c != '\t') {
                ADD_FAILURE() << "byte " << int(c) << " in: " << line;
                break;
            }
    }
    EXPECT_EQ(headers, 148);
}

// Tools run in the order given, each under its header.
TEST(Headless, AboutContentPrintsWithTabsKeptAndCodesDropped) {
    ProgramRun run = RunProgram("/report 3402,2201");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 24u);
    EXPECT_EQ(lines[23], "== 2201 Colors ==");
    EXPECT_EQ(lines[0], "== 3402 About Quorvex ==");
    EXPECT_EQ(lines[1], "Quorvex");
    EXPECT_EQ(lines[12], "Designed and Written by");
    EXPECT_EQ(lines[19], "Running (dd:hh:mm)\t00:00:00");
    EXPECT_EQ(lines[22], "Dates Used\t1");
    ProgramRun raw = RunProgram("/report 3402 /raw");
    std::vector<std::string> rawLines = Lines(raw.out);
    ASSERT_EQ(rawLines.size(), 23u);
    EXPECT_EQ(rawLines[12], "\\x06Designed and Written by");
    EXPECT_EQ(rawLines[22], "Dates Used\t\\x031");
}

// Windows are not opened headless: what they would show follows the tool's report lines.
TEST(Headless, WindowsPrintWhatTheyWouldShowAfterTheReport) {
    ProgramRun run = RunProgram("/report 2701,2702,2708");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    std::string out = run.out;
    EXPECT_NE(out.find("== 2701 Overall ==\nOverall Bottlenecks\nCPU\t0\nDisk\t0\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("== 2702 Wait Time ==\nWait Time\nCPU\t0\t00:00:00\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Video Monitor\t0\t00:00:00\nTotal time waiting on the PC\t00:00:00\n"
                       "Percent of time waiting on the PC\t0%\nTotal time using the PC\t00:00:00\n== 2708"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("%05\nBottlenecks\n0 - 10% Low\t100\n10 - 20%\t0\n"), std::string::npos) << out;
    EXPECT_EQ(out.substr(out.size() - 32), "80 - 90%\t0\n90 - 100% Overload\t0\n");
}

TEST(Headless, ADamagedHistoryIsReportedAndNeverRewritten) {
    std::string path = HistoryPath();
    WriteImage(path, std::string(15523, '\0'));
    ProgramRun run = RunProgram("/report 3402");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_NE(run.err.find("Error!: Unable to open file due to error."), std::string::npos) << run.err;
    EXPECT_EQ(FileSizeOf(path), 15523u) << "a headless run never writes sysstats.dat";
    // A folder in its place: the run still ends by itself, the message on standard error.
    DeleteFileA(path.c_str());
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    run = RunProgram("/report 3402");
    RemoveDirectoryA(path.c_str());
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_NE(run.err.find("Error!: Unable to open file due to error."), std::string::npos) << run.err;
    WriteImage(path, std::string(15524, '\0'));
    run = RunProgram("/report 3402");
    EXPECT_EQ(run.err, "");
}

TEST(Headless, OutNeverWritesOverTheProgramsOwnHistory) {
    std::string path = HistoryPath(), slashes = path;
    for (char &c : slashes)
        c = c == '\\' ? '/' : c;
    std::string dir = path.substr(0, path.find_last_of('\\'));
    std::string dotted = dir + "\\.\\sub\\..\\SysStats.DAT";
    for (const std::string &form :
         {std::string("sysstats.dat"), std::string("SYSSTATS.DAT"), slashes, dotted}) {
        ProgramRun run = RunProgram("/report 3402 /out \"" + form + "\"");
        EXPECT_EQ(run.exitCode, 2u) << form;
        EXPECT_NE(run.err.find("sysstats.dat"), std::string::npos) << run.err;
        EXPECT_EQ(FileSizeOf(path), 15524u) << form;
    }
}

TEST(Headless, OutWritesTheFileInsteadOfStandardOutput) {
    char dir[MAX_PATH], file[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "qv", 0, file);
    ProgramRun run = RunProgram(std::string("/list /out \"") + file + "\"");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out, "");
    std::string text = ReadImage(file);
    DeleteFileA(file);
    EXPECT_EQ(Lines(text).size(), 148u);
}

// The history as a spreadsheet reads it: slot rows, then the totals; no start-up work besides the file.
TEST(Headless, HistoryExportReadsTheStatisticsFile) {
    std::string image(15524, '\0');
    const unsigned char cpuSlot3[4] = {5, 0, 0, 0}, tenSeconds[4] = {0, 0, 0x20, 0x41};
    image.replace(24 + 3 * 4, 4, reinterpret_cast<const char *>(cpuSlot3), 4);
    image.replace(4, 4, reinterpret_cast<const char *>(tenSeconds), 4);
    WriteImage(HistoryPath(), image);
    ProgramRun run = RunProgram("/history");
    WriteImage(HistoryPath(), std::string(15524, '\0'));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 529u);
    EXPECT_EQ(lines[4].substr(0, 6), "3,5,0,");
    EXPECT_EQ(lines[505], "active_seconds,10");
}

TEST(Headless, BadArgumentsGiveUsageAndExitCode2) {
    for (const char *args : {"/report 1234", "/report", "/report 2201 /nonsense", "/list /out"}) {
        ProgramRun run = RunProgram(args);
        EXPECT_EQ(run.exitCode, 2u) << args;
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

// Runs a program of the prefix (regedit, reg) and waits for it.
void RunTool(const std::string &command) {
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, 30000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}

std::string FieldOf(const std::vector<std::string> &lines, const std::string &name) {
    for (const std::string &line : lines)
        if (line.rfind(name + "\t", 0) == 0)
            return line.substr(name.size() + 1);
    return "<missing>";
}

// Imports a fixture machine (a .reg text of HKEY_LOCAL_MACHINE keys) into the prefix's registry.
void ImportMachineFixture(const char *name) {
    char dir[MAX_PATH], file[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "qve", 0, file);
    WriteImage(file, FixtureText(name));
    RunTool(std::string("regedit.exe /S \"") + file + "\"");
    DeleteFileA(file);
}

TEST(Equipment, ExportWithAndWithoutADeviceTree) {
    RunTool("reg.exe delete HKLM\\Enum /f");
    ProgramRun bare = RunProgram("/equipment");
    EXPECT_EQ(bare.exitCode, 0u) << bare.err;
    std::vector<std::string> lines = Lines(bare.out);
    EXPECT_GT(lines.size(), 100u);
    EXPECT_EQ(FieldOf(lines, "BIOS name"), "");
    EXPECT_EQ(FieldOf(lines, "modem name"), "");
    EXPECT_EQ(FieldOf(lines, "hard disk controllers"), "0");
    EXPECT_EQ(FieldOf(lines, "COM UART [1]"), "0");
    // Any current processor, seen by a 32-bit or a 64-bit program, is at least of the newest class.
    EXPECT_EQ(FieldOf(lines, "CPU type"), "586");
    EXPECT_EQ(FieldOf(lines, "FPU type"), "587");

    // A Windows 95 style device tree in the machine's registry.
    ImportMachineFixture("walk_basic.reg");
    ProgramRun machine = RunProgram("/equipment");
    RunTool("reg.exe delete HKLM\\Enum /f");
    EXPECT_EQ(machine.exitCode, 0u) << machine.err;
    lines = Lines(machine.out);
    EXPECT_EQ(FieldOf(lines, "BIOS date"), "07/15/95");
    EXPECT_EQ(FieldOf(lines, "BIOS name"), "Award Software");
    EXPECT_EQ(FieldOf(lines, "modem name"), "Standard 28800 bps Modem");
    EXPECT_EQ(FieldOf(lines, "hard disk controllers"), "2");
    EXPECT_EQ(FieldOf(lines, "hard disk controller on PCI"), "1");
    EXPECT_EQ(FieldOf(lines, "SCSI id present [3]"), "1");
}

// A report that reads the equipment still gets it whole from a headless run (which reports take the
// inventory is the start-up needs table, tested natively).
TEST(Equipment, ReportsThatReadTheRecordStillTakeTheInventory) {
    RunTool("reg.exe delete HKLM\\Enum /f");
    ImportMachineFixture("id_pci_desktop.reg");
    ProgramRun board = RunProgram("/report 2310");
    EXPECT_EQ(board.out,
              "== 2310 Motherboard ==\nSystem\nComputer Name\tDefault Computer\n\nBIOS\nName\tAward\n"
              "Date\t07/15/95\n\nDMA Controllers\nTypes\tISA\n\nInterrupt Controllers\nTypes\tISA\n\n"
              "BUS\nTypes\tISA\nTypes\tPCI\n\nTimers\nTypes\tISA\n");
    RunTool("reg.exe delete HKLM\\Enum /f");
}

// A GUI start of quorvex.exe, ended at the end of the test.
class RunningCopy {
public:
    explicit RunningCopy(const std::string &args) {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        std::string command = "\"" + ProgramPath() + "\" " + args;
        std::vector<char> line(command.begin(), command.end());
        line.push_back(0);
        started_ =
            CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
    }
    ~RunningCopy() {
        if (started_) {
            if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(pi_.hProcess, 99);
            WaitForSingleObject(pi_.hProcess, 5000);
            CloseHandle(pi_.hProcess);
            CloseHandle(pi_.hThread);
        }
    }
    bool started() const { return started_; }
    HANDLE process() const { return pi_.hProcess; }

private:
    BOOL started_ = FALSE;
    PROCESS_INFORMATION pi_ = {};
};

HWND WaitForWindow(const char *cls, const char *title, DWORD ms) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
        if (HWND w = FindWindowA(cls, title))
            return w;
        Sleep(50);
    }
    return nullptr;
}

// Waits until the running copy has finished its start-up stages and is idle in its message loop.
bool WaitUntilStarted(HANDLE process, HWND window) {
    for (int i = 0; i < 200; ++i) {
        DWORD_PTR result;
        if (WaitForInputIdle(process, 100) == 0 &&
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result))
            return true;
        Sleep(50);
    }
    return false;
}

template <typename T> T At(const std::string &image, size_t offset) {
    T value{};
    if (offset + sizeof value <= image.size())
        memcpy(&value, &image[offset], sizeof value);
    return value;
}

// One GUI run: the history is read at start, a second copy only raises the first, the window keeps
// its size, ticks add to the history while it runs, and File, Exit writes it back.
TEST(SingleInstance, SecondCopyRaisesTheFirstAndTheHistoryGrowsUntilExit) {
    std::string image(15524, '\0');
    const float monitored = 1000.0f;
    const uint32_t keystrokes = 12345, shutdownQueries = 3;
    memcpy(&image[0], &monitored, 4);
    memcpy(&image[428], &keystrokes, 4);
    memcpy(&image[3300], &shutdownQueries, 4);
    WriteImage(HistoryPath(), image);

    RunningCopy first("");
    ASSERT_TRUE(first.started());
    HWND main = WaitForWindow("QUORVEX", nullptr, 15000);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntilStarted(first.process(), main));
    ASSERT_NE(WaitForWindow("QXDynamic", nullptr, 15000), nullptr) << "the data thread runs";
    char title[64];
    GetWindowTextA(main, title, sizeof title);
    EXPECT_STREQ(title, "Quorvex");

    ShowWindow(main, SW_MINIMIZE);
    Sleep(200);
    ASSERT_TRUE(IsIconic(main));
    ProgramRun second = RunProgram("");
    EXPECT_EQ(second.exitCode, 0u);
    Sleep(300);
    EXPECT_FALSE(IsIconic(main)) << "the running copy is restored";
    EXPECT_EQ(FindWindowA("QUORVEX", nullptr), main) << "still one main window";

    // Maximising keeps the window at 640 x 480.
    ShowWindow(main, SW_MAXIMIZE);
    Sleep(3000); // and three ticks or more
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);

    PostMessageA(main, WM_COMMAND, 2, 0);
    ASSERT_EQ(WaitForSingleObject(first.process(), 10000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(first.process(), &code);
    EXPECT_EQ(code, 0u);
    std::string saved = ReadImage(HistoryPath());
    ASSERT_EQ(saved.size(), 15524u);
    EXPECT_GE(At<float>(saved, 0), monitored + 2.0f) << "monitored seconds kept and grown";
    EXPECT_LE(At<float>(saved, 0), monitored + 30.0f);
    EXPECT_GE(At<uint32_t>(saved, 428), keystrokes);
    EXPECT_EQ(At<uint32_t>(saved, 3300), shutdownQueries);
}

std::string BoxText(HWND box) {
    std::string found;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32], text[256];
        GetClassNameA(child, cls, sizeof cls);
        GetWindowTextA(child, text, sizeof text);
        if (lstrcmpiA(cls, "Static") == 0 && text[0])
            found = text;
    }
    return found;
}

TEST(DebugWord, EachStageShowsOneBoxAndWaitsForOk) {
    RunningCopy copy("one dEbUg two");
    ASSERT_TRUE(copy.started());
    // Every box, in order, until the last start-up stage has been announced.
    std::vector<std::string> boxes;
    for (int n = 1; n <= 200; ++n) {
        std::string caption = "Message #" + std::to_string(n);
        HWND box = WaitForWindow(nullptr, caption.c_str(), 15000);
        ASSERT_NE(box, nullptr) << caption;
        // The box may be found before its text is in place.
        std::string text = BoxText(box);
        for (int t = 0; t < 100 && text.empty(); ++t) {
            Sleep(20);
            text = BoxText(box);
        }
        boxes.push_back(text);
        // Nothing goes on while the box waits for OK.
        Sleep(50);
        std::string next = "Message #" + std::to_string(n + 1);
        EXPECT_EQ(FindWindowA(nullptr, next.c_str()), nullptr);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        for (int t = 0; t < 100 && IsWindow(box); ++t)
            Sleep(20);
        if (boxes.back() == "Main... = Create Thread")
            break;
    }
    std::vector<std::string> main, registry;
    for (const std::string &text : boxes) {
        if (text.rfind("Main... = ", 0) == 0)
            main.push_back(text.substr(10));
        else if (text.rfind("Registry... = ", 0) == 0)
            registry.push_back(text.substr(14));
    }
    EXPECT_EQ(main, (std::vector<std::string>{"Initialize", "Read Databases", "Start Performance Data",
                                              "Get All Equipment", "Create Thread"}));
    ASSERT_EQ(registry.size(), 24u);
    EXPECT_EQ(registry.front(), "Start");
    EXPECT_EQ(registry.back(), "Done");
    HWND mainWindow = WaitForWindow("QUORVEX", nullptr, 10000);
    ASSERT_NE(mainWindow, nullptr);
    PostMessageA(mainWindow, WM_COMMAND, 2, 0);
    EXPECT_EQ(WaitForSingleObject(copy.process(), 20000), WAIT_OBJECT_0);
}

} // namespace
