// The registry stages driven by the identification tables: Plug and Play ids of the ENUM tree become
// fields of the equipment record. Each stage is a loop over its table; the few rules of ordering
// (first mouse group wins, last MCI device remains, lowest keyboard index wins) live in the loops.
#include "inventory/identification_tables.h"
#include "inventory/registry_stages.h"

#include <cctype>
#include <cstdio>
#include <cstring>

// ---- The tables ----

const FlagIdRow kInterruptControllerIds[] = {
    {"*PNP0000", 1}, // AT
    {"*PNP0001", 2}, // EISA
    {"*PNP0002", 3}, // MCA
    {"*PNP0003", 4}, // APIC
    {"*PNP0004", 5}, // Cyrix
};
const size_t kInterruptControllerIdCount = sizeof kInterruptControllerIds / sizeof kInterruptControllerIds[0];

const FlagIdRow kTimerIds[] = {
    {"*PNP0100", 1}, // AT
    {"*PNP0101", 2}, // EISA
    {"*PNP0102", 3}, // MCA
};
const size_t kTimerIdCount = sizeof kTimerIds / sizeof kTimerIds[0];

const FlagIdRow kDmaControllerIds[] = {
    {"*PNP0200", 1}, // AT
    {"*PNP0201", 2}, // EISA
    {"*PNP0202", 3}, // MCA
};
const size_t kDmaControllerIdCount = sizeof kDmaControllerIds / sizeof kDmaControllerIds[0];

// Tested in this order, each on its own; a test only ever sets flags.
const BusTestRow kBusTests[] = {
    {kMatchDeviceId, "*PNP0A00", kBusIsa, 0},
    {kMatchDeviceId, "*PNP0A01", kBusEisa, kBusIsa},
    {kMatchDeviceId, "*PNP0A02", kBusMca, 0},
    {kMatchDeviceId, "*PNP0A03", kBusPci, kBusIsa},
    {kMatchDeviceId, "*PNP0A04", kBusVl, kBusIsa},
    {kMatchDeviceId, "*PNP0E00", kBusPcmciaIntel, kBusIsa},
    {kMatchDeviceId, "*PNP0E01", kBusPcmciaCirrus, kBusIsa},
    {kMatchDeviceId, "*PNP0E02", kBusPcmciaVlsi, kBusIsa},
    {kMatchAnyName, "ISAPNP", kBusIsa, 0},
    {kMatchAnyName, "ISAWPU", kBusIsa, 0},
    {kMatchAnyName, "ESDI", kBusIsa, 0},
    {kMatchAnyName, "EISA", kBusEisa, 0},
    {kMatchAnyName, "MCA", kBusMca, 0},
    {kMatchAnyName, "PCI", kBusPci, 0},
    {kMatchAnyName, "PCMCIA", kBusPcmciaIntel, 0},
    {kMatchAnyName, "VL", kBusVl, 0},
    {kMatchAnyName, "VESA", kBusVl, 0},
    {kMatchAnyName, "SCSI", kBusScsi, 0},
};
const size_t kBusTestCount = sizeof kBusTests / sizeof kBusTests[0];

// Within one instance index, the ids are tried in this order.
const KeyboardRow kKeyboardIds[] = {
    {"*PNP0300", 83, "IBM PC/XT 83 key style"}, {"*PNP0301", 86, "IBM PC/AT 86 key style"},
    {"*PNP0302", 84, "IBM PC/XT 84 key style"}, {"*PNP0303", 101, "IBM Enhanced 101 key style"},
    {"*PNP0304", 83, "Olivetti 83 key style"},  {"*PNP0305", 102, "Olivetti 102 key style"},
    {"*PNP0306", 86, "Olivetti 86 key style"},  {"*PNP0307", 101, "Microsoft Windows style"},
    {"*PNP0308", 101, "GIDEI legacy style"},    {"*PNP0309", 101, "Olivetti 101/102 style"},
    {"*PNP030A", 101, "AT&T 302 style"},        {"*PNP0313", 101, "Keyboard with PS/2 port"},
};
const size_t kKeyboardIdCount = sizeof kKeyboardIds / sizeof kKeyboardIds[0];

// Within one index, in this order; a later find for the same port overwrites the UART value.
const PortPathRow kSerialPortPaths[] = {
    {"ENUM\\BIOS\\*PNP0500\\%.2X", 1},
    {"ENUM\\Root\\*PNP0500\\00%.2X", 1},
    {"ENUM\\BIOS\\*PNP0501\\%.2X", 2}, // 16550A-compatible
    {"ENUM\\Root\\*PNP0501\\00%.2X", 2},
};
const size_t kSerialPortPathCount = sizeof kSerialPortPaths / sizeof kSerialPortPaths[0];

