#pragma once
#include "inventory/device_walk.h"
// The registry interface over the real HKEY_LOCAL_MACHINE (read-only).
RegistryAccess MachineRegistryAccess();
