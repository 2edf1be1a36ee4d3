// The registry half of start-up against one plain read of the same device tree, and the headless runs
// of quorvex.exe. A Windows 95 style ENUM tree of 1,000 devices is written into
// HKEY_LOCAL_MACHINE\Enum of the bench prefix for the run and removed afterwards.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "bench/bench_win.h"
#include "inventory/equipment.h"
#include "inventory/inventory_win.h"
#include "inventory/registry_stages.h"
#include "inventory/registry_win.h"
#include "platform/globals_win.h"
#include "tests/registry_keys.h"

namespace {

constexpr int kDevices = 1000;
constexpr char kEnumKey[] = "Enum";
// Set on the Enum key this program writes, so that a tree left by an interrupted run is known as ours.
constexpr char kMarker[] = "QuorvexBenchTree";

struct Value {
    const char *name;
    std::string text;
};

struct Device {
    std::string path; // enumerator\device id\instance
    std::vector<Value> values;
    bool configFlags; // a binary ConfigFlags value as Windows 95 writes one
};

Device Make(const std::string &path, const char *cls, const std::string &description, const std::string &id,
            const char *mfg) {
    return Device{
        path, {{"Class", cls}, {"DeviceDesc", description}, {"HardwareID", id}, {"Mfg", mfg}}, true};
}

// The devices of a Pentium desktop: the system board, the BIOS devices, PCI bridge, IDE and video, a
// Plug and Play sound card, disks, a monitor and a modem.
void AddDesktop(std::vector<Device> &devices) {
    Device board =
        Make("Root\\*PNP0C01\\0000", "System", "System board", "*PNP0C01", "(Standard system devices)");
    board.values.push_back({"BIOSDate", "09/12/95"});
    board.values.push_back({"BIOSName", "Award Modular BIOS v4.51PG"});
    devices.push_back(board);
    devices.push_back(
        Make("Root\\*PNP0A03\\0000", "System", "PCI bus", "*PNP0A03", "(Standard system devices)"));
    devices.push_back(Make("Root\\*PNP0C04\\0000", "System", "Numeric data processor", "*PNP0C04",
                           "(Standard system devices)"));
    devices.push_back(Make("Root\\MDMGEN\\0000", "Modem", "Standard 28800 bps Modem", "MDMGEN2880",
                           "(Standard Modem Types)"));
    struct Bios {
        const char *id, *cls, *description;
    };
    const Bios bios[] = {
        {"*PNP0000", "System", "Programmable interrupt controller"},
        {"*PNP0100", "System", "System timer"},
        {"*PNP0200", "System", "Direct memory access controller"},
        {"*PNP0303", "Keyboard", "Standard 101/102-Key or Microsoft Natural Keyboard"},
        {"*PNP0F13", "Mouse", "Standard PS/2 Port Mouse"},
        {"*PNP0501", "Ports", "Communications Port (COM1)"},
        {"*PNP0501", "Ports", "Communications Port (COM2)"},
        {"*PNP0400", "Ports", "Printer Port (LPT1)"},
        {"*PNP0600", "hdc", "Standard IDE/ESDI Hard Disk Controller"},
        {"*PNP0700", "fdc", "Standard Floppy Disk Controller"},
        {"*PNP0B00", "System", "System CMOS/real time clock"},
        {"*PNP0800", "System", "System speaker"},
        {"*PNP0C02", "System", "Motherboard resources"},
    };
    int n = 0;
    for (const Bios &b : bios) {
        char path[64];
        snprintf(path, sizeof path, "BIOS\\%s\\%02X", b.id, n++);
        devices.push_back(Make(path, b.cls, b.description, b.id, "(Standard system devices)"));
    }
    devices.push_back(Make("PCI\\VEN_8086&DEV_122E\\BUS_00&DEV_07&FUNC_00", "System",
                           "Intel 82371FB PCI to ISA bridge", "PCI\\VEN_8086&DEV_122E", "Intel"));
    devices.push_back(Make("PCI\\VEN_8086&DEV_1230\\BUS_00&DEV_07&FUNC_01", "hdc",
                           "Intel 82371FB PCI Bus Master IDE Controller", "PCI\\VEN_8086&DEV_1230", "Intel"));
    devices.push_back(Make("PCI\\VEN_5333&DEV_8811\\BUS_00&DEV_0B&FUNC_00", "Display", "S3 Trio32/64 PCI",
                           "PCI\\VEN_5333&DEV_8811", "S3"));
    devices.push_back(Make("MF\\CHILD0000\\PCI&VEN_8086&DEV_1230&BUS_00&DEV_07&FUNC_01", "hdc",
                           "Primary IDE controller (dual fifo)", "MF\\GENERIC_IDE",
                           "(Standard hard disk drivers)"));
    devices.push_back(Make("MF\\CHILD0001\\PCI&VEN_8086&DEV_1230&BUS_00&DEV_07&FUNC_01", "hdc",
                           "Secondary IDE controller (dual fifo)", "MF\\GENERIC_IDE",
                           "(Standard hard disk drivers)"));
    devices.push_back(Make("ISAPNP\\CTL0031\\0", "MEDIA", "Creative Labs Sound Blaster 16 Plug and Play",
                           "ISAPNP\\CTL0031", "Creative Labs"));
    devices.push_back(
        Make("ISAPNP\\CTL7001\\0", "MEDIA", "Gameport Joystick", "ISAPNP\\CTL7001", "Creative Labs"));
    devices.push_back(Make("ESDI\\GENERIC_IDE__DISK_TYPE47_\\MF&CHILD0000&PCI&VEN_8086&DEV_1230", "DiskDrive",
                           "GENERIC IDE  DISK TYPE47", "GenDisk", "(Standard disk drives)"));
    devices.push_back(Make("FLOP\\GENERIC_NEC__FLOPPY_DISK_\\BIOS&*PNP0700&09", "DiskDrive",
                           "GENERIC NEC  FLOPPY DISK", "GenFloppyDisk", "(Standard disk drives)"));
    devices.push_back(Make("MONITOR\\DEFAULT_MONITOR\\0001", "Monitor", "NEC MultiSync 4FGe",
                           "Monitor\\NEC6052", "NEC Technologies"));
}

// The rest, to 1,000: network adapters and protocols, SCSI disks and CD-ROMs with their target ids,
// more PCI and Plug and Play ISA cards.
void AddMore(std::vector<Device> &devices) {
    for (int i = 0; static_cast<int>(devices.size()) < kDevices; ++i) {
        char path[128], id[64], name[96];
        switch (i % 4) {
            case 0:
                snprintf(path, sizeof path, "PCI\\VEN_10%02X&DEV_%04X\\BUS_%02X&DEV_%02X&FUNC_00", i % 97, i,
                         i / 32 % 8, i % 32);
                snprintf(id, sizeof id, "PCI\\VEN_10%02X&DEV_%04X", i % 97, i);
                snprintf(name, sizeof name, "PCI Ethernet Adapter %d", i);
                devices.push_back(Make(path, "Net", name, id, "(detected net cards)"));
                devices.back().values.push_back({"HWRevision", "001"});
                break;
            case 1: {
                bool cdrom = i % 3 == 0;
                snprintf(path, sizeof path, "SCSI\\%s_%05d\\PCI&VEN_9004&DEV_7178&BUS_00&DEV_0D&FUNC_00",
                         cdrom ? "NEC_____CD-ROM_DRIVE:501" : "SEAGATE_ST32550N", i);
                snprintf(name, sizeof name, "%s %d", cdrom ? "NEC CD-ROM DRIVE:501" : "SEAGATE ST32550N", i);
                devices.push_back(Make(path, cdrom ? "CDROM" : "DiskDrive", name,
                                       cdrom ? "SCSI\\NEC_____CD-ROM_DRIVE:501" : "SCSI\\SEAGATE_ST32550N",
                                       cdrom ? "NEC" : "Seagate"));
                devices.back().values.push_back({"SCSITargetID", std::to_string(i % 7 + 1)});
                devices.back().values.push_back({"SCSILUN", "0"});
                break;
            }
            case 2:
                snprintf(path, sizeof path, "Network\\MSTCP\\%04d", i);
                devices.push_back(Make(path, "NetTrans", "TCP/IP", "MSTCP", "Microsoft"));
                devices.back().configFlags = false;
                break;
            default:
                snprintf(path, sizeof path, "ISAPNP\\PNP%04X\\%d", 0x8000 + i, i % 4);
                snprintf(id, sizeof id, "ISAPNP\\PNP%04X", 0x8000 + i);
                snprintf(name, sizeof name, "Plug and Play ISA card %d", i);
                devices.push_back(Make(path, "Unknown", name, id, "(Unknown)"));
                break;
        }
    }
}

// Whether HKEY_LOCAL_MACHINE\Enum is free for the bench tree: missing, or left by an earlier run.
bool EnumIsOurs() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnumKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return true;
    bool ours = RegQueryValueExA(key, kMarker, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ours;
}

bool WriteTree(const std::vector<Device> &devices) {
    HKEY root;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kEnumKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                        nullptr) != ERROR_SUCCESS)
        return false;
    RegSetValueExA(root, kMarker, 0, REG_SZ, reinterpret_cast<const BYTE *>("1"), 2);
    bool ok = true;
    for (const Device &d : devices) {
        HKEY key;
        if (RegCreateKeyExA(root, d.path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
            ERROR_SUCCESS) {
            ok = false;
            continue;
        }
        for (const Value &v : d.values)
            RegSetValueExA(key, v.name, 0, REG_SZ, reinterpret_cast<const BYTE *>(v.text.c_str()),
                           static_cast<DWORD>(v.text.size() + 1));
        if (d.configFlags) {
            const BYTE flags[4] = {0, 0, 0, 0};
            RegSetValueExA(key, "ConfigFlags", 0, REG_BINARY, flags, sizeof flags);
        }
        RegCloseKey(key);
    }
    RegCloseKey(root);
    return ok;
}

