#include "inventory/device_walk.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/utilities.h"

namespace {

constexpr int kNameSize = 256;

void Upper(const char *source, char *out, size_t size) {
    size_t i = 0;
    for (; source[i] && i + 1 < size; ++i)
        out[i] = static_cast<char>(toupper(static_cast<unsigned char>(source[i])));
    out[i] = 0;
}

// Case-insensitive "candidate contains text".
bool Contains(const char *candidate, const char *text) {
    char a[kNameSize], b[kNameSize];
    Upper(candidate, a, sizeof a);
    Upper(text, b, sizeof b);
    return strstr(a, b) != nullptr;
}

bool Matches(int mode, const char *text, const char *enumerator, const char *deviceId, const char *instance,
             const DeviceRecord &record) {
    switch (mode) {
        case kMatchInstanceName:
            return Contains(instance, text);
        case kMatchClass:
            return Contains(record.deviceClass, text);
        case kMatchDescription:
            return Contains(record.description, text);
        case kMatchScsiTarget: {
            char id[16];
            snprintf(id, sizeof id, "%d", static_cast<int>(record.scsiTargetId));
            return Contains(id, text);
        }
        case kMatchHardwareId:
            return Contains(record.hardwareId, text);
        case kMatchAnyName:
            return Contains(enumerator, text) || Contains(deviceId, text) || Contains(instance, text) ||
                   Contains(record.deviceClass, text);
        default:
            return false;
    }
}

void JoinPath(char *out, size_t size, const char *a, const char *b, const char *c = nullptr,
              const char *d = nullptr) {
    if (d)
        snprintf(out, size, "%s\\%s\\%s\\%s", a, b, c, d);
    else if (c)
        snprintf(out, size, "%s\\%s\\%s", a, b, c);
    else
        snprintf(out, size, "%s\\%s", a, b);
}

void QueryText(const RegistryAccess &registry, void *key, const char *value, char *field, size_t size) {
    char buffer[256];
    if (registry.queryValue(registry.context, key, value, buffer, 255)) {
        buffer[254] = 0;
        snprintf(field, size, "%s", buffer);
    }
}

} // namespace

void FormatRegistryValue(uint32_t type, const unsigned char *data, size_t length, char *out, size_t size) {
    if (!out || size == 0)
        return;
    out[0] = 0;
    if (!data)
        return;
    if (type == kRegistryString || type == kRegistryExpandString || type == kRegistryMultiString) {
        size_t n = 0;
        while (n < length && data[n])
            ++n;
        if (n > size - 1)
            n = size - 1;
        memcpy(out, data, n);
        out[n] = 0;
        CleanOutsideText(out);
    } else if (type == kRegistryDword && length >= 4) {
        // Stored least significant byte first.
        unsigned long number =
            static_cast<unsigned long>(data[0]) | static_cast<unsigned long>(data[1]) << 8 |
            static_cast<unsigned long>(data[2]) << 16 | static_cast<unsigned long>(data[3]) << 24;
        snprintf(out, size, "%lu", number);
    } else {
        FormatHexBytes(data, length, out, size);
    }
}

void FormatQueriedValue(uint32_t type, const unsigned char *data, size_t length, char *out, size_t size) {
    FormatRegistryValue(type, data, length < kQueriedValueBytes ? length : kQueriedValueBytes, out, size);
}

int ReadDeviceRecord(const RegistryAccess &registry, const char *path, DeviceRecord *record) {
    *record = DeviceRecord{};
    void *key = registry.open(registry.context, path);
    if (!key)
        return 0;
    QueryText(registry, key, "Class", record->deviceClass, sizeof record->deviceClass);
    QueryText(registry, key, "DeviceDesc", record->description, sizeof record->description);
    char number[256] = "";
    QueryText(registry, key, "HWRevision", number, sizeof number);
    record->hardwareRevision = static_cast<float>(atof(number));
    QueryText(registry, key, "HardwareID", record->hardwareId, sizeof record->hardwareId);
    QueryText(registry, key, "Mfg", record->manufacturer, sizeof record->manufacturer);
    QueryText(registry, key, "BusType", record->busType, sizeof record->busType);
    QueryText(registry, key, "BIOSDate", record->biosDate, sizeof record->biosDate);
    QueryText(registry, key, "BIOSName", record->biosName, sizeof record->biosName);
    number[0] = 0;
    QueryText(registry, key, "SCSILUN", number, sizeof number);
    record->scsiLun = static_cast<int32_t>(strtol(number, nullptr, 10));
    number[0] = 0;
    QueryText(registry, key, "SCSITargetID", number, sizeof number);
    record->scsiTargetId = static_cast<int32_t>(strtol(number, nullptr, 10));
    registry.close(registry.context, key);
    return 1;
}

