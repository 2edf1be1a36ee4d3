#include "inventory/equipment.h"

#include <cstdio>
#include <cstring>

void CopyField(char *field, size_t fieldSize, const char *text) {
    if (fieldSize == 0)
        return;
    size_t n = text ? strnlen(text, fieldSize - 1) : 0;
    if (n)
        memcpy(field, text, n);
    field[n] = 0;
}

namespace {

struct Writer {
    void (*emit)(void *context, const char *line);
    void *context;
};

void Line(const Writer &w, const char *name, int index, const char *value) {
    char line[512];
    if (index >= 0)
        snprintf(line, sizeof line, "%s [%d]\t%s", name, index, value);
    else
        snprintf(line, sizeof line, "%s\t%s", name, value);
    w.emit(w.context, line);
}

void Text(const Writer &w, const char *name, const char *field, size_t size, int index = -1) {
    // A field may fill its whole slot without a terminator only if something wrote past the rules:
    // read no further than the field.
    char value[300];
    size_t n = strnlen(field, size);
    if (n > sizeof value - 1)
        n = sizeof value - 1;
    memcpy(value, field, n);
    value[n] = 0;
    Line(w, name, index, value);
}

void Int(const Writer &w, const char *name, long long value, int index = -1) {
    char text[32];
    snprintf(text, sizeof text, "%lld", value);
    Line(w, name, index, text);
}

// Reals with up to four decimals, trailing zeros dropped.
void Real(const Writer &w, const char *name, float value, int index = -1) {
    char text[64];
    snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
    char *dot = strchr(text, '.');
    if (dot) {
        char *end = text + strlen(text);
        while (end > dot + 1 && end[-1] == '0')
            *--end = 0;
        if (end == dot + 1)
            *dot = 0;
    }
    Line(w, name, index, text);
}

void Char(const Writer &w, const char *name, char value) {
    char text[2] = {value, 0};
    Line(w, name, -1, text);
}

template <size_t N> void Flags(const Writer &w, const char *name, const uint32_t (&flags)[N], size_t first) {
    for (size_t i = first; i < N; ++i)
        Int(w, name, flags[i], static_cast<int>(i));
}

} // namespace

void WriteEquipmentFields(const EquipmentRecord &r, void (*emit)(void *context, const char *line),
                          void *context) {
    Writer w = {emit, context};
    Text(w, "computer name", r.computerName, sizeof r.computerName);
    Text(w, "BIOS date", r.biosDate, sizeof r.biosDate);
    Text(w, "BIOS name", r.biosName, sizeof r.biosName);
    Int(w, "CPU type", r.cpuType);
    Int(w, "FPU type", r.fpuType);
    Int(w, "standard clock", r.standardClock);
    Int(w, "bus clock", r.busClock);
    Real(w, "bus clock rating", r.busClockRating);
    Int(w, "raw clock", r.rawClock);
    Real(w, "raw clock rating", r.rawClockRating);
    Flags(w, "DMA controller", r.dmaController, 1);
    Flags(w, "SCSI id present", r.scsiIdPresent, 0);
    Flags(w, "interrupt controller", r.interruptController, 1);
    Flags(w, "bus present", r.busPresent, 1);
    Flags(w, "timer", r.timer, 1);
    Int(w, "physical memory", r.physicalMemory);
    Int(w, "physical memory MB", r.physicalMemoryMB);
    Int(w, "page file", r.pageFile);
    Int(w, "virtual memory", r.virtualMemory);
    Int(w, "hard disk controllers", r.hardDiskControllers);
    Int(w, "hard disk controller on PCI", r.hardDiskControllerOnPci);
    Int(w, "hard disk controller on VL", r.hardDiskControllerOnVl);
    Int(w, "hard disk controller on EISA", r.hardDiskControllerOnEisa);
    Int(w, "floppy controllers", r.floppyControllers);
    Int(w, "SCSI adapters", r.scsiAdapters);
    Int(w, "fixed disks", r.fixedDisks);
    Int(w, "CD-ROM drives", r.cdromDrives);
    Int(w, "floppy drives", r.floppyDrives);
    for (int i = 0; i < kFixedDiskSlots; ++i)
        Int(w, "fixed disk size", static_cast<long long>(r.fixedDiskSize[i]), i);
    for (int i = 0; i < kFloppySlots; ++i) {
        Real(w, "floppy drive capacity", r.floppy[i].capacity, i);
        Real(w, "floppy drive size in inches", r.floppy[i].inches, i);
    }
    Char(w, "CD-ROM kind", r.cdromKind);
    Text(w, "video card name", r.videoCardName, sizeof r.videoCardName);
    Char(w, "video bus", r.videoBus);
    Int(w, "video class", r.videoClass);
    Text(w, "monitor name", r.monitorName, sizeof r.monitorName);
    Real(w, "monitor size", r.monitorSize);
    Real(w, "monitor dot pitch", r.monitorDotPitch);
    Int(w, "monitor maximum width", r.monitorMaxWidth);
    Real(w, "monitor area", r.monitorArea);
    for (int i = 1; i <= 4; ++i)
        Int(w, "COM UART", r.comUart[i], i);
    Flags(w, "COM present", r.comPresent, 1);
    Int(w, "game port", r.gamePort);
    Flags(w, "LPT present", r.lptPresent, 1);
    Flags(w, "LPT ECP", r.lptEcp, 1);
    Int(w, "PS/2 port", r.ps2Port);
    Text(w, "modem name", r.modemName, sizeof r.modemName);
    for (int i = 0; i < 4; ++i)
        Int(w, "modem speed", r.modemSpeed[i], i);
    Int(w, "keyboard keys", r.keyboardKeys);
    Int(w, "function keys", r.functionKeys);
    Text(w, "keyboard name", r.keyboardName, sizeof r.keyboardName);
    Text(w, "mouse name", r.mouseName, sizeof r.mouseName);
    Int(w, "mouse buttons", r.mouseButtons);
    Int(w, "joysticks", r.joysticks);
    Text(w, "sound card name", r.soundCardName, sizeof r.soundCardName);
    Text(w, "MCI device name", r.mciDeviceName, sizeof r.mciDeviceName);
    Text(w, "wave input name", r.waveInName, sizeof r.waveInName);
    Text(w, "wave output name", r.waveOutName, sizeof r.waveOutName);
    Text(w, "auxiliary audio name", r.auxName, sizeof r.auxName);
    Text(w, "MIDI input name", r.midiInName, sizeof r.midiInName);
    Text(w, "MIDI output name", r.midiOutName, sizeof r.midiOutName);
    Real(w, "Windows version", r.windowsVersion);
    Real(w, "Windows build", r.windowsBuild);
    Char(w, "Windows platform", r.windowsPlatform);
    for (int i = 0; i < kPrinterSlots; ++i)
        Text(w, "printer name", r.printerName[i], kPrinterNameSize, i);
    Text(w, "processor name", r.processorName, sizeof r.processorName);
}
