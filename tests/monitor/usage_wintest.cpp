// sysstats.dat on a real disk, and the usage hook's counting, under Windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/globals_win.h"
#include "monitor/history_file.h"
#include "monitor/performance.h"
#include "monitor/usage_win.h"
#include "platform/utilities_win.h"
#include "tests/wintest_env.h"

namespace {

// A fresh folder under the temporary folder, removed with what is in it at the end.
struct TempFolder {
    std::string path;
    TempFolder() {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        static int serial;
        path = std::string(dir) + "qvhist" + std::to_string(GetTickCount()) + "-" + std::to_string(++serial);
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const char *name : {"sysstats.dat", "sysstats.tmp", "sysstats.bad"}) {
            std::string file = path + "\\" + name;
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
            RemoveDirectoryA(file.c_str());
        }
        RemoveDirectoryA(path.c_str());
    }
    std::string File(const char *name) const { return path + "\\" + name; }
};

void WriteBytes(const std::string &file, const std::vector<unsigned char> &bytes) {
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::vector<unsigned char> ReadBytes(const std::string &file) {
    std::vector<unsigned char> bytes;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return bytes;
    unsigned char buffer[4096];
    DWORD got;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got)
        bytes.insert(bytes.end(), buffer, buffer + got);
    CloseHandle(h);
    return bytes;
}

// Message boxes go to standard error while these tests run, so that nothing waits for a click.
struct HistoryTest : testing::Test {
    PerformanceHistory saved;
    void SetUp() override {
        saved = *g_history;
        g_app.headless = true;
    }
    void TearDown() override {
        *g_history = saved;
        g_app.headless = false;
    }
};

