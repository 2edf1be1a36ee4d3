#include "explore/settings.h"

#include <cstdio>
#include <cstring>

#include "platform/utilities.h"

const StartupKey kStartupKeys[kStartupKeyCount] = {
    {"display.drv", "Video Card Driver"},
    {"displayinf", "Video Card Installer Info"},
    {"aspect", "Video Aspect Ratios"},
    {"keyboard.typ", "Keyboard Type"},
    {"mouse.drv", "Mouse Driver"},
    {"language.dll", "Language"},
    {"system.drv", "Operating System"},
    {"codepage", "Code Page"},
    {"woafont.fon", "Default Font"},
    {"network.drv", "Network Driver"},
    {"secondnet.drv", "Second Network Driver"},
};

void WriteStartupSettingsReport(ReportBuffer &report, StartupReader read, void *context) {
    AddReportLine(report, "\006Windows Startup Settings");
    for (const StartupKey &k : kStartupKeys) {
        char value[256];
        snprintf(value, sizeof value, "%s", "None");
        if (read)
            read(context, k.key, value, sizeof value);
        value[sizeof value - 1] = 0;
        CleanOutsideText(value);
        AddReportLine(report, "%s\t\003%s", k.caption, value);
    }
}

EnvironmentEntry SplitEnvironmentEntry(const char *entry) {
    EnvironmentEntry e = {};
    if (!entry)
        return e;
    char copy[kEnvironmentCopySize];
    size_t length = strlen(entry);
    e.cut = length >= sizeof copy;
    CopyOutsideText(entry, copy, sizeof copy);
    const char *name = copy;
    while (*name == '=')
        ++name;
    const char *equals = strchr(name, '=');
    size_t nameLength = equals ? static_cast<size_t>(equals - name) : strlen(name);
    char plainName[kEnvironmentCopySize];
    memcpy(plainName, name, nameLength);
    plainName[nameLength] = 0;
    CopyUpper(plainName, e.name, sizeof e.name);
    snprintf(e.value, sizeof e.value, "%s", equals ? equals + 1 : "");
    return e;
}

void WriteEnvironmentReport(ReportBuffer &report, const char *environment, const char *dosNames,
                            DosDeviceReader read, void *context) {
    AddReportLine(report, "\006Environment Setting\t\006Value");
    for (const char *p = environment; p && *p; p += strlen(p) + 1) {
        EnvironmentEntry e = SplitEnvironmentEntry(p);
        if (e.cut)
            report.damage |= kReportLineCut;
        AddReportLine(report, "%s\t\003%s", e.name, e.value);
    }
    AddReportLine(report, "%s", "");
    AddReportLine(report, "\006DOS Devices Setting\t\006Value");
    for (const char *p = dosNames; p && *p; p += strlen(p) + 1) {
        if (report.count >= kReportSlots) {
            report.damage |= kReportLinesDropped;
            break;
        }
        char mapping[256] = "";
        bool cut = false;
        if (!read || !read(context, p, mapping, sizeof mapping, &cut))
            snprintf(mapping, sizeof mapping, "%s", "Unknown");
        mapping[sizeof mapping - 1] = 0;
        CleanOutsideText(mapping);
        if (cut)
            report.damage |= kReportLineCut;
        // The device is asked for by its own name; only the copy shown is cleaned.
        char name[kReportSlotSize];
        CopyOutsideText(p, name, sizeof name);
        AddReportLine(report, "%s\t\003%s", name, mapping);
    }
}

void WritePortsReport(ReportBuffer &report, const PortState ports[5]) {
    for (int n = 1; n <= 4; ++n) {
        const PortState &port = ports[n];
        if (!port.present)
            continue;
        AddReportLine(report, "\006\002Serial Port\t\002COM%d", n);
        if (port.opened) {
            AddReportLine(report, "Status\t\003Free");
            if (port.settingsRead)
                WritePortSettingsBlock(report, port.settings);
            else
                WritePortSettingsUnreadable(report);
            if (port.propertiesRead)
                WritePortCapabilityBlock(report, port.properties);
            else
                WritePortCapabilitiesUnreadable(report);
        } else {
            AddReportLine(report, "Status\t\003In Use");
        }
        AddReportLine(report, "%s", "");
    }
}

void FormatPercentFree(uint64_t avail, uint64_t total, char *out, size_t outSize) {
    if (!out || outSize == 0)
        return;
    if (total == 0) {
        snprintf(out, outSize, "%s", "Not Available");
        return;
    }
    snprintf(out, outSize, "%.02f%%", static_cast<double>(avail) / static_cast<double>(total) * 100.0);
}

void WriteMemoryReport(ReportBuffer &report, const MemoryFigures &m) {
    AddReportLine(report, "\006Current Memory Status");
    AddReportLine(report, "Memory Load\t\003%lu%%", static_cast<unsigned long>(m.memoryLoad));
    AddReportLine(report, "%s", "");
    AddReportLine(report, "\006Bytes Free");
    AddReportLine(report, "RAM Free\t\003%llu bytes", static_cast<unsigned long long>(m.availPhys));
    AddReportLine(report, "Page File Free\t\003%llu bytes", static_cast<unsigned long long>(m.availPageFile));
    AddReportLine(report, "Virtual Space Free\t\003%llu bytes",
                  static_cast<unsigned long long>(m.availVirtual));
    AddReportLine(report, "%s", "");
    AddReportLine(report, "\006Percent Free");
    char percent[32];
    FormatPercentFree(m.availPhys, m.totalPhys, percent, sizeof percent);
    AddReportLine(report, "RAM Free\t\003%s", percent);
    FormatPercentFree(m.availPageFile, m.totalPageFile, percent, sizeof percent);
    AddReportLine(report, "Page File Free\t\003%s", percent);
    FormatPercentFree(m.availVirtual, m.totalVirtual, percent, sizeof percent);
    AddReportLine(report, "Virtual Space Free\t\003%s", percent);
}
