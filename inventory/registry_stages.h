// The registry half of the inventory: 24 stages in a fixed order, each announced and some followed by
// a step of the start-up pyramid.
#pragma once

#include "inventory/device_walk.h"
#include "inventory/equipment.h"

struct StageHooks {
    void *context;
    // Called with the stage name before each stage ("Registry..." traces).
    void (*announce)(void *context, const char *stage);
    // Called after each stage that advances the start-up pyramid.
    void (*step)(void *context);
    // The processor type the system information call of Windows reports (386, 486, 586, ...).
    int processorType;
    // Non-zero when Windows says the machine is slow (the SM_SLOWMACHINE metric).
    int slowMachine;
};

void RunRegistryStages(const RegistryAccess &registry, EquipmentRecord &record, const StageHooks &hooks);

// Stages driven by the identification tables and the monitor table (one function per stage).
void StagePrinterPorts(const RegistryAccess &registry, EquipmentRecord &record);
void StageInterruptControllers(const RegistryAccess &registry, EquipmentRecord &record);
void StageTimers(const RegistryAccess &registry, EquipmentRecord &record);
void StageDmaControllers(const RegistryAccess &registry, EquipmentRecord &record);
void StageKeyboard(const RegistryAccess &registry, EquipmentRecord &record);
void StageSerialPorts(const RegistryAccess &registry, EquipmentRecord &record);
void StageBus(const RegistryAccess &registry, EquipmentRecord &record);
void StageMouse(const RegistryAccess &registry, EquipmentRecord &record);
void StagePs2Ports(const RegistryAccess &registry, EquipmentRecord &record);
void StageSoundDevices(const RegistryAccess &registry, EquipmentRecord &record);
void StageGamePorts(const RegistryAccess &registry, EquipmentRecord &record);
void StageProcessors(const RegistryAccess &registry, EquipmentRecord &record, int processorType);
void StageCdrom(const RegistryAccess &registry, EquipmentRecord &record);
void StageScsiAdaptors(const RegistryAccess &registry, EquipmentRecord &record);
void StageVideoCardType(const RegistryAccess &registry, EquipmentRecord &record);
void StageVideoCard(const RegistryAccess &registry, EquipmentRecord &record);
void StageMonitor(const RegistryAccess &registry, EquipmentRecord &record);

// Stages with rules of their own (not table driven).
void StageMotherboard(const RegistryAccess &registry, EquipmentRecord &record);
void StageDiskControllers(const RegistryAccess &registry, EquipmentRecord &record);
void StageScsiIds(const RegistryAccess &registry, EquipmentRecord &record);
void StageDiskControllerBus(const RegistryAccess &registry, EquipmentRecord &record);
void StageModemName(const RegistryAccess &registry, EquipmentRecord &record);