const PortPathRow kParallelPortPaths[] = {
    {"ENUM\\BIOS\\*PNP0400\\%.2X", 0}, // sets LPT present
    {"ENUM\\BIOS\\*PNP0401\\%.2X", 1}, // sets only LPT ECP
};
const size_t kParallelPortPathCount = sizeof kParallelPortPaths / sizeof kParallelPortPaths[0];

// The groups one after the other: the first id found, in this order, names the mouse.
const NamedIdRow kMouseIds[] = {
    {"*PNP0F00", "Microsoft Serial Port Mouse"},
    {"*PNP0F01", "Microsoft Serial Port Mouse"},
    {"*PNP0F02", "Microsoft Serial Port Mouse"},
    {"*PNP0F03", "Microsoft Serial Port Mouse"},
    {"*PNP0F09", "Microsoft Serial Port Mouse"},
    {"*PNP0F0A", "Microsoft Serial Port Mouse"},
    {"*PNP0F0B", "Microsoft Serial Port Mouse"},
    {"*PNP0F04", "Mouse Systems Mouse"},
    {"*PNP0F05", "Mouse Systems Mouse"},
    {"*PNP0F06", "Genius Mouse"},
    {"*PNP0F07", "Genius Mouse"},
    {"*PNP0F08", "Logitech Mouse"},
    {"*PNP0F12", "Logitech Mouse"},
    {"*PNP0F0C", "MS Compatible Mouse"},
    {"*PNP0F0D", "MS Compatible Mouse"},
    {"*PNP0F0E", "MS Compatible Mouse"},
    {"*PNP0F0F", "MS Compatible Mouse"},
    {"*PNP0F11", "MS Compatible Mouse"},
    {"*PNP0F10", "Texas Instruments Mouse"},
    {"*PNP0F13", "Microsoft PS/2 Port Mouse"},
};
const size_t kMouseIdCount = sizeof kMouseIds / sizeof kMouseIds[0];

// The first id found names the sound card.
const NamedIdRow kSoundCardIds[] = {
    {"*PNPB000", "Sound Blaster 1.5 or compatible"},
    {"*PNPB001", "Sound Blaster 2.0 or compatible"},
    {"*PNPB002", "Sound Blaster PRO or compatible"},
    {"*PNPB003", "Sound Blaster 16/AWE 32 or compatible"},
    {"*PNPB004", "Thunderboard or compatible"},
    {"*PNPB005", "AdLib or compatible"},
    {"*PNPB006", "Roland or compatible"},
    {"*PNPB007", "MS Sound System or compatible"},
    {"*PNPB008", "Compaq Waveform or compatible"},
    {"*PNPB009", "New MS Sound System or compatible"},
};
const size_t kSoundCardIdCount = sizeof kSoundCardIds / sizeof kSoundCardIds[0];

// Every id found writes its name: the last one found remains.
const NamedIdRow kMciDeviceIds[] = {
    {"*PNPB010", "Motion Video Device (MCI)"},      {"*PNPB011", "MIDI Sequencer (MCI)"},
    {"*PNPB012", "Wave Audio Device (MCI)"},        {"*PNPB013", "VISCA VCR Device (MCI)"},
    {"*PNPB014", "Pioneer Laserdisk Device (MCI)"}, {"*PNPB015", "CD Audio Device (MCI)"},
    {"*PNPB016", "Yamaha OPL3 Device (MCI)"},
};
const size_t kMciDeviceIdCount = sizeof kMciDeviceIds / sizeof kMciDeviceIds[0];

const char *const kScsiAdapterIds[] = {
    "*PNPA000", "*PNPA001", "*PNPA002", "*PNPA01B", "*PNPA01D", "*PNPA01E",
    "*PNPA01F", "*PNPA020", "*PNPA022", "*PNPA02D", "*PNPA02F",
};
const size_t kScsiAdapterIdCount = sizeof kScsiAdapterIds / sizeof kScsiAdapterIds[0];

const char *const kProprietaryCdromIds[] = {"*PNPA003", "*PNPA02B", "*PNPA030", "*PNPA031", "*PNPA032"};
const size_t kProprietaryCdromIdCount = sizeof kProprietaryCdromIds / sizeof kProprietaryCdromIds[0];