// The baseline: one plain enumeration of the tree, every instance key opened and the ten values of a
// device record read. Returns the number of instances read.
int ReadTreeOnce() {
    static const char *const kNames[] = {"Class",   "DeviceDesc", "HWRevision", "HardwareID", "Mfg",
                                         "BusType", "BIOSDate",   "BIOSName",   "SCSILUN",    "SCSITargetID"};
    int instances = 0;
    HKEY root;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEnumKey, 0, KEY_READ, &root) != ERROR_SUCCESS)
        return 0;
    char enumerator[256], deviceId[256], instance[256];
    for (DWORD e = 0;; ++e) {
        DWORD size = sizeof enumerator;
        if (RegEnumKeyExA(root, e, enumerator, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        HKEY enumKey;
        if (RegOpenKeyExA(root, enumerator, 0, KEY_READ, &enumKey) != ERROR_SUCCESS)
            continue;
        for (DWORD d = 0;; ++d) {
            size = sizeof deviceId;
            if (RegEnumKeyExA(enumKey, d, deviceId, &size, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            HKEY deviceKey;
            if (RegOpenKeyExA(enumKey, deviceId, 0, KEY_READ, &deviceKey) != ERROR_SUCCESS)
                continue;
            for (DWORD i = 0;; ++i) {
                size = sizeof instance;
                if (RegEnumKeyExA(deviceKey, i, instance, &size, nullptr, nullptr, nullptr, nullptr) !=
                    ERROR_SUCCESS)
                    break;
                HKEY key;
                if (RegOpenKeyExA(deviceKey, instance, 0, KEY_READ, &key) != ERROR_SUCCESS)
                    continue;
                for (const char *name : kNames) {
                    BYTE data[256];
                    DWORD type = 0, length = 255;
                    RegQueryValueExA(key, name, nullptr, &type, data, &length);
                }
                RegCloseKey(key);
                ++instances;
            }
            RegCloseKey(deviceKey);
        }
        RegCloseKey(enumKey);
    }
    RegCloseKey(root);
    return instances;
}

double Milliseconds(double startSeconds) {
    return (WallSeconds() - startSeconds) * 1000.0;
}

// The registry half of start-up as the program runs it, into a fresh record.
double TimeRegistryHalf() {
    ZeroMemory(g_equipment, sizeof(EquipmentRecord));
    double start = WallSeconds();
    RunDeviceWalk(nullptr);
    return Milliseconds(start);
}

// The same stages with every walk asking the registry itself, as start-up did before it read the tree
// once.
double TimeStagesOnRegistry() {
    ZeroMemory(g_equipment, sizeof(EquipmentRecord));
    double start = WallSeconds();
    RunRegistryStages(MachineRegistryAccess(), *g_equipment,
                      StageHooks{nullptr, nullptr, nullptr, 586, 0, 0});
    return Milliseconds(start);
}

double TimeMeasuredHalf() {
    ZeroMemory(g_equipment, sizeof(EquipmentRecord));
    double start = WallSeconds();
    RunMeasurements(nullptr);
    return Milliseconds(start);
}

// Runs quorvex.exe (beside this program) with the arguments, output thrown away; wall time in ms, or
// -1 when it could not run or failed.
double TimeProgram(const char *args) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command(path);
    command.resize(command.find_last_of('\\') + 1);
    command = "\"" + command + "quorvex.exe\" " + args;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE nul =
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = nul;
    si.hStdError = nul;
    PROCESS_INFORMATION pi = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back(0);
    double start = WallSeconds();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(nul);
        return -1;
    }
    WaitForSingleObject(pi.hProcess, 120000);
    double ms = Milliseconds(start);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(nul);
    return code == 0 ? ms : -1;
}

double MedianProgram(int runs, const char *args) {
    TimeProgram(args); // the first run also loads what later runs find ready
    return MedianOf(runs, [&] { return TimeProgram(args); });
}

BenchResult Absolute(const char *name, double ms, const char *goal, bool met, const std::string &note) {
    BenchResult r;
    r.name = name;
    r.value = ms;
    r.unit = "ms";
    r.goal = goal;
    r.met = met;
    r.note = note;
    return r;
}

} // namespace

