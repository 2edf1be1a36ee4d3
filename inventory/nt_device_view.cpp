#include "inventory/nt_device_view.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <strings.h>
#include <vector>

namespace {

constexpr size_t kRawSize = 4096;

struct Reader {
    const RegistryAccess &registry;
    RegistryTree *view;
    std::map<std::string, int> instancesOfId; // upper-cased "*PNP0303" -> instances placed so far
    int monitors;
};

std::string Text(const RegistryAccess &r, void *key, const char *name) {
    char out[256] = "";
    if (!r.queryValue(r.context, key, name, out, sizeof out))
        return std::string();
    return DirectText(out);
}

// Every string of a multi-string value (or the one string of a plain one).
std::vector<std::string> Strings(const RegistryAccess &r, void *key, const char *name) {
    std::vector<std::string> list;
    if (!r.queryRaw) {
        std::string one = Text(r, key, name);
        if (!one.empty())
            list.push_back(one);
        return list;
    }
    static unsigned char raw[kRawSize + 1];
    uint32_t type = 0;
    int n = r.queryRaw(r.context, key, name, &type, raw, kRawSize);
    if (n <= 0 || (type != kRegistryMultiString && type != kRegistryString))
        return list;
    raw[n] = 0;
    for (int i = 0; i < n;) {
        const char *s = reinterpret_cast<const char *>(raw + i);
        size_t len = strnlen(s, static_cast<size_t>(n - i));
        if (len == 0)
            break;
        list.emplace_back(s, len);
        i += static_cast<int>(len) + 1;
    }
    return list;
}

std::string Upper(std::string text) {
    for (char &c : text)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

// The descriptions systems give a monitor they know nothing about.
bool IsGenericMonitor(const std::string &description) {
    const char *generic[] = {"GENERIC", "DEFAULT MONITOR", "PLUG AND PLAY MONITOR"};
    std::string upper = Upper(description);
    for (const char *g : generic)
        if (upper.find(g) != std::string::npos)
            return true;
    return description.empty();
}

void SetText(RegistryTree *view, const std::string &path, const char *name, const std::string &text) {
    if (!text.empty())
        SetRegistryValue(view, path.c_str(), name, kRegistryString,
                         reinterpret_cast<const unsigned char *>(text.c_str()), text.size() + 1);
}

bool MotherboardEnumerator(const char *enumerator) {
    return strcasecmp(enumerator, "ACPI") == 0 || strcasecmp(enumerator, "Root") == 0 ||
           strcasecmp(enumerator, "BIOS") == 0 || strcasecmp(enumerator, "ISAPNP") == 0;
}

void PlaceInstance(Reader &r, const char *enumerator, const char *deviceId, const char *instance, void *key) {
    const RegistryAccess &reg = r.registry;
    std::vector<std::string> ids = Strings(reg, key, "HardwareID");
    for (const std::string &id : Strings(reg, key, "CompatibleIDs"))
        ids.push_back(id);
    std::string joined;
    const std::string *pnpId = nullptr;
    for (const std::string &id : ids) {
        joined += (joined.empty() ? "" : ",") + id;
        if (!pnpId && id.size() == 8 && id[0] == '*')
            pnpId = &id;
    }
    char path[600];
    if (pnpId && MotherboardEnumerator(enumerator)) {
        std::string upper = Upper(*pnpId);
        int n = r.instancesOfId[upper]++;
        if (n > 254)
            return; // beyond what the instance probes look at
        snprintf(path, sizeof path, "ENUM\\BIOS\\%s\\%.2X", upper.c_str(), n);
    } else if (strcasecmp(enumerator, "DISPLAY") == 0) {
        // Windows 95 keeps every monitor as an instance of its default monitor.
        int n = r.monitors++;
        if (n > 254)
            return;
        snprintf(path, sizeof path, "ENUM\\Monitor\\Default_Monitor\\00%.2X", n);
    } else {
        snprintf(path, sizeof path, "ENUM\\%s\\%s\\%s", enumerator, deviceId, instance);
    }
    // The friendly name tells what the description does not, as Windows 95's description does: the
    // port a serial or printer port stands for ("Communications Port (COM1)").
    std::string description = Text(reg, key, "FriendlyName");
    if (description.empty())
        description = Text(reg, key, "DeviceDesc");
    if (strcasecmp(enumerator, "DISPLAY") == 0 && IsGenericMonitor(description)) {
        char parameters[700];
        snprintf(parameters, sizeof parameters, "%s\\%s\\%s\\%s\\Device Parameters", kNtEnumPath, enumerator,
                 deviceId, instance);
        void *params = reg.open(reg.context, parameters);
        if (params) {
            static unsigned char edid[kRawSize];
            uint32_t type = 0;
            int n = reg.queryRaw ? reg.queryRaw(reg.context, params, "EDID", &type, edid, sizeof edid) : -1;
            char name[32];
            if (n > 0 && EdidMonitorName(edid, static_cast<size_t>(n), name, sizeof name))
                description = name;
            reg.close(reg.context, params);
        }
    }
    AddRegistryKey(r.view, path);
    SetText(r.view, path, "Class", Text(reg, key, "Class"));
    SetText(r.view, path, "DeviceDesc", description);
    SetText(r.view, path, "Mfg", Text(reg, key, "Mfg"));
    SetText(r.view, path, "HardwareID", joined);
}

// Calls each for every subkey name of the key at path.
template <typename Each> void ForEachSubkey(const RegistryAccess &reg, const std::string &path, Each each) {
    void *key = reg.open(reg.context, path.c_str());
    if (!key)
        return;
    int count = reg.subkeyCount(reg.context, key);
    for (int i = 0; i < count; ++i) {
        char name[256];
        if (reg.subkeyName(reg.context, key, i, name, sizeof name))
            each(std::string(name));
    }
    reg.close(reg.context, key);
}

} // namespace

const char *DirectText(const char *text) {
    if (!text || text[0] != '@')
        return text ? text : "";
    const char *semicolon = strrchr(text, ';');
    return semicolon ? semicolon + 1 : text;
}

bool EdidMonitorName(const unsigned char *edid, size_t length, char *out, size_t size) {
    if (!edid || length < 128 || size == 0)
        return false;
    for (size_t d = 54; d + 18 <= 126; d += 18) {
        const unsigned char *descriptor = edid + d;
        if (descriptor[0] != 0 || descriptor[1] != 0 || descriptor[2] != 0 || descriptor[3] != 0xFC)
            continue;
        size_t n = 0;
        for (size_t i = 5; i < 18 && descriptor[i] != 0x0A && n + 1 < size; ++i) {
            unsigned char c = descriptor[i];
            out[n++] = c >= 32 && c < 127 ? static_cast<char>(c) : ' ';
        }
        while (n > 0 && out[n - 1] == ' ')
            --n;
        out[n] = 0;
        return n > 0;
    }
    return false;
}

RegistryTree *BuildNtDeviceView(const RegistryAccess &machine) {
    if (!KeyExists(machine, kNtEnumPath))
        return nullptr;
    Reader r = {machine, NewRegistryTree(), {}, 0};
    AddRegistryKey(r.view, "ENUM");
    const std::string top = kNtEnumPath;
    ForEachSubkey(machine, top, [&](const std::string &enumerator) {
        ForEachSubkey(machine, top + "\\" + enumerator, [&](const std::string &device) {
            std::string devicePath = top + "\\" + enumerator + "\\" + device;
            ForEachSubkey(machine, devicePath, [&](const std::string &instance) {
                void *key = machine.open(machine.context, (devicePath + "\\" + instance).c_str());
                if (!key)
                    return;
                PlaceInstance(r, enumerator.c_str(), device.c_str(), instance.c_str(), key);
                machine.close(machine.context, key);
            });
        });
    });
    return r.view;
}