// A saved history loads back whole; a save that cannot finish keeps the previous file.
TEST_F(HistoryTest, SaveThenLoadAndAFailedSaveKeepsThePreviousFile) {
    TempFolder folder;
    std::string file = folder.File("sysstats.dat");
    *g_history = PerformanceHistory{};
    g_history->monitoredSeconds = 90061.0f;
    g_history->cpu[42] = 1234;
    g_history->priority[32] = 99;
    ASSERT_TRUE(SaveHistoryTo(file.c_str()));
    std::vector<unsigned char> good(kHistoryBytes);
    SerializeHistory(*g_history, good.data());
    EXPECT_EQ(ReadBytes(file), good);
    EXPECT_EQ(GetFileAttributesA(folder.File("sysstats.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    // The temporary file cannot be created: a folder stands in its place.
    ASSERT_TRUE(CreateDirectoryA(folder.File("sysstats.tmp").c_str(), nullptr));
    g_history->daysSeen = 12;
    EXPECT_FALSE(SaveHistoryTo(file.c_str()));
    EXPECT_EQ(ReadBytes(file), good);
    *g_history = PerformanceHistory{};
    ASSERT_TRUE(LoadHistoryFrom(file.c_str(), true));
    EXPECT_EQ(GetFileAttributesA(folder.File("sysstats.bad").c_str()), INVALID_FILE_ATTRIBUTES)
        << "a good history is not kept aside";
    std::vector<unsigned char> loaded(kHistoryBytes);
    SerializeHistory(*g_history, loaded.data());
    EXPECT_EQ(loaded, good);
}

TEST_F(HistoryTest, LoadRulesBySize) {
    TempFolder folder;
    std::string file = folder.File("sysstats.dat");
    g_history->daysSeen = 5;
    EXPECT_FALSE(LoadHistoryFrom(file.c_str(), true)) << "missing";
    EXPECT_EQ(g_history->daysSeen, 5u) << "a history that cannot be loaded is kept as it was";
    WriteBytes(file, std::vector<unsigned char>(kHistoryBytes - 1, 1));
    EXPECT_FALSE(LoadHistoryFrom(file.c_str(), false)) << "15523 bytes";
    EXPECT_EQ(g_history->daysSeen, 5u);
    std::vector<unsigned char> two(2 * kHistoryBytes, 0);
    two[20] = 3;                 // days seen of the first record
    two[kHistoryBytes + 20] = 9; // and of the second
    WriteBytes(file, two);
    EXPECT_TRUE(LoadHistoryFrom(file.c_str(), false)) << "31048 bytes";
    EXPECT_EQ(g_history->daysSeen, 3u) << "the first record is used";
    EXPECT_EQ(GetFileAttributesA(folder.File("sysstats.bad").c_str()), INVALID_FILE_ATTRIBUTES)
        << "a run that never saves leaves what it finds";
}

// Whatever stands at the history's place and is not one whole record survives the next save.
TEST_F(HistoryTest, ADamagedHistoryIsKeptAsideBeforeTheFirstSave) {
    const size_t sizes[] = {0, kHistoryBytes - 1, kHistoryBytes + 1, 2 * kHistoryBytes};
    for (size_t size : sizes) {
        SCOPED_TRACE(size);
        TempFolder folder;
        std::string file = folder.File("sysstats.dat"), bad = folder.File("sysstats.bad");
        std::vector<unsigned char> original(size);
        for (size_t i = 0; i < size; ++i)
            original[i] = static_cast<unsigned char>(i * 7);
        WriteBytes(bad, {1, 2, 3}); // an older one is replaced
        WriteBytes(file, original);
        LoadHistoryFrom(file.c_str(), true);
        ASSERT_TRUE(SaveHistoryTo(file.c_str()));
        EXPECT_EQ(ReadBytes(file).size(), static_cast<size_t>(kHistoryBytes));
        EXPECT_EQ(ReadBytes(bad), original);
    }
    TempFolder folder;
    std::string file = folder.File("sysstats.dat"), bad = folder.File("sysstats.bad");
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));
    LoadHistoryFrom(file.c_str(), true);
    ASSERT_TRUE(SaveHistoryTo(file.c_str())) << "a folder in the history's place is moved aside";
    EXPECT_EQ(ReadBytes(file).size(), static_cast<size_t>(kHistoryBytes));
    EXPECT_NE(GetFileAttributesA(bad.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(HistoryTest, AHistoryThatCannotBeKeptIsNeverWrittenOver) {
    TempFolder folder;
    std::string file = folder.File("sysstats.dat"), bad = folder.File("sysstats.bad");
    std::vector<unsigned char> original(kHistoryBytes + 1, 0x5A);
    WriteBytes(file, original);
    // A folder in the way of sysstats.bad, with a file in it so that it cannot be replaced.
    ASSERT_TRUE(CreateDirectoryA(bad.c_str(), nullptr));
    std::string inside = bad + "\\keep.txt";
    WriteBytes(inside, {1});
    LoadHistoryFrom(file.c_str(), true);
    EXPECT_FALSE(SaveHistoryTo(file.c_str()));
    EXPECT_EQ(ReadBytes(file), original);
    DeleteFileA(inside.c_str());
}

std::string g_savePath;
LONG g_saveFailures;

DWORD WINAPI SaveManyTimes(void *) {
    for (int i = 0; i < 150; ++i)
        if (!SaveHistoryTo(g_savePath.c_str()))
            InterlockedIncrement(&g_saveFailures);
    return 0;
}

// The periodic save on the data thread and a save on the main thread may meet.
TEST_F(HistoryTest, SavesFromTwoThreadsLeaveOneWholeFile) {
    TempFolder folder;
    g_savePath = folder.File("sysstats.dat");
    *g_history = PerformanceHistory{};
    g_history->daysSeen = 77;
    g_history->cpu[3] = 0xA5A5A5A5;
    g_saveFailures = 0;
    HANDLE threads[2];
    for (HANDLE &thread : threads)
        thread = CreateThread(nullptr, 0, SaveManyTimes, nullptr, 0, nullptr);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (HANDLE thread : threads)
        CloseHandle(thread);
    EXPECT_EQ(g_saveFailures, 0);
    std::vector<unsigned char> expected(kHistoryBytes);
    SerializeHistory(*g_history, expected.data());
    EXPECT_EQ(ReadBytes(g_savePath), expected);
    EXPECT_EQ(GetFileAttributesA(folder.File("sysstats.tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(HistoryTest, AShutdownQueryIsCountedOnceInBothRecords) {
    uint32_t history = g_history->shutdownQueries;
    uint32_t sample = g_sample->word[22];
    CountShutdownQuery();
    EXPECT_EQ(g_history->shutdownQueries, history + 1);
    EXPECT_EQ(g_sample->word[22], sample + 1);
}

TEST(UsageHook, RecordedEventsRaiseTheCounters) {
    InputCounters before = g_input;
    EVENTMSG f1 = {WM_KEYDOWN, VK_F1, 0, 0, nullptr};
    EVENTMSG right = {WM_RBUTTONDOWN, 10, 10, 0, nullptr};
    CountRecordedEvent(&f1);
    CountRecordedEvent(&right);
    EXPECT_EQ(g_input.helpKeys, before.helpKeys + 1);
    EXPECT_EQ(g_input.keystrokes, before.keystrokes + 1);
    EXPECT_EQ(g_input.pointerActions, before.pointerActions + 1);
    EXPECT_EQ(g_input.rightClicks, before.rightClicks + 1);
    EXPECT_EQ(g_input.navigationActions, before.navigationActions);
}

void SendKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

void SendClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof input[0]);
}

// Real input aimed at the suite's own window goes through the installed hook (the only input such a
// hook sees under Wine); after removal nothing more is counted.
TEST(UsageHook, CountsRealInputWhileInstalled) {
    g_app.headless = true; // a failed installation would be reported on standard error
    InstallUsageHook();
    g_app.headless = false;
    SetForegroundWindow(g_app.main);
    SetFocus(g_app.mainScreen);
    PumpMessages();
    InputCounters before = g_input;
    SendKey(VK_F5);
    SendKey('A');
    // A click on the Main Screen's title, which does nothing with it.
    RECT title;
    GetWindowRect(g_app.mainTitle, &title);
    SendClickAt(POINT{(title.left + title.right) / 2, (title.top + title.bottom) / 2});
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 3000 && (g_input.keystrokes < before.keystrokes + 2 ||
                                             g_input.pointerActions < before.pointerActions + 1)) {
        PumpMessages();
        Sleep(20);
    }
    EXPECT_EQ(g_input.keystrokes, before.keystrokes + 2);
    EXPECT_EQ(g_input.functionKeys, before.functionKeys + 1);
    EXPECT_EQ(g_input.rightClicks, before.rightClicks);
    EXPECT_EQ(g_input.pointerActions, before.pointerActions + 1);
    EXPECT_EQ(g_input.navigationActions, before.navigationActions);
    RemoveUsageHook();
    PumpMessages();
    InputCounters after = g_input;
    SendKey('B');
    Sleep(200);
    PumpMessages();
    EXPECT_EQ(g_input.keystrokes, after.keystrokes);
}

// Keys typed into another program count as well: the low-level hooks see every program's input.
TEST(UsageHook, CountsInputTypedIntoAnotherProgram) {
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(StartNotepad(&process));
    ProcessCaption notepad = {};
    for (int wait = 0; wait < 100 && !notepad.window; ++wait, Sleep(50))
        FindProcessCaption(process.dwProcessId, &notepad);
    ASSERT_NE(notepad.window, nullptr);
    SetForegroundWindow(notepad.window);
    InstallUsageHook();
    InputCounters before = g_input;
    SendKey('Q');
    SendKey(VK_F2);
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 3000 && g_input.keystrokes < before.keystrokes + 2) {
        PumpMessages();
        Sleep(20);
    }
    RemoveUsageHook();
    EndProgram(process);
    EXPECT_EQ(g_input.keystrokes, before.keystrokes + 2);
    EXPECT_EQ(g_input.functionKeys, before.functionKeys + 1);
}

} // namespace
