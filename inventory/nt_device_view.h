// Systems since Windows NT keep their devices under System\CurrentControlSet\Enum instead of ENUM.
// This builds, from that tree, an in-memory tree laid out as Windows 95's ENUM, so that the device walk
// and the identification tables read it unchanged:
//   - a device whose hardware or compatible ids name a Plug and Play id ("*PNP0303") of the ACPI, Root
//     or BIOS enumerators stands at ENUM\BIOS\<that id>\<nn> (nn counting its instances from 00);
//   - a monitor (DISPLAY) stands at ENUM\Monitor\Default_Monitor\00nn, named from its EDID where
//     its description is a generic one;
//   - every other device keeps its place: ENUM\<enumerator>\<device id>\<instance>.
// Each instance gets Class, DeviceDesc (its friendly name where it has one, which names a port's COM or
// LPT) and Mfg (indirect "@file,...;text" strings give their text) and
// HardwareID: every hardware and compatible id, separated by commas.
#pragma once

#include "inventory/registry_tree.h"

constexpr char kNtEnumPath[] = "System\\CurrentControlSet\\Enum";

// Null when the registry has no NT device tree.
RegistryTree *BuildNtDeviceView(const RegistryAccess &machine);

// The monitor name of a 128-byte (or longer) EDID block: the text of its name descriptor (FCh), cut at
// its line feed and trailing blanks; false when the block has none.
bool EdidMonitorName(const unsigned char *edid, size_t length, char *out, size_t size);
// The text of a possibly indirect string: what follows the last ';' of "@file,-id;text", else as is.
const char *DirectText(const char *text);
