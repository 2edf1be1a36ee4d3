#include "inventory/registry_stages.h"

#include "inventory/identification_tables.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

bool ContainsUpper(const char *text, const char *word) {
    char upper[256];
    size_t i = 0;
    for (; text[i] && i + 1 < sizeof upper; ++i)
        upper[i] = static_cast<char>(toupper(static_cast<unsigned char>(text[i])));
    upper[i] = 0;
    return strstr(upper, word) != nullptr;
}

} // namespace

void StageMotherboard(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord board;
    if (ProbeFirstInstance(registry, "ENUM\\Root\\*PNP0C01\\00%.2X", &board) >= 0) {
        QV_COPY_FIELD(record.biosDate, board.biosDate);
        QV_COPY_FIELD(record.biosName, board.biosName);
    }
}

void StageDiskControllers(const RegistryAccess &registry, EquipmentRecord &record) {
    for (int index = 0; index <= 254; ++index) {
        char path[64];
        snprintf(path, sizeof path, "ENUM\\BIOS\\*PNP0600\\%.2X", index);
        record.hardDiskControllers += KeyExists(registry, path);
        snprintf(path, sizeof path, "ENUM\\BIOS\\*PNP0700\\%.2X", index);
        record.floppyControllers += KeyExists(registry, path);
    }
    // The controllers themselves stand under ENUM\MF; a machine without that key counts none.
    if (record.hardDiskControllers)
        record.hardDiskControllers = CountSubkeys(registry, "ENUM\\MF");
}

void StageScsiIds(const RegistryAccess &registry, EquipmentRecord &record) {
    for (int id = 1; id <= 7; ++id) {
        char text[8];
        snprintf(text, sizeof text, "%d", id);
        if (DeviceWalk(registry, text, kMatchScsiTarget, nullptr, 0, kWalkCount))
            record.scsiIdPresent[id] = 1;
    }
}

void StageDiskControllerBus(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord *devices = nullptr;
    int n = CollectDevices(registry, "hdc", kMatchClass, &devices);
    for (int i = 0; i < n; ++i) {
        const char *description = devices[i].description;
        if (ContainsUpper(description, "PCI"))
            record.hardDiskControllerOnPci = 1;
        if (ContainsUpper(description, "VL") || ContainsUpper(description, "VESA"))
            record.hardDiskControllerOnVl = 1;
        if (ContainsUpper(description, "EISA"))
            record.hardDiskControllerOnEisa = 1;
    }
    FreeDeviceRecords(devices);
}

void StageModemName(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord *devices = nullptr;
    if (CollectDevices(registry, "Modem", kMatchClass, &devices) > 0)
        QV_COPY_FIELD(record.modemName, devices[0].description);
    FreeDeviceRecords(devices);
}

void RunRegistryStages(const RegistryAccess &registry, EquipmentRecord &record, const StageHooks &hooks) {
    auto announce = [&](const char *stage) {
        if (hooks.announce)
            hooks.announce(hooks.context, stage);
    };
    auto step = [&]() {
        if (hooks.step)
            hooks.step(hooks.context);
    };
    announce("Start");
    announce("Printer Ports");
    StagePrinterPorts(registry, record);
    announce("Interrupt controllers");
    StageInterruptControllers(registry, record);
    step();
    announce("Timers");
    StageTimers(registry, record);
    announce("DMA Controllers");
    StageDmaControllers(registry, record);
    announce("Keyboard");
    StageKeyboard(registry, record);
    step();
    announce("Serial Ports");
    StageSerialPorts(registry, record);
    announce("Disk Controllers");
    StageDiskControllers(registry, record);
    step();
    announce("BUS");
    StageBus(registry, record);
    announce("Mouse");
    StageMouse(registry, record);
    step();
    announce("PS/2 Ports");
    StagePs2Ports(registry, record);
    announce("Sound Devices");
    StageSoundDevices(registry, record);
    step();
    announce("Game Ports");
    StageGamePorts(registry, record);
    announce("Processors");
    StageProcessors(registry, record, hooks.processorType, hooks.fpuBuiltIn != 0);
    step();
    announce("Motherboard");
    StageMotherboard(registry, record);
    announce("SCSI IDs");
    StageScsiIds(registry, record);
    step();
    announce("CD-ROM");
    StageCdrom(registry, record);
    announce("SCSI Adaptors");
    StageScsiAdaptors(registry, record);
    step();
    announce("Disk Controllers");
    StageDiskControllerBus(registry, record);
    announce("Video Card Type");
    StageVideoCardType(registry, record);
    step();
    announce("Video Card");
    StageVideoCardWithMetric(registry, record, hooks.slowMachine);
    announce("Monitor");
    StageMonitor(registry, record);
    announce("Modem Name");
    StageModemName(registry, record);
    announce("Done");
    step();
}
