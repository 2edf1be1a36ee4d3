#pragma once
#include "inventory/device_walk.h"
#include "inventory/registry_tree.h"
// The registry interface over the real HKEY_LOCAL_MACHINE (read-only).
RegistryAccess MachineRegistryAccess();
// Where the device walk reads: the machine itself where it has Windows 95's ENUM, else a Windows 95
// style view of the NT device tree, built once on first use and kept for the run.
RegistryAccess DeviceRegistryAccess();
// The device tree of one start-up, read from the machine once: ENUM with its enumerator, device id and
// instance keys and their values, in memory for every walk of the registry stages. Null where the
// machine has no ENUM: the walks then read the NT view of DeviceRegistryAccess, in memory already.
// Free it with FreeRegistryTree.
RegistryTree *ReadDeviceTreeOnce();