// Three groups, tested in this order; each id found sets its class, so the last group found decides.
const VideoClassRow kVideoClassIds[] = {
    {"*PNP0912", 5}, {"*PNP0916", 5}, {"*PNP0941", 5}, {"*PNP090E", 5}, {"*PNP0913", 5},
    {"*PNP0905", 5}, {"*PNP0904", 5}, {"*PNP0909", 5}, {"*PNP090A", 5}, {"*PNP0931", 5},
    {"*PNP0901", 2}, {"*PNP0906", 2}, {"*PNP090B", 2}, {"*PNP090D", 2},
};
const size_t kVideoClassIdCount = sizeof kVideoClassIds / sizeof kVideoClassIds[0];

const char kDefaultKeyboardName[] = "IBM Enhanced 101 key style";
const char kDefaultMouseName[] = "Generic Mouse";
const char kUnacceleratedCardName[] = "Unaccelerated Card";

// ---- Small rules ----

int PortNumberFromDescription(const char *description, const char *digits, int highest) {
    const char *p = strpbrk(description, digits);
    if (!p)
        return 0;
    // Read as a decimal number; stop counting once it is past highest so no digits can overflow it.
    int number = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        number = number * 10 + (*p - '0');
        if (number > highest)
            return 0;
    }
    return number >= 1 ? number : 0;
}

namespace {

// Case-insensitive "text contains word" over the first 255 characters of each.
bool ContainsIgnoringCase(const char *text, const char *word) {
    char upperText[256], upperWord[256];
    size_t i = 0;
    for (; text[i] && i + 1 < sizeof upperText; ++i)
        upperText[i] = static_cast<char>(toupper(static_cast<unsigned char>(text[i])));
    upperText[i] = 0;
    for (i = 0; word[i] && i + 1 < sizeof upperWord; ++i)
        upperWord[i] = static_cast<char>(toupper(static_cast<unsigned char>(word[i])));
    upperWord[i] = 0;
    return strstr(upperText, upperWord) != nullptr;
}

// The ids of these tables are Plug and Play device ids: the names of the second-level keys of ENUM
// (ENUM\BIOS\*PNP0303, ENUM\Root\*PNPB003). "exists" looks for one among those names.
bool IdExists(const RegistryAccess &registry, const char *id) {
    return DeviceWalk(registry, id, kMatchDeviceId, nullptr, 0, kWalkExists) != 0;
}

// Which field the SCSI adapter ids, the proprietary CD-ROM ids, the video class groups and the
// fallback display ids *PNP09xx are tested against: the device id, as every other id here is. Handed
// to the walk's class match (adapters, video groups) or instance name match (CD-ROM, fallback display)
// they could never match on Windows 95, whose classes are names like "SCSIAdapter" and whose instances
// are numbers like "0000", and the adapter count, the proprietary kind, the video class groups and the
// fallback card name would be dead rules.
//
// Where presence is enough, IdExists serves. The adapter count and the fallback card name need the
// instances under the device id, which the walk's device id mode never opens, and its "any name" mode
// would also count instance names that merely mention an id (devices behind a SCSI adapter are named
// after it: ENUM\SCSI\<drive>\ROOT&*PNPA000&0000). So the device id key itself is opened under each
// enumerator, in registry order, and its instances are counted; the first instance is read into first
// when that is not null.
int CountIdInstances(const RegistryAccess &registry, const char *id, DeviceRecord *first) {
    void *root = registry.open(registry.context, "ENUM");
    if (!root)
        return 0;
    int total = 0;
    int enumerators = registry.subkeyCount(registry.context, root);
    for (int e = 0; e < enumerators; ++e) {
        char enumerator[256];
        if (!registry.subkeyName(registry.context, root, e, enumerator, sizeof enumerator))
            continue;
        char devicePath[300];
        snprintf(devicePath, sizeof devicePath, "ENUM\\%s\\%s", enumerator, id);
        void *device = registry.open(registry.context, devicePath);
        if (!device)
            continue;
        int instances = registry.subkeyCount(registry.context, device);
        char instance[256];
        if (first && total == 0 && instances > 0 &&
            registry.subkeyName(registry.context, device, 0, instance, sizeof instance)) {
            char path[600];
            snprintf(path, sizeof path, "%s\\%s", devicePath, instance);
            ReadDeviceRecord(registry, path, first);
        }
        total += instances;
        registry.close(registry.context, device);
    }
    registry.close(registry.context, root);
    return total;
}

void SetFlagsOfIds(const RegistryAccess &registry, const FlagIdRow *rows, size_t count, uint32_t *flags) {
    for (size_t i = 0; i < count; ++i)
        if (IdExists(registry, rows[i].id))
            flags[rows[i].flag] = 1;
}

// Copies the description of the first device collected by the walk; false when none matched.
bool CopyFirstDescription(const RegistryAccess &registry, const char *text, int mode, char *field,
                          size_t fieldSize) {
    DeviceRecord *devices = nullptr;
    int n = CollectDevices(registry, text, mode, &devices);
    if (n > 0)
        CopyField(field, fieldSize, devices[0].description);
    FreeDeviceRecords(devices);
    return n > 0;
}

} // namespace

