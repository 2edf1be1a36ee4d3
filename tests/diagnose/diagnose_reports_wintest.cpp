// The Diagnose reports on this Wine: the drives of the test prefix, a serial port held elsewhere, and
// every report's captions in its Quick Help text, on a fixture machine's record.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "diagnose/keyboard_test.h"
#include "diagnose/reports_win.h"
#include "inventory/registry_stages.h"
#include "inventory/registry_tree.h"
#include "platform/globals_win.h"
#include "platform/printers_win.h"
#include "resources/resource_ids.h"
#include "tests/fixtures.h"
#include "tests/printed_pages.h"
#include "tests/wintest_env.h"

namespace {

// The mouse test's clicks: the boxes first..last - 1, then the right button that ends it.
void ClickBoxes(HWND window, int first, int last) {
    for (int id = first; id < last; ++id)
        PostMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
}
void EndMouseTest(HWND window) {
    PostMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(400, 400));
}

void CloseJoystickTest(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Runs the tool on the record of a fixture machine (the real record is put back afterwards).
std::vector<std::string> RunOnFixture(void (*tool)(HWND), const EquipmentRecord &machine) {
    auto saved = std::make_unique<EquipmentRecord>(*g_equipment);
    *g_equipment = machine;
    auto lines = RunTool(tool);
    *g_equipment = *saved;
    return lines;
}

TEST(DiagnoseReportsWine, EveryReportsCaptionsAreInItsQuickHelp) {
    char error[200] = "";
    RegistryTree *tree = ParseRegistryText(FixtureText("id_pci_desktop.reg"), error, sizeof error);
    ASSERT_NE(tree, nullptr) << error;
    auto machine = std::make_unique<EquipmentRecord>();
    RunRegistryStages(TreeRegistryAccess(tree), *machine, StageHooks{nullptr, nullptr, nullptr, 586, 0, 0});
    FreeRegistryTree(tree);
    machine->floppyDrives = 1;
    machine->floppy[0] = {1.44f, 3.5f};
    machine->fixedDisks = 1;
    machine->joysticks = 1;
    SetPrintDialogAnswerer(AnswerCancel);
    SetMouseTestDriver(EndMouseTest);
    SetJoystickTestDriver(CloseJoystickTest);
    SetVideoTestDriver(CloseJoystickTest, nullptr); // OK ends the video test as well
    const struct {
        void (*tool)(HWND);
        int help;
    } tools[] = {
        {DiagnoseOverview, 2351},
        {DiagnoseCdrom, 2354},
        {DiagnoseCpu, 2360},
        {DiagnoseFloppy, 2352},
        {DiagnoseHardDrives, 2353},
        {DiagnoseJoysticks, 2357},
        {DiagnoseKeyboard, 2355},
        {DiagnoseMemory, 2358},
        {[](HWND main) {
             DiagnoseModems(main, [](EquipmentRecord &e) {
                 e.modemSpeed[1] = 28800;
                 return 0;
             });
         },
         2363},
        {[](HWND main) {
             DiagnoseModems(main, [](EquipmentRecord &e) {
                 e.modemSpeed[1] = 0;
                 return 1;
             });
         },
         2363},
        {DiagnoseMotherboard, 2361},
        {DiagnoseMouse, 2356},
        {DiagnosePorts, 2362},
        {DiagnosePower, 2367},
        {DiagnosePrinter, 2366},
        {DiagnoseSound, 2364},
        {[](HWND main) {
             DiagnoseSystemBuses(main, {nullptr, [](void *, const char *id, void (*add)(void *, const char *),
                                                    void *sink) { add(sink, id); }});
         },
         2359},
        {DiagnoseVideo, 2365},
    };
    for (const auto &t : tools) {
        SCOPED_TRACE(t.help);
        auto lines = RunOnFixture(t.tool, *machine);
        ASSERT_GT(lines.size(), 1u);
        ExpectClicksFindCaptions(t.help, lines);
        // A cancelled printer test does not claim to have passed.
        if (t.help == 2366) {
            EXPECT_EQ(
                std::count_if(lines.begin(), lines.end(),
                              [](const std::string &l) { return l.find("Passed") != std::string::npos; }),
                0);
        }
    }
    SetPrintDialogAnswerer(nullptr);
    SetMouseTestDriver(nullptr);
    SetJoystickTestDriver(nullptr);
    SetVideoTestDriver(nullptr, nullptr);
    // The keyboard and sound reports left their tests open.
    for (const char *caption : {"Keyboard Test", "Sound Card Test"}) {
        HWND test = FindWindowA(nullptr, caption);
        EXPECT_NE(test, nullptr) << caption;
        DestroyWindow(test);
    }
}

TEST(DiagnoseReportsWine, MouseTestPassesOnlyOnTheFourCornersAndNoOtherClick) {
    const struct {
        MouseTestDriver driver;
        TestOutcome outcome;
    } cases[] = {{EndMouseTest, kTestFailed},
                 {[](HWND w) {
                      ClickBoxes(w, 10, 15);
                      EndMouseTest(w);
                  },
                  kTestPassed},
                 {[](HWND w) {
                      ClickBoxes(w, 10, 13); // the centre box is not needed, the fourth corner is
                      EndMouseTest(w);
                  },
                  kTestFailed},
                 {[](HWND w) {
                      ClickBoxes(w, 10, 14);
                      PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 300));
                      EndMouseTest(w);
                  },
                  kTestFailed}};
    for (const auto &c : cases) {
        SetMouseTestDriver(c.driver);
        EXPECT_EQ(RunMouseTest(g_app.main), c.outcome);
    }
    SetMouseTestDriver(nullptr);
    EXPECT_EQ(FindWindowA("MouseTests", nullptr), nullptr);
    auto lines = RunTool([](HWND main) {
        SetMouseTestDriver([](HWND w) {
            ClickBoxes(w, 10, 14);
            EndMouseTest(w);
        });
        DiagnoseMouse(main);
        SetMouseTestDriver(nullptr);
    });
    EXPECT_EQ(lines.back(), "Spurious Values Test\t\003Passed");
}

