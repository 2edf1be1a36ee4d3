#include "inventory/monitor_models.h"

#include "inventory/device_walk.h"
#include "inventory/equipment.h"
#include "inventory/registry_stages.h"

#include <cctype>
#include <cstdio>
#include <cstring>

// In table order: the first row contained in the description wins, so a shorter model text that
// another one begins with ("NEC MultiSync 4FG" before "NEC MultiSync 4FGe") catches both, the second
// "Nanao 9070U" is never reached, and the bare sizes at the end catch descriptions naming none of the
// models ("13" stands for a 14 inch screen).
const MonitorModel kMonitorModels[kMonitorModelCount] = {
    {"Aamazing CM-8426", 14.0f, 0.28f, 800},
    {"Aamazing MS-8431", 14.0f, 0.28f, 800},
    {"AcerView 56L", 15.0f, 0.28f, 1024},
    {"AcerView 76i", 17.0f, 0.27f, 1024},
    {"ADI MicroScan 3E", 14.0f, 0.28f, 1280},
    {"ADI MicroScan 3E+", 14.0f, 0.28f, 1024},
    {"ADI MicroScan 4A", 15.0f, 0.28f, 1024},
    {"ADI MicroScan 4GP", 15.0f, 0.28f, 1024},
    {"ADI MicroScan 5AP", 17.0f, 0.26f, 1024},
    {"ADI MicroScan 5EP", 17.0f, 0.28f, 1024},
    {"AOC CM-324", 14.0f, 0.31f, 640},
    {"AOC CM-326", 15.0f, 0.28f, 1024},
    {"AST Vision 7H", 17.0f, 0.28f, 1024},
    {"AST Vision 7L", 17.0f, 0.28f, 1024},
    {"Compaq 1024", 14.0f, 0.28f, 1024},
    {"Gateway CrystalScan 1024", 14.0f, 0.28f, 800},
    {"Gateway CrystalScan 1024NI", 14.0f, 0.28f, 800},
    {"Gateway CrystalScan 1024NI2G", 14.0f, 0.28f, 800},
    {"Dell Super VGA", 14.0f, 0.29f, 640},
    {"Dell Super VGA Colour", 14.0f, 0.29f, 640},
    {"Fora, Inc. MON-7C5", 15.0f, 0.28f, 1024},
    {"IBM 6312", 14.0f, 0.28f, 800},
    {"IBM 6319", 15.0f, 0.28f, 1024},
    {"Iocomm CM-7126", 17.0f, 0.26f, 640},
    {"Mitsuba 710MH", 14.0f, 0.28f, 640},
    {"Monitronix MX-210EZ", 19.0f, 0.31f, 640},
    {"Nanao 8060S", 13.0f, 0.28f, 640},
    {"Nanao 9070U", 15.0f, 0.28f, 640},
    {"Nanao 9400", 19.0f, 0.31f, 640},
    {"Nanao 9060S", 13.0f, 0.28f, 640},
    {"Nanao 9070U", 16.0f, 0.28f, 640},
    {"Nanao 9080i", 16.0f, 0.28f, 640},
    {"Nanao Flex Scan F340iW", 15.0f, 0.28f, 1024},
    {"Nanao Flex Scan F550i", 17.0f, 0.28f, 1024},
    {"Nanao Flex Scan F550i-W", 17.0f, 0.28f, 1024},
    {"Nanao Flex Scan F560i-W", 17.0f, 0.26f, 1280},
    {"NEC MultiSync 2A", 14.0f, 0.31f, 640},
    {"NEC MultiSync 2V", 14.0f, 0.31f, 640},
    {"NEC MultiSync 3D", 14.0f, 0.28f, 640},
    {"NEC MultiSync 3Ds", 14.0f, 0.28f, 640},
    {"NEC MultiSync 3FGe", 14.0f, 0.28f, 800},
    {"NEC MultiSync 3FGx", 14.0f, 0.28f, 800},
    {"NEC MultiSync 3V", 15.0f, 0.28f, 800},
    {"NEC MultiSync 4D", 16.0f, 0.28f, 640},
    {"NEC MultiSync 4Ds", 16.0f, 0.28f, 640},
    {"NEC MultiSync 4FG", 15.0f, 0.28f, 1024},
    {"NEC MultiSync 4FGe", 15.0f, 0.28f, 1024},
    {"NEC MultiSync 4FGx", 15.0f, 0.28f, 1024},
    {"NEC MultiSync 4XLe", 15.0f, 0.28f, 1024},
    {"NEC MultiSync 4XLp", 15.0f, 0.28f, 1280},
    {"NEC MultiSync 5D", 19.0f, 0.31f, 640},
    {"NEC MultiSync 5FG", 17.0f, 0.28f, 1280},
    {"NEC MultiSync 5FGe", 17.0f, 0.28f, 1024},
    {"NEC MultiSync 5FGp", 17.0f, 0.28f, 1280},
    {"NEC MultiSync 5FGx", 17.0f, 0.28f, 1024},
    {"NEC MultiSync 5XLe", 17.0f, 0.28f, 1024},
    {"NEC MultiSync 5XLp", 17.0f, 0.28f, 1280},
    {"NEC MultiSync 6FG", 21.0f, 0.28f, 1280},
    {"NEC MultiSync 6FGp", 21.0f, 0.28f, 1280},
    {"NEC MultiSync Plus", 14.0f, 0.33f, 640},
    {"Optiquest 1000", 14.0f, 0.28f, 800},
    {"Optiquest 3000", 15.0f, 0.28f, 1024},
    {"Optiquest 4000", 17.0f, 0.28f, 1024},
    {"Packard Bell PB8510SV", 15.0f, 0.28f, 800},
    {"Packard Bell PB8528SVG", 14.0f, 0.28f, 800},
    {"Philips 6CM321", 14.0f, 0.28f, 640},
    {"Sampo AlphaScan LC", 14.0f, 0.28f, 1024},
    {"Sampo AlphaScan Plus", 14.0f, 0.28f, 1024},
    {"Samsung SyncMaster 3", 15.0f, 0.31f, 1024},
    {"Samsung SyncMaster 4", 17.0f, 0.31f, 1024},
    {"Taxan MV_770+", 13.0f, 0.31f, 640},
    {"Taxan MV_795", 15.0f, 0.28f, 800},
    {"Taxan MV_875", 17.0f, 0.28f, 1024},
    {"TVM SuperSync 3", 14.0f, 0.28f, 800},
    {"TVM SuperSync 4", 14.0f, 0.28f, 800},
    {"TVM SuperSync 5", 15.0f, 0.28f, 800},
    {"TVM SuperSync 6", 16.0f, 0.28f, 800},
    {"TVM SuperSync 7", 17.0f, 0.28f, 800},
    {"ViewSonic 5", 13.0f, 0.25f, 640},
    {"ViewSonic 7", 17.0f, 0.28f, 1024},
    {"ViewSonic 6", 15.0f, 0.28f, 1280},
    {"ViewSonic 8", 21.0f, 0.28f, 1280},
    {"Wyse Technology WY-670", 13.0f, 0.28f, 640},
    {"13", 14.0f, 0.28f, 1024},
    {"14", 14.0f, 0.28f, 1024},
    {"15", 15.0f, 0.28f, 1024},
    {"16", 16.0f, 0.28f, 1024},
    {"17", 17.0f, 0.28f, 1024},
    {"19", 19.0f, 0.28f, 1024},
    {"20", 20.0f, 0.28f, 1024},
    {"21", 21.0f, 0.28f, 1024},
};

