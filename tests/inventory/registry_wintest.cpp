// The registry stages against the real registry: every fixture machine is imported with regedit into
// a key of its own, HKEY_LOCAL_MACHINE is redirected there, and the stages must find exactly what
// they find in the same machine read as text.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "inventory/registry_stages.h"
#include "inventory/registry_tree.h"
#include "inventory/nt_device_view.h"
#include "inventory/registry_win.h"
#include "tests/fixtures.h"
#include "tests/inventory/registry_recorder.h"
#include "tests/registry_keys.h"

namespace {

struct StageLog {
    std::vector<std::string> stages;
    int steps = 0;
};

void LogStage(void *context, const char *stage) {
    static_cast<StageLog *>(context)->stages.push_back(stage);
}
void LogStep(void *context) {
    ++static_cast<StageLog *>(context)->steps;
}

std::string Replace(std::string text, const std::string &from, const std::string &to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Imports the fixture under HKEY_CURRENT_USER\Software\QuorvexFixtures\<stem> with regedit.
bool ImportFixture(const char *name, const std::string &stem) {
    std::string text = Replace(FixtureText(name), "[HKEY_LOCAL_MACHINE",
                               "[HKEY_CURRENT_USER\\Software\\QuorvexFixtures\\" + stem);
    char dir[MAX_PATH], file[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "qvr", 0, file);
    HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
    std::string command = std::string("regedit.exe /S \"") + file + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    bool ok = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    if (ok) {
        WaitForSingleObject(pi.hProcess, 30000);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    DeleteFileA(file);
    return ok;
}

// Imports each .reg fixture machine under a key of its own and calls body with the fixture's name and
// that key, open; the key is removed afterwards. Counts the machines in *machines.
template <typename Body> void ForEachFixtureMachine(int *machines, Body body) {
    for (int i = 0; FixtureName(i); ++i) {
        std::string name = FixtureName(i);
        if (name.size() < 4 || name.substr(name.size() - 4) != ".reg")
            continue;
        SCOPED_TRACE(name);
        std::string stem = name.substr(0, name.size() - 4), rootPath = "Software\\QuorvexFixtures\\" + stem;
        ASSERT_TRUE(ImportFixture(name.c_str(), stem));
        HKEY root = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, rootPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                        nullptr);
        ASSERT_NE(root, nullptr);
        body(name, root);
        RegCloseKey(root);
        DeleteKeyTree(HKEY_CURRENT_USER, rootPath.c_str());
        ++*machines;
    }
}

TEST(RegistryStages, RealRegistryAgreesWithTheTextOfEveryFixtureMachine) {
    int machines = 0;
    ForEachFixtureMachine(&machines, [](const std::string &name, HKEY root) {
        auto fromRegistry = std::make_unique<EquipmentRecord>();
        StageLog registryLog;
        StageHooks hooks = {&registryLog, LogStage, LogStep, 586, 0, 0};
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, root), ERROR_SUCCESS);
        RunRegistryStages(MachineRegistryAccess(), *fromRegistry, hooks);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);

        char error[200];
        RegistryTree *tree = ParseRegistryText(FixtureText(name.c_str()), error, sizeof error);
        ASSERT_NE(tree, nullptr) << error;
        auto fromText = std::make_unique<EquipmentRecord>();
        StageLog textLog;
        hooks.context = &textLog;
        RunRegistryStages(TreeRegistryAccess(tree), *fromText, hooks);
        FreeRegistryTree(tree);

        EXPECT_EQ(memcmp(fromRegistry.get(), fromText.get(), sizeof(EquipmentRecord)), 0)
            << fromRegistry->biosName << " / " << fromText->biosName;
        EXPECT_EQ(registryLog.stages, textLog.stages);
        EXPECT_EQ(registryLog.steps, textLog.steps);
    });
    EXPECT_GE(machines, 1);
}

// Start-up reads the device tree once and walks the copy: on every fixture machine each walk of the
// stages gets the answers the registry itself gives (where the machine has no ENUM, both read the
// view of its NT device tree, or the machine where it has none).
TEST(RegistryStages, OneReadOfTheTreeAnswersEveryWalkAsTheRegistryDoes) {
    int machines = 0;
    ForEachFixtureMachine(&machines, [](const std::string &, HKEY root) {
        ASSERT_EQ(RegOverridePredefKey(HKEY_LOCAL_MACHINE, root), ERROR_SUCCESS);
        RegistryAccess machine = MachineRegistryAccess();
        bool hasEnum = KeyExists(machine, "ENUM");
        RegistryTree *view = hasEnum ? nullptr : BuildNtDeviceView(machine);
        RegistryAccess straight = hasEnum || !view ? machine : TreeRegistryAccess(view);
        StagesRun direct = RunStagesRecorded(straight);
        RegistryTree *once = ReadDeviceTreeOnce();
        EXPECT_EQ(once != nullptr, hasEnum);
        StagesRun copied = RunStagesRecorded(once ? TreeRegistryAccess(once) : straight);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        EXPECT_EQ(StagesRunDifference(direct, copied), "");
        EXPECT_GT(direct.answers.size(), 100u);
        FreeRegistryTree(once);
        FreeRegistryTree(view);
    });
    EXPECT_EQ(machines, 6);
}

} // namespace