TEST(DiagnoseReportsWine, DrivesOfTheTestPrefix) {
    auto lines = RunTool(DiagnoseHardDrives);
    auto c = std::find(lines.begin(), lines.end(), "\006\002Drive C:");
    ASSERT_NE(c, lines.end());
    ASSERT_GT(lines.end() - c, 8);
    EXPECT_EQ(c[1], "Bytes Per Sector\t\003512");
    EXPECT_EQ(c[4].rfind("Total Bytes\t\003", 0), 0u);
    // A drive above 4 GB shows its whole size.
    unsigned long long perSector = 0, perCluster = 0, clusters = 0, total = 0;
    sscanf(c[1].c_str(), "Bytes Per Sector\t\003%llu", &perSector);
    sscanf(c[2].c_str(), "Sectors Per Cluster\t\003%llu", &perCluster);
    sscanf(c[3].c_str(), "Total Clusters\t\003%llu", &clusters);
    sscanf(c[4].c_str(), "Total Bytes\t\003%llu", &total);
    EXPECT_EQ(total, perSector * perCluster * clusters);

    // R: of the test prefix is a CD-ROM drive whose folder does not exist (scripts/lib.sh): no disc.
    lines = RunTool(DiagnoseCdrom);
    auto r = std::find(lines.begin(), lines.end(), "\006\002Drive R:");
    if (r == lines.end())
        FAIL() << "no CD-ROM drive R: in the test prefix (scripts/lib.sh makes one)";
    ASSERT_NE(r + 1, lines.end());
    EXPECT_EQ(r[1], "\003Unable to test. No CD currently in drive. Please insert a CD and rerun this test.");
}