int CountSubkeys(const RegistryAccess &registry, const char *path) {
    void *key = registry.open(registry.context, path);
    if (!key)
        return 0;
    int n = registry.subkeyCount(registry.context, key);
    registry.close(registry.context, key);
    return n;
}

bool KeyExists(const RegistryAccess &registry, const char *path) {
    void *key = registry.open(registry.context, path);
    if (key)
        registry.close(registry.context, key);
    return key != nullptr;
}

int DeviceWalk(const RegistryAccess &registry, const char *text, int mode, DeviceRecord *array, int capacity,
               int action) {
    void *root = registry.open(registry.context, "ENUM");
    if (!root)
        return 0;
    int found = 0;
    DeviceRecord scratch;
    int enumerators = registry.subkeyCount(registry.context, root);
    for (int e = 0; e < enumerators; ++e) {
        char enumerator[kNameSize];
        if (!registry.subkeyName(registry.context, root, e, enumerator, sizeof enumerator))
            continue;
        char enumPath[3 * kNameSize];
        JoinPath(enumPath, sizeof enumPath, "ENUM", enumerator);
        void *enumKey = registry.open(registry.context, enumPath);
        if (!enumKey)
            continue;
        int devices = registry.subkeyCount(registry.context, enumKey);
        for (int d = 0; d < devices; ++d) {
            char deviceId[kNameSize];
            if (!registry.subkeyName(registry.context, enumKey, d, deviceId, sizeof deviceId))
                continue;
            if (mode == kMatchDeviceId) {
                // Only the device id names are tested; nothing deeper is opened.
                if (Contains(deviceId, text)) {
                    registry.close(registry.context, enumKey);
                    registry.close(registry.context, root);
                    return 1;
                }
                continue;
            }
            char devicePath[4 * kNameSize];
            JoinPath(devicePath, sizeof devicePath, "ENUM", enumerator, deviceId);
            void *deviceKey = registry.open(registry.context, devicePath);
            if (!deviceKey)
                continue;
            int instances = registry.subkeyCount(registry.context, deviceKey);
            for (int i = 0; i < instances; ++i) {
                char instance[kNameSize];
                if (!registry.subkeyName(registry.context, deviceKey, i, instance, sizeof instance))
                    continue;
                char path[5 * kNameSize];
                JoinPath(path, sizeof path, "ENUM", enumerator, deviceId, instance);
                if (!ReadDeviceRecord(registry, path, &scratch))
                    continue;
                if (!Matches(mode, text, enumerator, deviceId, instance, scratch))
                    continue;
                if (action == kWalkExists) {
                    registry.close(registry.context, deviceKey);
                    registry.close(registry.context, enumKey);
                    registry.close(registry.context, root);
                    return 1;
                }
                if (action == kWalkCollect) {
                    // The tree may have grown since the counting pass: never store past the array.
                    if (!array || found >= capacity)
                        continue;
                    array[found] = scratch;
                }
                ++found;
            }
            registry.close(registry.context, deviceKey);
        }
        registry.close(registry.context, enumKey);
    }
    registry.close(registry.context, root);
    return action == kWalkExists ? 0 : found;
}

int ProbeFirstInstance(const RegistryAccess &registry, const char *format, DeviceRecord *record) {
    DeviceRecord scratch;
    for (int index = 0; index <= 254; ++index) {
        char path[512];
        snprintf(path, sizeof path, format, index);
        if (ReadDeviceRecord(registry, path, record ? record : &scratch))
            return index;
    }
    if (record)
        *record = DeviceRecord{};
    return -1;
}

int ProbeCountInstances(const RegistryAccess &registry, const char *format) {
    int count = 0;
    for (int index = 0; index <= 254; ++index) {
        char path[512];
        snprintf(path, sizeof path, format, index);
        count += KeyExists(registry, path);
    }
    return count;
}

int CollectDevices(const RegistryAccess &registry, const char *text, int mode, DeviceRecord **array) {
    *array = nullptr;
    int n = DeviceWalk(registry, text, mode, nullptr, 0, kWalkCount);
    if (n <= 0)
        return 0;
    *array = static_cast<DeviceRecord *>(calloc(static_cast<size_t>(n), sizeof(DeviceRecord)));
    if (!*array)
        return 0;
    return DeviceWalk(registry, text, mode, *array, n, kWalkCollect);
}

void FreeDeviceRecords(DeviceRecord *array) {
    free(array);
}
