// The device registry walk over the Plug and Play tree under HKEY_LOCAL_MACHINE\ENUM, written against
// a small read-only registry interface so that it runs on the real registry and on test trees alike.
#pragma once

#include <cstddef>
#include <cstdint>

// Everything read from one instance key ENUM\enumerator\device id\instance.
struct DeviceRecord {
    char deviceClass[256];  // "Class"
    char description[256];  // "DeviceDesc"
    float hardwareRevision; // "HWRevision", a decimal number
    char hardwareId[256];   // "HardwareID"
    char manufacturer[256]; // "Mfg"
    char busType[256];      // "BusType"
    char biosDate[256];     // "BIOSDate"
    char biosName[256];     // "BIOSName"
    int32_t scsiLun;        // "SCSILUN", a decimal integer
    int32_t scsiTargetId;   // "SCSITargetID", a decimal integer
};

// Read-only access to HKEY_LOCAL_MACHINE. Paths are relative to it, with backslashes.
struct RegistryAccess {
    void *context;
    // An open key, or null when the key cannot be opened for reading.
    void *(*open)(void *context, const char *path);
    void (*close)(void *context, void *key);
    // Number of subkeys of an open key.
    int (*subkeyCount)(void *context, void *key);
    // Name of subkey index; false when there is none.
    bool (*subkeyName)(void *context, void *key, int index, char *name, size_t size);
    // A value as text (see FormatRegistryValue), read into a buffer of 255 bytes then cut to
    // size - 1; false when the value is missing.
    bool (*queryValue)(void *context, void *key, const char *value, char *out, size_t size);
    // A value's type and bytes, at most size of them: the number copied, -1 when the value is missing.
    // May be null (then only the text above can be read).
    int (*queryRaw)(void *context, void *key, const char *value, uint32_t *type, unsigned char *out,
                    size_t size);
    // Value number index of an open key, in the registry's order: its name (cut to nameSize - 1), type
    // and bytes (at most dataSize of them). Returns the value's whole length (more than dataSize when
    // it was cut), -1 when there is no value of that number. May be null (then no copy can be made).
    int (*valueAt)(void *context, void *key, int index, char *name, size_t nameSize, uint32_t *type,
                   unsigned char *data, size_t dataSize);
};

// Registry value types, numbered as Windows numbers them.
enum RegistryValueType : uint32_t {
    kRegistryString = 1,       // REG_SZ
    kRegistryExpandString = 2, // REG_EXPAND_SZ
    kRegistryBinary = 3,       // REG_BINARY
    kRegistryDword = 4,        // REG_DWORD
    kRegistryMultiString = 7,  // REG_MULTI_SZ
};

// The text of a value's length bytes of data: a string (for a multi-string its first one) up to its
// terminator, with bytes 1-31 made spaces; a DWORD of at least four bytes in unsigned decimal; any
// other type as hex pairs ("0a 00 ff"). Cut to size - 1 characters and always terminated.
void FormatRegistryValue(uint32_t type, const unsigned char *data, size_t length, char *out, size_t size);
// A value as the text query gives it: read into a 255-byte buffer, so only its first 254 bytes count,
// then formatted as above.
constexpr size_t kQueriedValueBytes = 254;
void FormatQueriedValue(uint32_t type, const unsigned char *data, size_t length, char *out, size_t size);

enum MatchMode {
    kMatchInstanceName = 1,
    kMatchClass = 2,
    kMatchDescription = 3,
    kMatchScsiTarget = 4,
    kMatchHardwareId = 5,
    kMatchDeviceId = 6,
    kMatchAnyName = 7,
};

enum WalkAction {
    kWalkCount = 10,
    kWalkCollect = 11, // copies matches into the array, at most capacity of them
    kWalkExists = 12,
};

// Walks every instance of ENUM in registry order and applies the match mode (a case-insensitive
// "contains" test) and the action. Returns the count, the number collected, or 1/0 for exists.
int DeviceWalk(const RegistryAccess &registry, const char *text, int mode, DeviceRecord *array, int capacity,
               int action);
// Reads the ten values of a device key (zero-filled first); 1 if the key could be opened, else 0.
int ReadDeviceRecord(const RegistryAccess &registry, const char *path, DeviceRecord *record);
// Number of subkeys of the key, 0 when it cannot be opened.
int CountSubkeys(const RegistryAccess &registry, const char *path);
// Whether a key exists.
bool KeyExists(const RegistryAccess &registry, const char *path);

// Instance probe: builds the path from a format taking the index as "%.2X" for indexes 0..254.
// Returns the first index whose key exists (its record read into record when not null), or -1.
int ProbeFirstInstance(const RegistryAccess &registry, const char *format, DeviceRecord *record);
// Counts the indexes 0..254 whose key exists.
int ProbeCountInstances(const RegistryAccess &registry, const char *format);

// Two-pass collect: counts, allocates exactly, collects. The caller frees the array with
// FreeDeviceRecords. Returns the number collected (0 and a null array when nothing matched).
int CollectDevices(const RegistryAccess &registry, const char *text, int mode, DeviceRecord **array);
void FreeDeviceRecords(DeviceRecord *array);