// Wine does not refuse a second exclusive open of a character device, so a port held elsewhere opens
// again there: the "Currently In Use" lines are the portable tests' part.
TEST(DiagnoseReportsWine, AFreePortPassesItsChecks) {
    const char *port = getenv("QV_FAKE_MODEM");
    if (!port || strcmp(port, "COM1") != 0)
        GTEST_SKIP() << "no port on COM1 (run through scripts/test)";
    uint32_t saved = g_equipment->comPresent[1];
    g_equipment->comPresent[1] = 1;
    auto lines = RunTool(DiagnosePorts);
    g_equipment->comPresent[1] = saved;
    auto at = std::find(lines.begin(), lines.end(), "\006Serial Port COM1");
    ASSERT_LT(at + 9, lines.end());
    EXPECT_EQ(at[2] + "|" + at[3] + "|" + at[9],
              "Currently In Use\t\003No|Baud Rate Test\t\003Passed|RTS Check\t\003Passed");
}

int VisibleCaps(HWND dialog) {
    int visible = 0;
    for (int id = 12301; id <= 12401; ++id)
        visible += IsWindowVisible(GetDlgItem(dialog, id)) ? 1 : 0;
    return visible;
}

void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void PumpFor(DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10))
        PumpMessages();
}

TEST(DiagnoseKeyboardTest, EveryKeyCapGoesAndThenTheTestCloses) {
    HWND dialog = ShowKeyboardTest(g_app.main);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(VisibleCaps(dialog), 101);
    SetForegroundWindow(dialog);
    SetFocus(dialog);
    // Enter without the extended bit is the main Enter key, with it the keypad's.
    PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1 << 24);
    PumpMessages();
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 12399)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, 12357)));
    for (const KeyCapPair &pair : kKeyCapTable)
        if (!PolledKey(pair.code))
            PostMessageA(dialog, pair.code % 10000 == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, pair.code % 10000,
                         pair.code >= 20000 ? 1 << 24 : 0);
    PumpMessages();
    // The rest are polled: held down through a few polls, then let go (lock keys twice, as they were).
    for (int round = 0; round < 2 && IsWindow(dialog); ++round) {
        for (const KeyCapPair &pair : kKeyCapTable)
            if (PolledKey(pair.code))
                SendKey(static_cast<WORD>(pair.code), false);
        PumpFor(200);
        for (const KeyCapPair &pair : kKeyCapTable)
            if (PolledKey(pair.code))
                SendKey(static_cast<WORD>(pair.code), true);
        PumpFor(100);
    }
    EXPECT_FALSE(IsWindow(dialog));
    if (IsWindow(dialog)) {
        EXPECT_EQ(VisibleCaps(dialog), 0);
        DestroyWindow(dialog);
    }
}

TEST(DiagnoseJoystickTest, MovesAndButtonsClearTheirFlags) {
    const struct {
        JoystickTestDriver driver;
        const char *flags; // stuck button, press, release, range, skipping, sixth
    } cases[] = {{CloseJoystickTest, "011111"},
                 {[](HWND d) {
                      PostMessageA(d, MM_JOY1MOVE, 0, MAKELPARAM(100, 100));
                      PostMessageA(d, MM_JOY1BUTTONDOWN, JOY_BUTTON1CHG, 0);
                      PostMessageA(d, MM_JOY1BUTTONUP, JOY_BUTTON1CHG, 0);
                      CloseJoystickTest(d);
                  },
                  "000000"},
                 {[](HWND d) {
                      PostMessageA(d, MM_JOY1BUTTONDOWN, JOY_BUTTON1CHG, 0); // still held at the end
                      CloseJoystickTest(d);
                  },
                  "101111"}};
    for (const auto &c : cases) {
        SetJoystickTestDriver(c.driver);
        JoystickFlags flags = {};
        EXPECT_EQ(RunJoystickTest(g_app.main, flags), kTestPassed);
        std::string shown;
        for (uint32_t flag : flags.flag)
            shown += flag ? '1' : '0';
        EXPECT_EQ(shown, c.flags);
    }
    SetJoystickTestDriver([](HWND d) {
        SendMessageA(d, WM_COMMAND, IDC_JOYSTICK_PRESS, 0);
        char text[200] = "";
        GetDlgItemTextA(d, IDC_JOYSTICK_TEXT, text, sizeof text);
        EXPECT_STREQ(
            text, "Hold each joystick button down for several seconds, then release the button. Proceed to "
                  "the next test when done.");
        CloseJoystickTest(d);
    });
    JoystickFlags flags = {};
    RunJoystickTest(g_app.main, flags);
    SetJoystickTestDriver(nullptr);
}

