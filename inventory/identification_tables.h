// The identification tables: which Plug and Play ids of the ENUM tree the registry stages look for and
// what each one writes into the equipment record. The rows are data; the stages in identification.cpp
// hold the rules.
#pragma once

#include "inventory/device_walk.h"
#include "inventory/equipment.h"

#include <cstddef>
#include <cstdint>

// Bus present flags (equipment record "bus present", 1..11; 4 and 5 are never set).
enum BusFlag {
    kBusIsa = 1,
    kBusEisa = 2,
    kBusMca = 3,
    kBusPci = 6,
    kBusVl = 7,
    kBusPcmciaIntel = 8,
    kBusPcmciaCirrus = 9,
    kBusPcmciaVlsi = 10,
    kBusScsi = 11,
};

// An id that sets one flag when it exists (interrupt controllers, timers, DMA controllers).
struct FlagIdRow {
    const char *id;
    int flag;
};

// One bus test: the text is looked for with the match mode (device id or any name) and sets up to two
// flags (second 0 when there is none).
struct BusTestRow {
    int mode;
    const char *text;
    int flag;
    int alsoFlag;
};

struct KeyboardRow {
    const char *id;
    int32_t keys;
    const char *name;
};

// An id and the display text it gives (mouse groups, sound cards, MCI devices).
struct NamedIdRow {
    const char *id;
    const char *name;
};

// A port path format (index as "%.2X") and what a device found there writes.
struct PortPathRow {
    const char *format;
    int value; // serial: COM UART value; parallel: 0 = present, 1 = ECP
};

struct VideoClassRow {
    const char *id;
    int32_t videoClass;
};

extern const FlagIdRow kInterruptControllerIds[];
extern const size_t kInterruptControllerIdCount;
extern const FlagIdRow kTimerIds[];
extern const size_t kTimerIdCount;
extern const FlagIdRow kDmaControllerIds[];
extern const size_t kDmaControllerIdCount;
extern const BusTestRow kBusTests[];
extern const size_t kBusTestCount;
extern const KeyboardRow kKeyboardIds[];
extern const size_t kKeyboardIdCount;
extern const PortPathRow kSerialPortPaths[];
extern const size_t kSerialPortPathCount;
extern const PortPathRow kParallelPortPaths[];
extern const size_t kParallelPortPathCount;
extern const NamedIdRow kMouseIds[];
extern const size_t kMouseIdCount;
extern const NamedIdRow kSoundCardIds[];
extern const size_t kSoundCardIdCount;
extern const NamedIdRow kMciDeviceIds[];
extern const size_t kMciDeviceIdCount;
extern const char *const kScsiAdapterIds[];
extern const size_t kScsiAdapterIdCount;
extern const char *const kProprietaryCdromIds[];
extern const size_t kProprietaryCdromIdCount;
extern const VideoClassRow kVideoClassIds[];
extern const size_t kVideoClassIdCount;

extern const char kDefaultKeyboardName[]; // "IBM Enhanced 101 key style"
extern const char kDefaultMouseName[];    // "Generic Mouse"
extern const char kUnacceleratedCardName[];

// The port number a port's description names: the text from its first character among digits
// ("1234" for serial ports, "123" for parallel ports) read as a decimal number, 0 when there is no
// such character or the number is above highest.
int PortNumberFromDescription(const char *description, const char *digits, int highest);

// The "Video Card" stage with the SM_SLOWMACHINE system metric given; StageVideoCard is this with a
// metric of 0 (a machine Windows does not call slow).
void StageVideoCardWithMetric(const RegistryAccess &registry, EquipmentRecord &record, int slowMachine);