int main() {
    if (!EnumIsOurs()) {
        fprintf(stderr,
                "HKEY_LOCAL_MACHINE\\Enum exists and was not written by this benchmark: not touched\n");
        return 1;
    }
    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEnumKey);
    std::vector<Device> devices;
    AddDesktop(devices);
    AddMore(devices);
    if (!WriteTree(devices)) {
        fprintf(stderr, "could not write the device tree under HKEY_LOCAL_MACHINE\\Enum\n");
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kEnumKey);
        return 1;
    }
    g_equipment = static_cast<EquipmentRecord *>(calloc(1, sizeof(EquipmentRecord)));

    int read = ReadTreeOnce();
    double plain = MedianOf(7, [] {
        double start = WallSeconds();
        ReadTreeOnce();
        return Milliseconds(start);
    });
    char sizeNote[160];
    snprintf(sizeNote, sizeof sizeNote, "%d instance keys, ten values each asked; median of 7", read);
    PrintBench(Absolute("ENUM read once (plain enumeration)", plain, "reference", true, sizeNote));

    BenchResult walks;
    walks.name = "start-up registry half (every device walk of the 24 stages)";
    walks.value = MedianOf(3, TimeRegistryHalf);
    walks.unit = "ms";
    walks.baseline = "ENUM read once";
    walks.baselineValue = plain;
    walks.goal = "<= 2x baseline";
    walks.met = Ratio(walks) <= 2.0;
    walks.note = "1,000 devices; median of 3";
    PrintBench(walks);

    BenchResult copy = walks;
    copy.name = "of which: reading ENUM once into memory";
    copy.value = MedianOf(3, [] {
        double start = WallSeconds();
        FreeRegistryTree(ReadDeviceTreeOnce());
        return Milliseconds(start);
    });
    copy.goal = "reference";
    copy.met = true;
    copy.note = "the rest of the registry half is the walks in memory; median of 3";
    PrintBench(copy);

    BenchResult direct = walks;
    direct.name = "the same stages, every walk asking the registry";
    direct.value = MedianOf(3, TimeStagesOnRegistry);
    direct.goal = "reference";
    direct.met = true;
    direct.note = "how start-up walked before it read the tree once; median of 3";
    PrintBench(direct);

    double measured = MedianOf(3, TimeMeasuredHalf);
    PrintBench(Absolute("start-up measured half (drives, clock, modems, printers, ...)", measured,
                        "reference", true, "in this process; median of 3"));

    double list = MedianProgram(5, "/list");
    PrintBench(Absolute("quorvex.exe /list", list, "reference", list >= 0,
                        "process start and exit under Wine; median of 5"));
    double about = MedianProgram(5, "/report 3402");
    PrintBench(Absolute("quorvex.exe /report 3402 (About)", about, "< 1000 ms", about >= 0 && about < 1000,
                        "needs only the history; median of 5"));
    double colors = MedianProgram(5, "/report 2201");
    PrintBench(Absolute("quorvex.exe /report 2201 (Colors, reads no equipment)", colors, "< 1000 ms",
                        colors >= 0 && colors < 1000, "median of 5"));

    BenchResult equipment;
    equipment.name = "quorvex.exe /equipment (1,000 devices)";
    equipment.value = MedianProgram(3, "/equipment");
    equipment.unit = "ms";
    equipment.baseline = "/list + ENUM read once + measured half";
    equipment.baselineValue = list + plain + measured;
    equipment.goal = "<= 2x baseline";
    equipment.met = equipment.value >= 0 && Ratio(equipment) <= 2.0;
    equipment.note = "median of 3";
    PrintBench(equipment);

    DeleteKeyTree(HKEY_LOCAL_MACHINE, kEnumKey);
    free(g_equipment);
    return 0;
}
