// Removing a registry key with everything below it, for the tests and benchmarks that write keys of
// their own (RegDeleteTree is not there before Vista, RegDeleteKey removes only an empty key on NT).
#pragma once

#include <windows.h>

inline void DeleteKeyTree(HKEY parent, const char *path) {
    HKEY key;
    if (RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS)
        DeleteKeyTree(key, name);
    RegCloseKey(key);
    RegDeleteKeyA(parent, path);
}
