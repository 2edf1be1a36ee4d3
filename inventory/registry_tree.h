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
