// The serial port calls of the modem probe on Windows.
#include <windows.h>

#include "inventory/modem_probe.h"

namespace {

void *OpenPort(void *, const char *name) {
    HANDLE port = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    return port == INVALID_HANDLE_VALUE ? nullptr : port;
}

void ConfigurePort(void *, void *port, const char *controlString) {
    // Start from the port's own state, so that the fields the settings do not name stay sensible.
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    BuildCommDCBA(controlString, &dcb);
    SetCommState(port, &dcb);
}

bool PortModemLines(void *, void *port, uint32_t *lines) {
    DWORD status = 0;
    if (!GetCommModemStatus(port, &status))
        return false;
    *lines = status;
    return true;
}

bool WritePort(void *, void *port, const void *bytes, uint32_t count) {
    DWORD written = 0;
    return WriteFile(port, bytes, count, &written, nullptr) != FALSE;
}

void SleepMs(void *, uint32_t ms) {
    Sleep(ms);
}

bool PortStatus(void *, void *port, uint32_t *errors, uint32_t *waiting) {
    DWORD portErrors = 0;
    COMSTAT status = {};
    if (!ClearCommError(port, &portErrors, &status))
        return false;
    *errors = portErrors;
    *waiting = status.cbInQue;
    return true;
}

bool ReadPort(void *, void *port, void *buffer, uint32_t count, uint32_t *got) {
    DWORD read = 0;
    if (!ReadFile(port, buffer, count, &read, nullptr))
        return false;
    *got = read;
    return true;
}

void ClosePort(void *, void *port) {
    CloseHandle(port);
}

} // namespace

SerialPortAccess WindowsSerialPorts() {
    return {nullptr, OpenPort,   ConfigurePort, PortModemLines, WritePort,
            SleepMs, PortStatus, ReadPort,      ClosePort};
}

int ModemProbe(EquipmentRecord &record) {
    return ModemProbe(WindowsSerialPorts(), record);
}
