// The short settings reports: the [boot.description] entries of system.ini, the environment and the
// DOS device names, the serial ports, and the memory status. Line layout from plain records; no
// window types here (explore/settings_win.cpp reads the values).
#pragma once

#include <cstddef>
#include <cstdint>

#include "explore/multimedia_ports.h"
#include "platform/utilities.h"
#include "report/report_lines.h"

// ---- Startup Settings ----

struct StartupKey {
    const char *key;     // in section "boot.description"
    const char *caption; // first column
};
constexpr int kStartupKeyCount = 11;
extern const StartupKey kStartupKeys[kStartupKeyCount];

// Reads one key's value ("None" when missing) into value. Values from outside the program are shown
// with bytes 1-31 made spaces, here and in the environment report (see CleanOutsideText).
using StartupReader = void (*)(void *context, const char *key, char *value, size_t valueSize);
void WriteStartupSettingsReport(ReportBuffer &report, StartupReader read, void *context);

// ---- Environment ----

constexpr size_t kEnvironmentCopySize = 256; // working copy of one entry

struct EnvironmentEntry {
    char name[kEnvironmentCopySize];  // upper-cased
    char value[kEnvironmentCopySize]; // everything after the name's "="
    bool cut;                         // the entry was longer than the working copy
};

// Splits "NAME=value" (leading "=" skipped, so "=C:=C:\dir" is C: and C:\dir); the value keeps any
// further "=". An entry without "=" is all name. Both are cleaned (see CleanOutsideText).
EnvironmentEntry SplitEnvironmentEntry(const char *entry);

// Gives a DOS device's mapping, false when it cannot be read.
using DosDeviceReader = bool (*)(void *context, const char *name, char *mapping, size_t mappingSize,
                                 bool *cut);

// environment: zero-terminated entries ending with an empty one (may be null). dosNames: the same
// form (may be null: no names).
void WriteEnvironmentReport(ReportBuffer &report, const char *environment, const char *dosNames,
                            DosDeviceReader read, void *context);

// ---- Ports ----

struct PortState {
    bool present; // the equipment record's COM present flag
    bool opened;  // the port could be opened: "Free"
    bool settingsRead;
    PortSettings settings;
    bool propertiesRead;
    PortProperties properties;
};

// ports[1..4]; element 0 is unused.
void WritePortsReport(ReportBuffer &report, const PortState ports[5]);

// ---- Memory ----

// "25.00%" for avail / total x 100 with two decimals; "Not Available" when total is 0.
void FormatPercentFree(uint64_t avail, uint64_t total, char *out, size_t outSize);

void WriteMemoryReport(ReportBuffer &report, const MemoryFigures &memory);