float MonitorArea(float size) {
    return static_cast<float>(static_cast<double>(size) * size * 0.48);
}

namespace {

void UpperCopy(const char *text, char *out, size_t size) {
    size_t i = 0;
    for (; text[i] && i + 1 < size; ++i)
        out[i] = static_cast<char>(toupper(static_cast<unsigned char>(text[i])));
    out[i] = 0;
}

} // namespace

const MonitorModel *FindMonitorModel(const char *description) {
    char name[256];
    UpperCopy(description, name, sizeof name);
    for (const MonitorModel &row : kMonitorModels) {
        char model[256];
        UpperCopy(row.model, model, sizeof model);
        if (strstr(name, model))
            return &row;
    }
    return nullptr;
}

void StageMonitor(const RegistryAccess &registry, EquipmentRecord &record) {
    record.monitorSize = kDefaultMonitorSize;
    record.monitorDotPitch = kDefaultMonitorDotPitch;
    record.monitorMaxWidth = kDefaultMonitorMaxWidth;
    record.monitorArea = MonitorArea(kDefaultMonitorSize);

    // Only the first 31 instances of the default monitor are looked at.
    DeviceRecord monitor;
    bool found = false;
    for (int index = 0; index <= 30 && !found; ++index) {
        char path[64];
        snprintf(path, sizeof path, "ENUM\\Monitor\\Default_Monitor\\00%.2X", index);
        found = ReadDeviceRecord(registry, path, &monitor) != 0;
    }
    if (!found)
        return;
    QV_COPY_FIELD(record.monitorName, monitor.description);

    const MonitorModel *row = FindMonitorModel(record.monitorName);
    if (!row)
        return;
    record.monitorSize = row->size;
    record.monitorDotPitch = row->dotPitch;
    record.monitorMaxWidth = row->maxWidth;
    record.monitorArea = MonitorArea(row->size);
}