// The colour distortion series: 63 fields, each painted over the whole screen before its hold; after
// the last the dialog comes back.
std::vector<COLORREF> g_fields;
TEST(DiagnoseVideoTest, ColourSeriesPaintsSixtyThreeFieldsThenTheDialogReturns) {
    g_fields.clear();
    SetVideoTestDriver(
        [](HWND dialog) {
            PostMessageA(dialog, WM_COMMAND, IDC_VIDEO_COLOUR_DISTORTION, 0);
            PostMessageA(dialog, WM_COMMAND, IDC_VIDEO_START, 0);
        },
        [](int) {
            HWND window = FindWindowA("VideoTests", nullptr);
            HDC dc = GetDC(window);
            g_fields.push_back(GetPixel(dc, 300, 200));
            ReleaseDC(window, dc);
            if (g_fields.size() == 63)
                PostMessageA(FindWindowA(nullptr, "Video Tests"), WM_COMMAND, IDOK, 0);
        });
    EXPECT_EQ(RunVideoTest(g_app.main), kTestPassed);
    SetVideoTestDriver(nullptr, nullptr);
    ASSERT_EQ(g_fields.size(), 63u);
    EXPECT_EQ(g_fields[1], RGB(32, 0, 0));
    EXPECT_EQ(g_fields[8], RGB(0, 0, 0)); // level 256 is 0
    EXPECT_EQ(g_fields[16], RGB(224, 0, 224));
    EXPECT_EQ(g_fields[61], RGB(224, 224, 224));
    EXPECT_EQ(FindWindowA("VideoTests", nullptr), nullptr);
}

// The noise files beside the program: one second of 16-bit stereo, the silent channel all zero.
TEST(DiagnoseSoundTest, NoiseFilesPlayOnTheirChannelsUntilOk) {
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string directory(program, strrchr(program, '\\'));
    const struct {
        const char *file;
        bool left, right;
    } files[] = {{"r_noise.wav", false, true}, {"l_noise.wav", true, false}, {"b_noise.wav", true, true}};
    for (const auto &f : files) {
        SCOPED_TRACE(f.file);
        FILE *in = fopen((directory + "\\" + f.file).c_str(), "rb");
        ASSERT_NE(in, nullptr);
        std::vector<unsigned char> bytes(100000);
        bytes.resize(fread(bytes.data(), 1, bytes.size(), in));
        fclose(in);
        ASSERT_EQ(bytes.size(), 44u + 22050 * 4);
        EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
        bool heard[2] = {};
        for (size_t i = 44; i + 4 <= bytes.size(); i += 4)
            for (int c = 0; c < 2; ++c)
                heard[c] |= bytes[i + 2 * c] != 0 || bytes[i + 2 * c + 1] != 0;
        EXPECT_EQ(heard[0], f.left);
        EXPECT_EQ(heard[1], f.right);
    }
    HWND dialog = ShowSoundTest(g_app.main);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ShowSoundTest(g_app.main), dialog); // one at a time
    for (int id : {12501, 12502, 12503})
        SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(dialog));
}

} // namespace