// ---- The stages ----

void StagePrinterPorts(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord port;
    for (int index = 0; index <= 254; ++index)
        for (size_t row = 0; row < kParallelPortPathCount; ++row) {
            char path[64];
            snprintf(path, sizeof path, kParallelPortPaths[row].format, index);
            if (!ReadDeviceRecord(registry, path, &port))
                continue;
            int n = PortNumberFromDescription(port.description, "123", 3);
            if (n == 0)
                continue;
            if (kParallelPortPaths[row].value)
                record.lptEcp[n] = 1;
            else
                record.lptPresent[n] = 1;
        }
}

void StageInterruptControllers(const RegistryAccess &registry, EquipmentRecord &record) {
    SetFlagsOfIds(registry, kInterruptControllerIds, kInterruptControllerIdCount, record.interruptController);
}

void StageTimers(const RegistryAccess &registry, EquipmentRecord &record) {
    SetFlagsOfIds(registry, kTimerIds, kTimerIdCount, record.timer);
}

void StageDmaControllers(const RegistryAccess &registry, EquipmentRecord &record) {
    SetFlagsOfIds(registry, kDmaControllerIds, kDmaControllerIdCount, record.dmaController);
}

void StageKeyboard(const RegistryAccess &registry, EquipmentRecord &record) {
    QV_COPY_FIELD(record.keyboardName, kDefaultKeyboardName);
    // The lowest index wins, whatever the id; within one index the table order decides.
    for (int index = 0; index <= 254; ++index)
        for (size_t row = 0; row < kKeyboardIdCount; ++row) {
            char path[64];
            snprintf(path, sizeof path, "ENUM\\BIOS\\%s\\%.2X", kKeyboardIds[row].id, index);
            if (KeyExists(registry, path)) {
                record.keyboardKeys = kKeyboardIds[row].keys;
                QV_COPY_FIELD(record.keyboardName, kKeyboardIds[row].name);
                return;
            }
        }
}

void StageSerialPorts(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord port;
    for (int index = 0; index <= 254; ++index)
        for (size_t row = 0; row < kSerialPortPathCount; ++row) {
            char path[64];
            snprintf(path, sizeof path, kSerialPortPaths[row].format, index);
            if (!ReadDeviceRecord(registry, path, &port))
                continue;
            int n = PortNumberFromDescription(port.description, "1234", 4);
            if (n == 0)
                continue;
            record.comUart[n] = kSerialPortPaths[row].value;
            record.comPresent[n] = 1;
        }
}

void StageBus(const RegistryAccess &registry, EquipmentRecord &record) {
    for (size_t i = 0; i < kBusTestCount; ++i) {
        const BusTestRow &test = kBusTests[i];
        if (!DeviceWalk(registry, test.text, test.mode, nullptr, 0, kWalkExists))
            continue;
        record.busPresent[test.flag] = 1;
        if (test.alsoFlag)
            record.busPresent[test.alsoFlag] = 1;
    }
}

void StageMouse(const RegistryAccess &registry, EquipmentRecord &record) {
    const char *name = kDefaultMouseName;
    for (size_t i = 0; i < kMouseIdCount; ++i)
        if (IdExists(registry, kMouseIds[i].id)) {
            name = kMouseIds[i].name;
            break;
        }
    QV_COPY_FIELD(record.mouseName, name);
}

void StagePs2Ports(const RegistryAccess &registry, EquipmentRecord &record) {
    if (IdExists(registry, "*PNP0F13") || IdExists(registry, "*PNP0313"))
        record.ps2Port = 1;
}

void StageSoundDevices(const RegistryAccess &registry, EquipmentRecord &record) {
    for (size_t i = 0; i < kSoundCardIdCount; ++i)
        if (IdExists(registry, kSoundCardIds[i].id)) {
            QV_COPY_FIELD(record.soundCardName, kSoundCardIds[i].name);
            break;
        }
    for (size_t i = 0; i < kMciDeviceIdCount; ++i)
        if (IdExists(registry, kMciDeviceIds[i].id))
            QV_COPY_FIELD(record.mciDeviceName, kMciDeviceIds[i].name);
}

