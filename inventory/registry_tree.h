// An in-memory registry read from REGEDIT4 text (.reg files): the test trees of the device walk, and
// the same files the Windows tests import into their Wine prefix.
#pragma once

#include "inventory/device_walk.h"

struct RegistryTree;

// Parses REGEDIT4 text. Keys under HKEY_LOCAL_MACHINE are kept (paths relative to it); string values
// ("name"="text") and dword values ("name"=dword:0000001f, kept as decimal text). Returns null with a
// message in error for malformed text.
RegistryTree *ParseRegistryText(const char *text, char *error, size_t errorSize);
void FreeRegistryTree(RegistryTree *tree);
// Read-only access to the tree through the registry interface.
RegistryAccess TreeRegistryAccess(RegistryTree *tree);

// Building a tree: an empty one, a key (with the keys above it), a value of a key (made if missing;
// a value of the same name, in any case, is replaced). The value's text is what FormatQueriedValue
// makes of its bytes, as on the machine.
RegistryTree *NewRegistryTree();
void AddRegistryKey(RegistryTree *tree, const char *path);
void SetRegistryValue(RegistryTree *tree, const char *path, const char *name, uint32_t type,
                      const unsigned char *data, size_t length);

// A copy of the key at path of another registry, of every value and of the keys down to `levels` levels
// below it (deeper keys are left out), read once and kept in that registry's order of subkeys, so
// that walks of the copy get the answers the registry gives. Null when the key cannot be opened or
// the registry cannot list values.
RegistryTree *CopyRegistryTree(const RegistryAccess &source, const char *path, int levels);
