#pragma once
#include "inventory/device_walk.h"
// The registry interface over the real HKEY_LOCAL_MACHINE (read-only).
RegistryAccess MachineRegistryAccess();
// Where the device walk reads: the machine itself where it has Windows 95's ENUM, else a Windows 95
// style view of the NT device tree, built once on first use and kept for the run.
RegistryAccess DeviceRegistryAccess();