void StageGamePorts(const RegistryAccess &registry, EquipmentRecord &record) {
    if (IdExists(registry, "*PNPB02F"))
        record.gamePort = 1;
}

void StageProcessors(const RegistryAccess &registry, EquipmentRecord &record, int processorType,
                     bool fpuBuiltIn) {
    bool coprocessor = fpuBuiltIn || ProbeFirstInstance(registry, "ENUM\\BIOS\\*PNP0C04\\%.2X", nullptr) >= 0;
    record.fpuType = coprocessor ? 1 : 0;
    switch (processorType) {
        case 386:
        case 486:
        case 586:
            record.cpuType = processorType;
            record.fpuType = coprocessor ? processorType + 1 : 0;
            break;
        default:
            break; // CPU type stays 0; the FPU type tells only whether a coprocessor was found
    }
}

ProcessorClassInfo ClassifyProcessor(int processorType, int architecture, int level) {
    const int kArchitectureX86 = 0;
    const int kArchitectureX64 = 9;
    const int kTypeX64 = 8664;
    if (processorType == 386 || processorType == 486 || processorType == 586)
        return {processorType, architecture == kArchitectureX86 && level >= 6};
    if (processorType == kTypeX64 || architecture == kArchitectureX64 ||
        (architecture == kArchitectureX86 && level >= 6))
        return {586, true};
    return {processorType, false};
}

void StageCdrom(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord *drives = nullptr;
    int n = CollectDevices(registry, "CDROM", kMatchClass, &drives);
    if (n > 0)
        record.cdromKind = 'I';
    for (int i = 0; i < n; ++i)
        if (drives[i].scsiTargetId != 0)
            record.cdromKind = 'S';
    FreeDeviceRecords(drives);
    // A proprietary controller decides, whatever the drives said.
    for (size_t i = 0; i < kProprietaryCdromIdCount; ++i)
        if (IdExists(registry, kProprietaryCdromIds[i]))
            record.cdromKind = 'P';
}

void StageScsiAdaptors(const RegistryAccess &registry, EquipmentRecord &record) {
    int total = 0;
    for (size_t i = 0; i < kScsiAdapterIdCount; ++i)
        total += CountIdInstances(registry, kScsiAdapterIds[i], nullptr);
    record.scsiAdapters = total;
}

void StageVideoCardType(const RegistryAccess &registry, EquipmentRecord &record) {
    DeviceRecord *cards = nullptr;
    int n = CollectDevices(registry, "Display", kMatchClass, &cards);
    // Every true test overwrites: the last true test of the last card remains.
    for (int i = 0; i < n; ++i) {
        const char *id = cards[i].hardwareId;
        if (ContainsIgnoringCase(id, "PCI"))
            record.videoBus = 'P';
        if (ContainsIgnoringCase(id, "VL"))
            record.videoBus = 'V';
        if (ContainsIgnoringCase(id, "VESA"))
            record.videoBus = 'V';
        if (ContainsIgnoringCase(id, "EISA"))
            record.videoBus = 'E';
    }
    FreeDeviceRecords(cards);
}

void StageVideoCardWithMetric(const RegistryAccess &registry, EquipmentRecord &record, int slowMachine) {
    // The card's name: the first display device, else the first display id *PNP0900..*PNP0962 found.
    if (!CopyFirstDescription(registry, "Display", kMatchClass, record.videoCardName,
                              sizeof record.videoCardName))
        for (int n = 0; n <= 98; ++n) {
            char id[16];
            snprintf(id, sizeof id, "*PNP09%.2X", n);
            DeviceRecord card{};
            if (CountIdInstances(registry, id, &card) > 0) {
                QV_COPY_FIELD(record.videoCardName, card.description);
                break;
            }
        }

    int32_t videoClass = 3;
    for (size_t i = 0; i < kVideoClassIdCount; ++i)
        if (IdExists(registry, kVideoClassIds[i].id))
            videoClass = kVideoClassIds[i].videoClass;
    if (videoClass == 3) {
        if (slowMachine & 4) {
            videoClass = 1;
            QV_COPY_FIELD(record.videoCardName, kUnacceleratedCardName);
        }
        if (record.videoBus == 'P')
            videoClass = 5;
        else if (record.videoBus == 'E' || record.videoBus == 'V')
            videoClass = 4;
    }
    record.videoClass = videoClass;
}

void StageVideoCard(const RegistryAccess &registry, EquipmentRecord &record) {
    StageVideoCardWithMetric(registry, record, 0);
}
