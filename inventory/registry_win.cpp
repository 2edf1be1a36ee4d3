#include "inventory/registry_win.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "inventory/nt_device_view.h"
#include "inventory/registry_tree.h"

namespace {

void *MachineOpen(void *, const char *path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

void MachineClose(void *, void *key) {
    RegCloseKey(static_cast<HKEY>(key));
}

int MachineSubkeyCount(void *, void *key) {
    DWORD subkeys = 0;
    if (RegQueryInfoKeyA(static_cast<HKEY>(key), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return static_cast<int>(subkeys);
}

bool MachineSubkeyName(void *, void *key, int index, char *name, size_t size) {
    char buffer[256];
    if (RegEnumKeyA(static_cast<HKEY>(key), static_cast<DWORD>(index), buffer, sizeof buffer) !=
        ERROR_SUCCESS)
        return false;
    snprintf(name, size, "%s", buffer);
    return true;
}

bool MachineQueryValue(void *, void *key, const char *value, char *out, size_t size) {
    // Values are read into a 255-byte buffer; a longer one is cut, never overrun.
    BYTE buffer[256] = {};
    DWORD type = 0, length = 255;
    LONG result = RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &type, buffer, &length);
    if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA)
        return false;
    if (result == ERROR_MORE_DATA) {
        // Too long for the buffer: read it whole and keep the first 254 characters.
        DWORD full = 0;
        RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &type, nullptr, &full);
        BYTE *all = static_cast<BYTE *>(calloc(full + 1, 1));
        if (!all)
            return false;
        length = 0; // what the first read left in the buffer is undefined
        if (RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &type, all, &full) == ERROR_SUCCESS) {
            length = full < 254 ? full : 254;
            memcpy(buffer, all, length);
        }
        free(all);
    }
    FormatQueriedValue(type, buffer, length, out, size);
    return true;
}

int MachineQueryRaw(void *, void *key, const char *value, uint32_t *type, unsigned char *out, size_t size) {
    DWORD kind = 0, length = 0;
    if (RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &kind, nullptr, &length) != ERROR_SUCCESS)
        return -1;
    BYTE *all = static_cast<BYTE *>(calloc(length + 1, 1));
    if (!all)
        return -1;
    int copied = -1;
    if (RegQueryValueExA(static_cast<HKEY>(key), value, nullptr, &kind, all, &length) == ERROR_SUCCESS) {
        copied = static_cast<int>(length < size ? length : size);
        memcpy(out, all, static_cast<size_t>(copied));
        *type = kind;
    }
    free(all);
    return copied;
}

int MachineValueAt(void *, void *key, int index, char *name, size_t nameSize, uint32_t *type,
                   unsigned char *data, size_t dataSize) {
    HKEY handle = static_cast<HKEY>(key);
    DWORD nameLength = static_cast<DWORD>(nameSize), kind = 0, length = static_cast<DWORD>(dataSize);
    LONG result =
        RegEnumValueA(handle, static_cast<DWORD>(index), name, &nameLength, nullptr, &kind, data, &length);
    if (result == ERROR_MORE_DATA) {
        // The bytes do not fit: their whole length, for a second call with room enough.
        nameLength = static_cast<DWORD>(nameSize);
        length = 0;
        result = RegEnumValueA(handle, static_cast<DWORD>(index), name, &nameLength, nullptr, &kind, nullptr,
                               &length);
    }
    if (result != ERROR_SUCCESS)
        return -1;
    *type = kind;
    return static_cast<int>(length);
}

} // namespace

RegistryTree *ReadDeviceTreeOnce() {
    // The walks go no deeper than the instance keys (enumerator, device id, instance below ENUM).
    return CopyRegistryTree(MachineRegistryAccess(), "ENUM", 3);
}

RegistryAccess DeviceRegistryAccess() {
    static RegistryTree *view = nullptr;
    static bool chosen = false;
    RegistryAccess machine = MachineRegistryAccess();
    if (!chosen) {
        chosen = true;
        if (!KeyExists(machine, "ENUM"))
            view = BuildNtDeviceView(machine);
    }
    return view ? TreeRegistryAccess(view) : machine;
}

RegistryAccess MachineRegistryAccess() {
    return RegistryAccess{nullptr,           MachineOpen,       MachineClose,    MachineSubkeyCount,
                          MachineSubkeyName, MachineQueryValue, MachineQueryRaw, MachineValueAt};
}
