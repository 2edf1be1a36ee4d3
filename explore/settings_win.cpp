// The settings reports' Win32 side: system.ini, the environment block, the DOS device names, the serial
// ports and the memory status.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/globals_win.h"
#include "explore/explore_win.h"
#include "explore/settings.h"
#include "inventory/equipment.h"
#include "report/main_screen_win.h"
#include "platform/utilities.h"
#include "platform/utilities_win.h"

namespace {

struct StartupFile {
    char path[MAX_PATH + 16];
};

void ReadBootDescription(void *context, const char *key, char *value, size_t valueSize) {
    const StartupFile *file = static_cast<const StartupFile *>(context);
    GetPrivateProfileStringA("boot.description", key, "None", value, static_cast<DWORD>(valueSize),
                             file->path);
}

// The names of all DOS devices, zero-terminated, ending with an empty one; null when there are none.
// The list starts at 1024 bytes and grows while the system says it does not fit.
char *ReadDosDeviceNames() {
    for (DWORD size = 1024; size <= 1024 * 1024; size *= 2) {
        char *names = static_cast<char *>(calloc(size, 1));
        if (!names)
            return nullptr;
        DWORD got = QueryDosDeviceA(nullptr, names, size - 2); // room for the final empty name
        if (got)
            return names;
        DWORD error = GetLastError();
        free(names);
        if (error != ERROR_INSUFFICIENT_BUFFER && error != ERROR_MORE_DATA)
            return nullptr;
    }
    return nullptr;
}

// The first of a device's mappings. One that does not fit the working copy is read again into a larger
// buffer and cut, and the report says so.
bool ReadDosDevice(void *, const char *name, char *mapping, size_t mappingSize, bool *cut) {
    if (QueryDosDeviceA(name, mapping, static_cast<DWORD>(mappingSize)))
        return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return false;
    const DWORD bigSize = 32768;
    char *big = static_cast<char *>(calloc(bigSize, 1));
    if (!big)
        return false;
    bool ok = QueryDosDeviceA(name, big, bigSize - 1) != 0;
    if (ok) {
        snprintf(mapping, mappingSize, "%s", big);
        *cut = strlen(big) >= mappingSize;
    }
    free(big);
    return ok;
}

PortSettings PortSettingsFromDcb(const DCB &dcb) {
    PortSettings s = {};
    s.baudRate = dcb.BaudRate;
    s.binary = dcb.fBinary;
    s.parityCheck = dcb.fParity;
    s.outxCtsFlow = dcb.fOutxCtsFlow;
    s.outxDsrFlow = dcb.fOutxDsrFlow;
    s.dtrControl = dcb.fDtrControl;
    s.dsrSensitivity = dcb.fDsrSensitivity;
    s.txContinueOnXoff = dcb.fTXContinueOnXoff;
    s.outX = dcb.fOutX;
    s.inX = dcb.fInX;
    s.errorCharOn = dcb.fErrorChar;
    s.nullStrip = dcb.fNull;
    s.rtsControl = dcb.fRtsControl;
    s.abortOnError = dcb.fAbortOnError;
    s.xonLim = dcb.XonLim;
    s.xoffLim = dcb.XoffLim;
    s.byteSize = dcb.ByteSize;
    s.parity = dcb.Parity;
    s.stopBits = dcb.StopBits;
    s.xonChar = dcb.XonChar;
    s.xoffChar = dcb.XoffChar;
    s.errorChar = dcb.ErrorChar;
    s.eofChar = dcb.EofChar;
    s.evtChar = dcb.EvtChar;
    return s;
}

PortProperties PortPropertiesFromCommProp(const COMMPROP &prop) {
    PortProperties p = {};
    p.packetLength = prop.wPacketLength;
    p.packetVersion = prop.wPacketVersion;
    p.serviceMask = prop.dwServiceMask;
    p.maxTxQueue = prop.dwMaxTxQueue;
    p.maxRxQueue = prop.dwMaxRxQueue;
    p.maxBaud = prop.dwMaxBaud;
    p.provSubType = prop.dwProvSubType;
    p.provCapabilities = prop.dwProvCapabilities;
    p.settableParams = prop.dwSettableParams;
    p.settableBaud = prop.dwSettableBaud;
    p.settableData = prop.wSettableData;
    p.settableStopParity = prop.wSettableStopParity;
    p.currentTxQueue = prop.dwCurrentTxQueue;
    p.currentRxQueue = prop.dwCurrentRxQueue;
    p.provSpec1 = prop.dwProvSpec1;
    p.provSpec2 = prop.dwProvSpec2;
    p.provChar = static_cast<char>(prop.wcProvChar[0] & 0xFF);
    return p;
}

void ReadPort(int n, PortState *port) {
    char name[16];
    snprintf(name, sizeof name, "COM%d", n);
    HANDLE handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    port->opened = true;
    DCB dcb = {};
    dcb.DCBlength = 28;
    if (GetCommState(handle, &dcb)) {
        port->settingsRead = true;
        port->settings = PortSettingsFromDcb(dcb);
    }
    COMMPROP prop = {};
    if (GetCommProperties(handle, &prop)) {
        port->propertiesRead = true;
        port->properties = PortPropertiesFromCommProp(prop);
    }
    CloseHandle(handle);
}

} // namespace

void ExploreStartupSettings(HWND mainScreen) {
    (void)mainScreen;
    if (!g_report)
        return;
    BeginReport(*g_report);
    StartupFile file = {};
    char windows[256] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    snprintf(file.path, sizeof file.path, "%s\\system.ini", windows);
    WriteStartupSettingsReport(*g_report, ReadBootDescription, &file);
    ShowReport();
}

void ExploreEnvironment(HWND mainScreen) {
    (void)mainScreen;
    if (!g_report)
        return;
    BeginReport(*g_report);
    char *environment = GetEnvironmentStringsA();
    char *names = ReadDosDeviceNames();
    WriteEnvironmentReport(*g_report, environment, names, ReadDosDevice, nullptr);
    free(names);
    if (environment)
        FreeEnvironmentStringsA(environment);
    ShowReport();
}

void ExplorePorts(HWND mainScreen) {
    (void)mainScreen;
    if (!g_report)
        return;
    BeginReport(*g_report);
    PortState ports[5] = {};
    for (int n = 1; n <= 4; ++n) {
        ports[n].present = g_equipment && g_equipment->comPresent[n];
        if (ports[n].present)
            ReadPort(n, &ports[n]);
    }
    WritePortsReport(*g_report, ports);
    ShowReport();
}

void ExploreMemory(HWND mainScreen) {
    (void)mainScreen;
    if (!g_report)
        return;
    BeginReport(*g_report);
    WriteMemoryReport(*g_report, ReadMemoryStatus());
    ShowReport();
}
