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
    // Non-zero when the processor is known to carry its numeric coprocessor (ClassifyProcessor).
    int fpuBuiltIn;
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
// fpuBuiltIn counts as a coprocessor found, whatever the device tree says.
void StageProcessors(const RegistryAccess &registry, EquipmentRecord &record, int processorType,
                     bool fpuBuiltIn = false);

// The processor the stages work with, from what the system information call reports: the type
// itself (386, 486, 586), its architecture (0 x86, 9 x86-64) and level (3, 4, 5, 6, ...). A processor
// newer than the classes the stages know (an x86-64 processor, reported as type 8664, or an x86 of
// level 6 and up) counts as the newest class, 586 with its built-in coprocessor, never as no
// processor at all. Windows 95 leaves the level unset: there the type decides.
struct ProcessorClassInfo {
    int type;
    bool fpuBuiltIn;
};
ProcessorClassInfo ClassifyProcessor(int processorType, int architecture, int level);
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
